#include "organiser/appointments.h"

#include <QDate>
#include <QTime>

#include "common/date_literal.h"
#include "db/command.h"
#include "db/error.h"
#include "db/query.h"
#include "organiser/appointment_calendar.h"

namespace organiser {

namespace {

constexpr int kFirstHour = 8;
constexpr int kLastHour = 22;

QList<AppointmentSlot> makeSlots() {
    QList<AppointmentSlot> halfHours;
    for (QTime start(kFirstHour, 0); start < QTime(kLastHour, 0); start = start.addSecs(30 * 60)) {
        const QTime end = start.addSecs(30 * 60);
        halfHours.append(
            {start.toString(QStringLiteral("HH:mm")) + QStringLiteral(" - ") +
                 end.toString(QStringLiteral("HH:mm")),
             start.toString(QStringLiteral("HHmm")) + u'-' + end.toString(QStringLiteral("HHmm"))});
    }
    return halfHours;
}

bool isBlank(QChar character) {
    return character.isSpace() || character.category() == QChar::Other_Control;
}

QString withoutBlankEnds(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text.at(first))) {
        ++first;
    }
    while (last > first && isBlank(text.at(last - 1))) {
        --last;
    }
    return text.mid(first, last - first);
}

}  // namespace

const QList<AppointmentSlot>& appointmentSlots() {
    static const QList<AppointmentSlot> halfHours = makeSlots();
    return halfHours;
}

QString appointmentDayText(int day, int month, int year) {
    return QStringLiteral("%1/%2/%3").arg(day).arg(month).arg(year);
}

QString appointmentDayLiteral(int day, int month, int year) {
    return common::dateLiteral(appointmentDayText(day, month, year));
}

QString appointmentDayStatement(const QString& dateLiteral) {
    return QStringLiteral("SELECT * FROM RANTEBOU WHERE HMEROMHNIA=") + dateLiteral;
}

QString createAppointmentDayStatement(const QString& dateLiteral) {
    return QStringLiteral("INSERT INTO RANTEBOU(HMEROMHNIA) VALUES(") + dateLiteral +
           QStringLiteral(")");
}

void createAppointmentDay(db::Connection& connection, const QString& dateLiteral) {
    try {
        db::Command(connection).execute(createAppointmentDayStatement(dateLiteral));
    } catch (const db::Error& error) {
        if (!error.isUniqueViolation()) {
            throw;
        }
    }
}

bool isBookedSlot(const QVariant& value) {
    return !value.isNull() && !withoutBlankEnds(value.toString()).isEmpty();
}

int bookedSlots(const db::RowSet& rows, int row) {
    int booked = 0;
    for (const AppointmentSlot& slot : appointmentSlots()) {
        booked += isBookedSlot(rows.valueAt(row, rows.columnIndex(slot.column))) ? 1 : 0;
    }
    return booked;
}

QHash<int, int> monthBookedSlots(db::Connection& connection, int month, int year) {
    const int lastDay = daysInMonth(month, isLeapYear(year));
    db::Query days(connection, QStringLiteral("SELECT * FROM RANTEBOU WHERE HMEROMHNIA>=") +
                                   appointmentDayLiteral(1, month, year) +
                                   QStringLiteral(" AND HMEROMHNIA<=") +
                                   appointmentDayLiteral(lastDay, month, year));
    days.open();
    const int dateColumn = days.columnIndex(QStringLiteral("HMEROMHNIA"));
    QHash<int, int> counts;
    for (int row = 0; row < days.rowCount(); ++row) {
        const int booked = bookedSlots(days, row);
        if (booked > 0) {
            counts.insert(days.valueAt(row, dateColumn).toDate().day(), booked);
        }
    }
    return counts;
}

}  // namespace organiser
