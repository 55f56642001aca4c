#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

namespace db {
class Connection;
class RowSet;
}  // namespace db

namespace organiser {

// One half hour of a day's appointments: the caption the staff read ("08:00 - 08:30") and the
// RANTEBOU column that holds it ("0800-0830"; such a name must always reach the engine quoted).
struct AppointmentSlot {
    QString caption;
    QString column;
};

// The 28 half hours from 08:00 to 22:00, in order.
const QList<AppointmentSlot>& appointmentSlots();

// A day as the calendar writes it, without leading zeros: "5/3/2024".
QString appointmentDayText(int day, int month, int year);
// The date literal of such a day text.
QString appointmentDayLiteral(int day, int month, int year);

// The day's row of RANTEBOU, as the appointment list edits it.
QString appointmentDayStatement(const QString& dateLiteral);
// The empty row of a day.
QString createAppointmentDayStatement(const QString& dateLiteral);

// Makes sure the day has its row: creates the empty row, and passes over only the refusal that
// the row exists already. Any other failure is thrown.
void createAppointmentDay(db::Connection& connection, const QString& dateLiteral);

// A slot is booked when its text, without blanks and control characters at either end, is not
// empty.
bool isBookedSlot(const QVariant& value);
// The booked slots of one row of RANTEBOU (a result holding its slot columns).
int bookedSlots(const db::RowSet& rows, int row);

// The booked slots of each day of a month that has at least one, by day number, read with one
// statement over the month's rows.
QHash<int, int> monthBookedSlots(db::Connection& connection, int month, int year);

}  // namespace organiser
