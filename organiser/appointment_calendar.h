#pragma once

#include <QDate>
#include <QStringList>

namespace organiser {

// The month grid of the appointments calendar: 37 cells, seven to a row from Monday to Sunday,
// numbered from 1. A month of 31 days whose 1st is a Sunday ends in the last cell.
constexpr int kCalendarCells = 37;
constexpr int kDaysInWeek = 7;

// Gregorian rule: divisible by 4, and not by 100 unless by 400.
bool isLeapYear(int year);
int daysInMonth(int month, bool leapYear);
// The weekday of the 1st of the month, 1 = Monday ... 7 = Sunday.
int firstWeekdayOfMonth(int month, int year);
// The cell (1 to 37) that shows the day of a month whose 1st falls on firstWeekday.
inline int cellOfDay(int firstWeekday, int day) {
    return firstWeekday + day - 1;
}
// Cells in the Saturday and Sunday columns.
inline bool isWeekendCell(int cell) {
    return (cell - 1) % kDaysInWeek >= 5;
}

// The calendar's year list: from 2008 to at least 2035 and always past the current year; and
// the position of a date's year in it.
QStringList calendarYears(const QDate& today);
int calendarYearIndex(const QDate& day);

}  // namespace organiser
