#include "tools/sample_data.h"

#include <functional>

#include "db/clock.h"
#include "db/connection.h"
#include "db/query.h"
#include "db/transaction.h"
#include "finance/tuition_ledger.h"
#include "tools/sample_attendance.h"
#include "tools/sample_children.h"
#include "tools/sample_directories.h"
#include "tools/sample_organiser.h"
#include "tools/sample_tuition.h"

namespace sample {

namespace {

void writeChildrenAndTuition(db::Connection& connection, Random& random, const Options& options,
                             const QDate& from, const QDate& until, double vatRate,
                             Summary& summary, const std::function<void()>& stageDone) {
    const QList<Child> children = makeChildren(random, options.children, from, until);
    writeChildren(connection, children);
    stageDone();
    summary.children = static_cast<int>(children.size());
    for (const Child& child : children) {
        summary.activeChildren += child.isActive() ? 1 : 0;
        summary.enrolmentPeriods += static_cast<int>(child.periods.size());
    }
    const TuitionSummary tuition =
        writeTuition(connection, random, children, until, vatRate, options.firstReceiptNumber);
    summary.ledgerRows = tuition.ledgerRows;
    summary.tuitionReceipts = tuition.tuitionReceipts;
    summary.generalReceipts = tuition.generalReceipts;
    summary.nextReceiptNumber = tuition.nextReceiptNumber;
    stageDone();
    summary.absences = writeAbsences(connection, random, children, until);
    stageDone();
    summary.measurements = writeMeasurements(connection, random, children, until);
    summary.groups = writeGroups(connection, random, children);
    stageDone();
}

}  // namespace

Summary fillSampleData(db::Connection& connection, const Options& options,
                       const common::Progress& progress) {
    const QDate until = options.until.isValid() ? options.until : db::Clock::today();
    const QDate from = until.addYears(-options.years).addDays(1);
    Random random(options.seed);
    Summary summary;

    // The whole history is written in one transaction: a page cache that holds it spares the
    // engine from encrypting and writing pages out before the commit.
    connection.executeNative(QStringLiteral("PRAGMA cache_size = -131072"));
    db::Transaction transaction(connection);
    const double vatRate = finance::currentVatRate(connection);
    // Children, tuition, absences, the rest of the children's data, directories and expenses,
    // programme and organiser, the commit.
    constexpr int kStages = 7;
    int stage = 0;
    const auto stageDone = [&] { common::report(progress, ++stage, kStages); };
    writeChildrenAndTuition(connection, random, options, from, until, vatRate, summary, stageDone);
    writeStaff(connection, summary.groups);
    writeContacts(connection, random);
    writeDoctors(connection);
    writeReceiptHeader(connection);
    summary.expenses = writeExpenses(connection, random, from, until, vatRate);
    stageDone();
    writeProgramme(connection, random, from, until);
    writeOrganiser(connection, random, from, until);
    stageDone();
    transaction.commit();
    stageDone();
    return summary;
}

}  // namespace sample
