#include "organiser/appointment_calendar.h"

#include "common/year_list.h"

namespace organiser {

namespace {
constexpr common::YearRange kCalendarYears{2008, 2035};
}

bool isLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int daysInMonth(int month, bool leapYear) {
    switch (month) {
        case 2:
            return leapYear ? 29 : 28;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return 31;
    }
}

int firstWeekdayOfMonth(int month, int year) {
    // Zeller's congruence for the 1st, with January and February counted as months 13 and 14
    // of the year before, arranged so that 0 is Monday.
    if (month <= 2) {
        month += 12;
        year -= 1;
    }
    const int n = 1 + 2 * month + 3 * (month + 1) / 5 + year + year / 4 - year / 100 + year / 400;
    return n % 7 + 1;
}

QStringList calendarYears(const QDate& today) {
    return common::yearList(kCalendarYears, today);
}

int calendarYearIndex(const QDate& day) {
    return common::yearIndex(kCalendarYears, day);
}

}  // namespace organiser
