#include "app/startup_queries.h"

#include "app/date_literal.h"
#include "db/command.h"
#include "db/connection.h"
#include "db/error.h"
#include "db/query.h"

namespace app {

namespace {

QString number(int value) { return QString::number(value); }

QString padded(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

QString owedRowStatement(const QString& registryNumber, const TodayParts& today) {
    return QStringLiteral("INSERT INTO APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,MHNAS,ETOS,CHECKER) VALUES(") +
           registryNumber + u',' + number(today.month) + u',' + number(today.year) + u',' +
           u'\'' + QStringLiteral("Χ") + u'\'' + u')';
}

}  // namespace

TodayParts todayParts(const QDate& today) {
    TodayParts parts;
    parts.day = today.day();
    parts.month = today.month();
    parts.year = today.year();
    parts.dateText = padded(parts.day) + u'/' + padded(parts.month) + u'/' +
                     QStringLiteral("%1").arg(parts.year, 4, 10, QLatin1Char('0'));
    parts.dateLiteral = dateLiteral(parts.dateText);
    return parts;
}

int countOf(db::Connection& connection, const QString& statement) {
    return db::scalar(connection, statement).toInt();
}

bool receiptNumberingIsSet(db::Connection& connection) {
    db::Query query(connection, QStringLiteral("SELECT * from APODEIKSH_LAST"));
    query.open();
    return query.rowCount() != 0;
}

QString todaysReminderCountStatement(const TodayParts& today) {
    return QStringLiteral("select count(*) as synolo from REMINDER where DAY(HMEROMHNIA)=") +
           number(today.day) + QStringLiteral(" AND MONTH(HMEROMHNIA)=") + number(today.month) +
           QStringLiteral(" AND YEAR(HMEROMHNIA)=") + number(today.year);
}

QString todaysReminderTextStatement(const TodayParts& today) {
    return QStringLiteral("select KEIMENO AS KEIMENO from REMINDER where DAY(HMEROMHNIA)=") +
           number(today.day) + QStringLiteral(" AND MONTH(HMEROMHNIA)=") + number(today.month) +
           QStringLiteral(" AND YEAR(HMEROMHNIA)=") + number(today.year);
}

QString todaysBirthdaysCountStatement(const TodayParts& today) {
    return QStringLiteral("select count(*) as synolo FROM CHILDREN WHERE DAY(HMEROMHNIA_GENNHSEWS)=") +
           number(today.day) + QStringLiteral(" AND MONTH(HMEROMHNIA_GENNHSEWS)=") +
           number(today.month) + QStringLiteral(" AND ENERGO=") + u'\'' + QStringLiteral("ΝΑΙ") +
           u'\'';
}

int addThisMonthsTuitionRows(db::Connection& connection, const TodayParts& today) {
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
            added += command.execute(owedRowStatement(registryNumber, today));
        } catch (const db::Error&) {
        }
    }
    return added;
}

}  // namespace app
