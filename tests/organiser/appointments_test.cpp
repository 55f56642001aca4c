#include <gtest/gtest.h>

#include <QDate>

#include "db/error.h"
#include "db/query.h"
#include "organiser/appointment_calendar.h"
#include "organiser/appointments.h"
#include "support/delivered_database.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int rowsOfDay(db::Connection& connection, const QString& literal) {
    db::Query day(connection, organiser::appointmentDayStatement(literal));
    day.open();
    return day.rowCount();
}

void setSlots(db::Connection& connection, const QString& literal, const QStringList& assignments) {
    connection.execute(
        u"UPDATE RANTEBOU SET %1 WHERE HMEROMHNIA=%2"_s.arg(assignments.join(u','), literal));
}

TEST(Appointments, MonthLayoutAgreesWithTheCalendarInEveryYearTheListOffers) {
    for (int year = 2008; year <= 2045; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QDate first(year, month, 1);
            const int weekday = organiser::firstWeekdayOfMonth(month, year);
            ASSERT_EQ(weekday, first.dayOfWeek()) << year << '-' << month;
            const int days = organiser::daysInMonth(month, organiser::isLeapYear(year));
            ASSERT_EQ(days, first.daysInMonth()) << year << '-' << month;
            ASSERT_LE(organiser::cellOfDay(weekday, days), organiser::kCalendarCells);
        }
    }
    EXPECT_TRUE(organiser::isLeapYear(2000));
    EXPECT_FALSE(organiser::isLeapYear(2100));
    // March 2009 starts on a Sunday and ends in the last cell.
    EXPECT_EQ(organiser::cellOfDay(organiser::firstWeekdayOfMonth(3, 2009), 31), 37);
    EXPECT_TRUE(organiser::isWeekendCell(6));
    EXPECT_TRUE(organiser::isWeekendCell(35));
    EXPECT_FALSE(organiser::isWeekendCell(36));

    // The year list reaches past the current year whatever year it is.
    const QStringList years = organiser::calendarYears(QDate(2040, 6, 1));
    EXPECT_EQ(years.first(), u"2008"_s);
    EXPECT_EQ(years.at(organiser::calendarYearIndex(QDate(2040, 6, 1))), u"2040"_s);
}

TEST(Appointments, SlotsAreTheHalfHoursFromEightToTen) {
    const QList<organiser::AppointmentSlot>& halfHours = organiser::appointmentSlots();
    ASSERT_EQ(halfHours.size(), 28);
    EXPECT_EQ(halfHours.first().caption, u"08:00 - 08:30"_s);
    EXPECT_EQ(halfHours.first().column, u"0800-0830"_s);
    EXPECT_EQ(halfHours.at(14).column, u"1500-1530"_s);
    EXPECT_EQ(halfHours.last().caption, u"21:30 - 22:00"_s);
    EXPECT_EQ(halfHours.last().column, u"2130-2200"_s);
    EXPECT_EQ(organiser::appointmentDayText(5, 3, 2024), u"5/3/2024"_s);
    EXPECT_EQ(organiser::appointmentDayLiteral(5, 3, 2024), u"#3/5/2024#"_s);
}

TEST(Appointments, CreatingADayTwiceKeepsOneRowAndOtherFailuresAreThrown) {
    testsupport::DeliveredDatabase database;
    db::Connection& connection = database.connection();
    const QString day = organiser::appointmentDayLiteral(5, 3, 2024);
    organiser::createAppointmentDay(connection, day);
    EXPECT_NO_THROW(organiser::createAppointmentDay(connection, day));
    EXPECT_EQ(rowsOfDay(connection, day), 1);

    // A refusal other than the existing row is no reason to open an empty list.
    EXPECT_THROW(organiser::createAppointmentDay(connection, u"ERROR"_s), db::Error);
    connection.executeNative(
        u"CREATE TRIGGER refuse_days BEFORE INSERT ON RANTEBOU BEGIN SELECT RAISE(ABORT, "
        "'refused'); END;"_s);
    EXPECT_THROW(
        organiser::createAppointmentDay(connection, organiser::appointmentDayLiteral(6, 3, 2024)),
        db::Error);
}

TEST(Appointments, OnlySlotsWithTextBetweenTheBlanksAreBooked) {
    testsupport::DeliveredDatabase database;
    db::Connection& connection = database.connection();
    const QString fifth = organiser::appointmentDayLiteral(5, 3, 2024);
    const QString sixth = organiser::appointmentDayLiteral(6, 3, 2024);
    const QString seventh = organiser::appointmentDayLiteral(7, 3, 2024);
    const QString lastOfMonth = organiser::appointmentDayLiteral(31, 3, 2024);
    for (const QString& day :
         {fifth, sixth, seventh, lastOfMonth, organiser::appointmentDayLiteral(1, 4, 2024)}) {
        organiser::createAppointmentDay(connection, day);
    }
    setSlots(
        connection, fifth,
        {u"[0800-0830]='Γιατρός'"_s, u"[0830-0900]='   '"_s, u"[0900-0930]=char(9,1,13,10,32)"_s,
         u"[0930-1000]=''"_s, u"[2130-2200]=' λογιστής '"_s, u"[1000-1030]=char(160)"_s});
    setSlots(connection, sixth, {u"[1200-1230]='  '"_s});
    QStringList everySlot;
    for (const organiser::AppointmentSlot& slot : organiser::appointmentSlots()) {
        everySlot.append(u"[%1]='x'"_s.arg(slot.column));
    }
    setSlots(connection, lastOfMonth, everySlot);
    setSlots(connection, organiser::appointmentDayLiteral(1, 4, 2024), everySlot);

    const QHash<int, int> counts = organiser::monthBookedSlots(connection, 3, 2024);
    EXPECT_EQ(counts, (QHash<int, int>{{5, 2}, {31, 28}}));

    // The one statement over the month counts as the day's own row does.
    db::Query day(connection, organiser::appointmentDayStatement(fifth));
    day.open();
    EXPECT_EQ(organiser::bookedSlots(day, 0), 2);
}

}  // namespace
