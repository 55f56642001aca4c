#include "finance/yearly_status.h"

#include <QHash>
#include <QVariant>
#include <QVector>
#include <array>

#include "common/date_literal.h"
#include "db/command.h"
#include "db/connection.h"
#include "db/query.h"
#include "db/statement.h"
#include "db/transaction.h"
#include "searches/title_lines.h"

namespace finance {

namespace {

constexpr int kMonths = 12;
constexpr int kTextsPerMonth = 5;  // C, T, P, V, H

// The five texts of one month, in column order C, T, P, V, H; all null while the ledger has
// no row for the month.
using MonthTexts = std::array<QVariant, kTextsPerMonth>;
using ChildMonths = std::array<MonthTexts, kMonths>;

QString textOrEmpty(const db::RowSet& rows, const QString& column) {
    return rows.text(column);  // a null value reads as an empty text
}

MonthTexts monthTexts(const db::RowSet& rows) {
    const QVariant paidOn = rows.value(QStringLiteral("HMEROMHNIA"));
    const QString paymentDate = paidOn.isNull() ? QString() : common::shortDate(paidOn.toDate());
    return {textOrEmpty(rows, QStringLiteral("CHECKER")),
            textOrEmpty(rows, QStringLiteral("ARITHMOS_APODEIKSHS")),
            textOrEmpty(rows, QStringLiteral("POSO")), textOrEmpty(rows, QStringLiteral("VAT")),
            paymentDate};
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

void fillMonths(db::Connection& connection, const QString& year) {
    db::Query ledger(connection, statusLedgerStatement(year));
    ledger.open();
    QVector<qlonglong> childOrder;
    QHash<qlonglong, ChildMonths> months;
    for (int row = 0; row < ledger.rowCount(); ++row) {
        ledger.moveTo(row);
        const int month = ledger.value(QStringLiteral("MHNAS")).toInt();
        if (month < 1 || month > kMonths) {
            continue;
        }
        const qlonglong child = ledger.value(QStringLiteral("ARITHMOS_MHTRWOY")).toLongLong();
        if (!months.contains(child)) {
            childOrder.append(child);
        }
        months[child][month - 1] = monthTexts(ledger);
    }
    db::Statement update(connection, childUpdateSql());
    for (const qlonglong child : childOrder) {
        bindChild(update, child, months.value(child));
        update.step();
        update.reset();
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

QString statusLedgerStatement(const QString& year) {
    return QStringLiteral(
               "select GRAMMENOI.ARITHMOS_MHTRWOY as ARITHMOS_MHTRWOY,GRAMMENOI.ONOMA_PAIDIOY as "
               "ONOMA_PAIDIOY,GRAMMENOI.EPWNYMO_PAIDIOY as EPWNYMO_PAIDIOY, "
               "STR(GRAMMENOI.HMEROMHNIA_EGGRAFHS) ") +
           QStringLiteral(
               "as HMEROMHNIA_EGGRAFHS, APODEIKSEIS_DIDAKTRWN.MHNAS as MHNAS, "
               "APODEIKSEIS_DIDAKTRWN.ETOS as ETOS, APODEIKSEIS_DIDAKTRWN.ARITHMOS_APODEIKSHS as "
               "ARITHMOS_APODEIKSHS,Format(APODEIKSEIS_DIDAKTRWN.POSO,'0.00') AS POSO,") +
           QStringLiteral(
               "APODEIKSEIS_DIDAKTRWN.HMEROMHNIA as HMEROMHNIA,APODEIKSEIS_DIDAKTRWN.CHECKER as "
               "CHECKER,Format(APODEIKSEIS_DIDAKTRWN.VAT,'0.00') AS VAT  from "
               "APODEIKSEIS_DIDAKTRWN, GRAMMENOI ") +
           QStringLiteral(
               " where   GRAMMENOI.ARITHMOS_MHTRWOY=APODEIKSEIS_DIDAKTRWN.ARITHMOS_MHTRWOY  and  "
               "APODEIKSEIS_DIDAKTRWN.ETOS =") +
           year + QStringLiteral(" ORDER BY  GRAMMENOI.EPWNYMO_PAIDIOY ASC");
}

QString yearlyStatusTitle(const QString& year) {
    return QStringLiteral("ΚΑΤΑΣΤΑΣΗ ΠΛΗΡΩΜΗΣ ΔΙΔΑΚΤΡΩΝ ΓΙΑ ΤΟ ΕΤΟΣ ") + year.trimmed();
}

void buildYearlyStatus(db::Connection& connection, const QString& year) {
    db::Transaction transaction(connection);
    db::Command command(connection);
    command.execute(QStringLiteral("DELETE FROM DIDAKTRA_TEMP"));
    command.execute(statusChildrenStatement());
    fillMonths(connection, year);
    command.execute(searches::titleLinesStatement(yearlyStatusTitle(year)));
    transaction.commit();
}

}  // namespace finance
