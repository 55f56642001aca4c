// velorima-benchmark: times what the staff wait for, on a large generated database.
//
//   velorima-benchmark [--children N] [--years Y] [--repeat R]
//
// Builds a delivered database with sample data of the given size in a temporary directory,
// then runs each operation R times and prints the median and the slowest run in milliseconds.
// The operations are the ones the windows run: opening a connection (windows reconnect before
// almost every statement), the start-up's check of the file, its copy of the day and its daily
// duties, the children list in every order, the 76 canned searches, the issued receipts list, and
// the yearly tuition status of every child enrolled and owing all twelve months: its build, and
// its report filled and laid out as the preview receives it.

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>

#include "children/birthdays.h"
#include "children/children_list.h"
#include "common/daily_backup.h"
#include "common/today_parts.h"
#include "db/backup.h"
#include "db/clock.h"
#include "db/connection.h"
#include "db/connection_string.h"
#include "db/query.h"
#include "db/schema.h"
#include "db/table.h"
#include "finance/issued_receipts.h"
#include "finance/tuition_ledger.h"
#include "finance/yearly_status.h"
#include "organiser/todays_reminder.h"
#include "reports/report_document.h"
#include "reports/report_engine.h"
#include "searches/canned_searches.h"
#include "tools/sample_data.h"

namespace {

struct Settings {
    int children = 2000;
    int years = 10;
    int repeat = 5;
};

Settings parseArguments(const QStringList& arguments) {
    Settings settings;
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        const int value = arguments.at(i + 1).toInt();
        if (arguments.at(i) == u"--children") {
            settings.children = value;
        } else if (arguments.at(i) == u"--years") {
            settings.years = value;
        } else if (arguments.at(i) == u"--repeat") {
            settings.repeat = std::max(1, value);
        }
    }
    return settings;
}

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

// Runs the operation `repeat` times and prints its median and slowest time.
void measure(const QString& name, int repeat, const std::function<void()>& operation) {
    QList<double> times;
    for (int run = 0; run < repeat; ++run) {
        QElapsedTimer timer;
        timer.start();
        operation();
        times.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    out() << QStringLiteral("%1 %2 ms  (slowest %3 ms)\n")
                 .arg(name, -48)
                 .arg(times.at(times.size() / 2), 9, 'f', 2)
                 .arg(times.last(), 9, 'f', 2);
    out().flush();
}

int rowsOf(db::Connection& connection, const QString& statement) {
    db::Query query(connection, statement);
    query.open();
    return query.rowCount();
}

// The worst case of the yearly status: every child enrolled, each with a ledger row for every
// month of the year.
void measureYearlyStatus(db::Connection& connection, int repeat) {
    const int year = db::Clock::today().year();
    connection.executeNative(
        QStringLiteral("UPDATE CHILDREN_EGG_DIAG SET HMEROMHNIA_DIAGRAFHS=NULL"));
    for (int month = 1; month <= 12; ++month) {
        connection.executeNative(
            QStringLiteral(
                "INSERT OR IGNORE INTO APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,MHNAS,ETOS,"
                "CHECKER) SELECT ARITHMOS_MHTRWOY,%1,%2,'Χ' FROM CHILDREN")
                .arg(month)
                .arg(year));
    }
    measure(QStringLiteral("yearly tuition status, built"), repeat,
            [&] { finance::buildYearlyStatus(connection, QString::number(year)); });
    const QString layout = QStringLiteral(VELORIMA_REPORT_FILES "/") + finance::yearlyStatusFile();
    int pages = 0;
    measure(QStringLiteral("yearly tuition status, report filled and laid out"), repeat, [&] {
        db::Table status(connection, finance::yearlyStatusTable());
        db::Table titles(connection, finance::titleLinesTable());
        status.open();
        titles.open();
        pages = reports::render(layout,
                                {reports::dataSet(finance::yearlyStatusRowsConnection(), status),
                                 reports::dataSet(finance::yearlyStatusTitleConnection(), titles)})
                    .pageCount();
    });
    out() << QStringLiteral("(the status holds %1 children on %2 pages)\n")
                 .arg(rowsOf(connection,
                             QStringLiteral("SELECT * FROM ") + finance::yearlyStatusTable()))
                 .arg(pages);
}

}  // namespace

int main(int argc, char** argv) {
    // Reports are laid out with fonts, which need the graphical side of Qt, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const Settings settings = parseArguments(application.arguments());
    QTemporaryDir directory;
    const QString databasePath = directory.path() + QStringLiteral("/data.mdb");
    const QString connectionString = db::buildConnectionString(
        QDir::toNativeSeparators(directory.path()), db::databasePassword());

    QElapsedTimer timer;
    timer.start();
    db::createDeliveredDatabase(databasePath);
    db::Connection connection(connectionString);
    connection.open();
    sample::Options options;
    options.children = settings.children;
    options.years = settings.years;
    sample::fillSampleData(connection, options);
    out() << QStringLiteral("database of %1 children over %2 years written in %3 ms\n\n")
                 .arg(settings.children)
                 .arg(settings.years)
                 .arg(timer.elapsed());

    measure(QStringLiteral("open and close a connection (x30)"), settings.repeat, [&] {
        for (int i = 0; i < 30; ++i) {
            db::Connection reconnect(connectionString);
            reconnect.open();
        }
    });

    measure(QStringLiteral("start-up: check of the file"), settings.repeat, [&] {
        db::checkDatabaseFile(databasePath, db::databasePassword(), db::CheckDepth::Quick);
    });
    measure(QStringLiteral("start-up: copy of the day (written and checked)"), settings.repeat,
            [&] {
                QDir(common::backupFolder(databasePath)).removeRecursively();
                common::takeDailyBackup(databasePath, db::databasePassword(), db::Clock::today());
            });

    const common::TodayParts today = common::todayParts(db::Clock::today());
    measure(QStringLiteral("start-up: reminder and birthday counts"), settings.repeat, [&] {
        db::scalar(connection, organiser::todaysReminderCountStatement(today));
        db::scalar(connection, children::birthdaysCountStatement(today.day, today.month));
    });
    measure(QStringLiteral("start-up: this month's tuition rows"), settings.repeat,
            [&] { finance::addThisMonthsTuitionRows(connection, today); });

    measure(QStringLiteral("children list, all 8 orders x 2 directions"), settings.repeat, [&] {
        children::ListRequest request;
        request.status = children::StatusFilter::All;
        for (const children::SortChoice& choice : children::sortChoices()) {
            for (auto direction :
                 {children::SortDirection::Ascending, children::SortDirection::Descending}) {
                rowsOf(connection,
                       children::listStatement(request, choice.column, direction).value());
            }
        }
    });
    measure(QStringLiteral("children list, surname initials"), settings.repeat, [&] {
        children::ListRequest request;
        request.condition = children::surnameCondition(QStringLiteral("παπ"));
        rowsOf(connection, children::listStatement(request, children::sortChoices().first().column,
                                                   children::SortDirection::Ascending)
                               .value());
    });

    measure(QStringLiteral("all 76 canned searches"), settings.repeat, [&] {
        for (const searches::CannedSearch& search : searches::cannedSearches()) {
            rowsOf(connection, search.statement());
        }
    });
    measure(QStringLiteral("issued receipts list"), settings.repeat,
            [&] { rowsOf(connection, finance::issuedReceiptsStatement()); });

    measureYearlyStatus(connection, settings.repeat);
    return 0;
}
