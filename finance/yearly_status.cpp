#include "finance/yearly_status.h"

#include <QHash>
#include <QVariant>
#include <QVector>
#include <array>

#include "common/date_literal.h"
#include "db/command.h"
#include "db/connection.h"
#include "db/dialect.h"
#include "db/query.h"
#include "db/statement.h"
#include "db/transaction.h"
#include "searches/title_lines.h"

namespace finance {

namespace {

constexpr int kMonths = 12;
constexpr int kTextsPerMonth = 5;  // C, T, P, V, H
// How often the progress is told while the months are written.
constexpr int kChildrenPerStep = 64;

// The five texts of one month, in column order C, T, P, V, H; all null while the ledger has
// no row for the month.
using MonthTexts = std::array<QVariant, kTextsPerMonth>;
using ChildMonths = std::array<MonthTexts, kMonths>;

// The columns of the ledger statement, in its order.
enum LedgerColumn { Child, Month, ReceiptNumber, Amount, PaymentDate, Mark, Vat };

QString textOrEmpty(const db::Statement& ledger, LedgerColumn column) {
    const QVariant value = ledger.value(column);
    return value.isNull() ? QString() : value.toString();
}

MonthTexts monthTexts(const db::Statement& ledger) {
    const QVariant paidOn = ledger.value(PaymentDate);
    const QString paymentDate = paidOn.isNull() ? QString() : common::shortDate(paidOn.toDate());
    return {textOrEmpty(ledger, Mark), textOrEmpty(ledger, ReceiptNumber),
            textOrEmpty(ledger, Amount), textOrEmpty(ledger, Vat), paymentDate};
}

// One statement per child sets all 60 month columns at once: the months read from the ledger
// and null for the rest, which is what the scratch table holds before. This gives what one
// update per ledger row would, at a twelfth of the statements.
QString childUpdateSql() {
    QStringList assignments;
    for (const QChar letter : {u'C', u'T', u'P', u'V', u'H'}) {
        for (int month = 1; month <= kMonths; ++month) {
            assignments.append(QStringLiteral("%1%2=?").arg(letter).arg(month));
        }
    }
    return QStringLiteral("UPDATE DIDAKTRA_TEMP SET ") + assignments.join(u',') +
           QStringLiteral(" WHERE ARITHMOS_MHTRWOY=?");
}

void bindChild(db::Statement& update, qlonglong child, const ChildMonths& months) {
    int parameter = 1;
    for (int text = 0; text < kTextsPerMonth; ++text) {
        for (int month = 0; month < kMonths; ++month) {
            update.bind(parameter++, months[month][text]);
        }
    }
    update.bind(parameter, child);
}

// Reads the ledger statement row by row, without holding it whole: the status of a large
// kindergarten has tens of thousands of ledger rows.
void fillMonths(db::Connection& connection, const QString& year, const common::Progress& progress) {
    db::Statement ledger(connection, db::translate(statusLedgerStatement(year)));
    QVector<qlonglong> childOrder;
    QHash<qlonglong, ChildMonths> months;
    while (ledger.step()) {
        const int month = ledger.value(Month).toInt();
        if (month < 1 || month > kMonths) {
            continue;
        }
        const qlonglong child = ledger.value(Child).toLongLong();
        auto found = months.find(child);
        if (found == months.end()) {
            childOrder.append(child);
            found = months.insert(child, ChildMonths{});
        }
        (*found)[month - 1] = monthTexts(ledger);
    }
    db::Statement update(connection, childUpdateSql());
    const int total = int(childOrder.size()) + 1;
    for (int i = 0; i < childOrder.size(); ++i) {
        bindChild(update, childOrder.at(i), months.value(childOrder.at(i)));
        update.step();
        update.reset();
        if (i % kChildrenPerStep == 0) {
            common::report(progress, i + 1, total);
        }
    }
}

}  // namespace

QString statusChildrenStatement() {
    return QStringLiteral(
               "INSERT INTO DIDAKTRA_TEMP(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY,"
               "HMEROMHNIA_EGGRAFHS)  select GRAMMENOI.ARITHMOS_MHTRWOY as "
               "ARITHMOS_MHTRWOY,GRAMMENOI.ONOMA_PAIDIOY as ONOMA_PAIDIOY") +
           QStringLiteral(
               ",GRAMMENOI.EPWNYMO_PAIDIOY as EPWNYMO_PAIDIOY, STR(GRAMMENOI.HMEROMHNIA_EGGRAFHS) "
               "as HMEROMHNIA_EGGRAFHS from GRAMMENOI ORDER BY EPWNYMO_PAIDIOY ASC");
}

// The children are those just copied from GRAMMENOI into the scratch table, in the same
// transaction. Joined with the view itself, the engine scans the whole ledger of every year
// against a temporary index of the view, several times slower; the rows are the same, and their
// order does not matter, since each child's month has one ledger row.
QString statusLedgerStatement(const QString& year) {
    return QStringLiteral(
               "select ARITHMOS_MHTRWOY,MHNAS,ARITHMOS_APODEIKSHS,Format(POSO,'0.00') AS POSO,"
               "HMEROMHNIA,CHECKER,Format(VAT,'0.00') AS VAT from APODEIKSEIS_DIDAKTRWN where "
               "ETOS =") +
           year + QStringLiteral(" and ARITHMOS_MHTRWOY IN (select ARITHMOS_MHTRWOY from ") +
           yearlyStatusTable() + u')';
}

QString yearlyStatusTitle(const QString& year) {
    return QStringLiteral("ΚΑΤΑΣΤΑΣΗ ΠΛΗΡΩΜΗΣ ΔΙΔΑΚΤΡΩΝ ΓΙΑ ΤΟ ΕΤΟΣ ") + year.trimmed();
}

void buildYearlyStatus(db::Connection& connection, const QString& year,
                       const common::Progress& progress) {
    db::Transaction transaction(connection);
    db::Command command(connection);
    command.execute(QStringLiteral("DELETE FROM ") + yearlyStatusTable());
    command.execute(statusChildrenStatement());
    fillMonths(connection, year, progress);
    command.execute(searches::titleLinesStatement(yearlyStatusTitle(year)));
    transaction.commit();
    common::report(progress, 1, 1);
}

}  // namespace finance
