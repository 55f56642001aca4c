#include "finance/tuition_ledger.h"

#include "common/today_parts.h"
#include "db/command.h"
#include "db/connection.h"
#include "db/error.h"
#include "db/query.h"
#include "db/table.h"
#include "finance/statement_text.h"

namespace finance {

namespace {

QString firstRowText(db::Connection& connection, const QString& table, const QString& column) {
    db::Table settings(connection, table);
    settings.open();
    return settings.isEmpty() ? QString() : settings.text(column);
}

QString owedMark() {
    return QStringLiteral("'Χ'");
}

}  // namespace

QString vatRateTable() {
    return QStringLiteral("SYNTELESTHS_VAT");
}

double currentVatRate(const db::RowSet& vatRateRows) {
    return vatRateRows.position() < 0 ? 0.0
                                      : vatRateRows.value(QStringLiteral("VAT_RATIO")).toDouble();
}

double currentVatRate(db::Connection& connection) {
    db::Table rate(connection, vatRateTable());
    rate.open();
    return currentVatRate(rate);
}

QString vatRateText(db::Connection& connection) {
    return firstRowText(connection, vatRateTable(), QStringLiteral("VAT_RATIO"));
}

bool receiptNumberingIsSet(db::Connection& connection) {
    db::Query query(connection, QStringLiteral("SELECT * from APODEIKSH_LAST"));
    query.open();
    return query.rowCount() != 0;
}

QString receiptNumberingStatement(int firstNumber) {
    return QStringLiteral("INSERT INTO APODEIKSH_LAST(LAST_NUMBER) VALUES(") +
           QString::number(firstNumber) + u')';
}

void storeReceiptNumbering(db::Connection& connection, int firstNumber) {
    db::Command(connection, receiptNumberingStatement(firstNumber)).execute();
}

QString nextReceiptNumberText(db::Connection& connection) {
    return firstRowText(connection, QStringLiteral("APODEIKSH_LAST"),
                        QStringLiteral("LAST_NUMBER"));
}

int currentReceiptNumber(db::Connection& connection) {
    const QVariant counter =
        db::scalar(connection, QStringLiteral("SELECT LAST_NUMBER FROM APODEIKSH_LAST"));
    return receiptNumberFromText(counter.toString());
}

QString counterAdvanceStatement() {
    return QStringLiteral("UPDATE APODEIKSH_LAST SET LAST_NUMBER=LAST_NUMBER+1");
}

QString owedTuitionStatement(const QString& registryNumber, int month, int year) {
    return QStringLiteral(
               "INSERT INTO APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,MHNAS,ETOS,CHECKER) VALUES(") +
           registryNumber + u',' + QString::number(month) + u',' + QString::number(year) + u',' +
           owedMark() + u')';
}

QString owedTuitionThisMonthStatement(const QString& registryNumber) {
    return QStringLiteral(
               "insert into APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,CHECKER,MHNAS,ETOS) VALUES(") +
           registryNumber + u',' + owedMark() + QStringLiteral(",month(date()),year(date()))");
}

int addThisMonthsTuitionRows(db::Connection& connection, const common::TodayParts& today) {
    // A deleted child's card is gone but its enrolment row stays: it owes nothing any more,
    // and a new child later given the same number must not inherit its debt.
    db::Query enrolled(connection,
                       QStringLiteral("SELECT ARITHMOS_MHTRWOY FROM CHILDREN_EGG_DIAG WHERE "
                                      "HMEROMHNIA_DIAGRAFHS IS NULL AND HMEROMHNIA_EGGRAFHS<=") +
                           today.dateLiteral +
                           QStringLiteral(" AND ARITHMOS_MHTRWOY IN (SELECT ARITHMOS_MHTRWOY FROM "
                                          "CHILDREN)"));
    enrolled.open();
    const int column = enrolled.columnIndex(QStringLiteral("ARITHMOS_MHTRWOY"));
    db::Command command(connection);
    int added = 0;
    for (int row = 0; row < enrolled.rowCount(); ++row) {
        const QString registryNumber = enrolled.textAt(row, column).trimmed();
        if (registryNumber.isEmpty()) {
            continue;  // an enrolment without a child number cannot owe anything
        }
        // The usual refusal is the ledger's key: the row exists from an earlier start this
        // month. Any other refusal of one row is passed over too, so that one bad row cannot keep
        // the program from starting; the next start tries that row again.
        try {
            added += command.execute(owedTuitionStatement(registryNumber, today.month, today.year));
        } catch (const db::Error&) {
        }
    }
    return added;
}

}  // namespace finance
