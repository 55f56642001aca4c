#pragma once

#include <QDate>
#include <QString>

namespace db {
class Connection;
}

namespace app {

// Today as the daily duties use it: the numbers without leading zeros for the statements, and
// the date text dd/mm/yyyy turned into a date literal.
struct TodayParts {
    int day = 0;
    int month = 0;
    int year = 0;
    QString dateText;
    QString dateLiteral;
};
TodayParts todayParts(const QDate& today);

// The first number of a count statement ("select count(*) ..."), 0 when it returns no row.
int countOf(db::Connection& connection, const QString& statement);

// True when the receipt counter holds a row, which means the receipt numbering has been set.
bool receiptNumberingIsSet(db::Connection& connection);

QString todaysReminderCountStatement(const TodayParts& today);
// The statement whose first row the reminder popup shows.
QString todaysReminderTextStatement(const TodayParts& today);
QString todaysBirthdaysCountStatement(const TodayParts& today);

// Adds this month's owed tuition row for every child whose enrolment is open and began on or
// before today. A child who has this month's row already is refused by the ledger's key and
// skipped, as is any other refusal of a single row. Returns the number of rows added.
int addThisMonthsTuitionRows(db::Connection& connection, const TodayParts& today);

}  // namespace app
