#include "organiser/date_utilities.h"

#include <QCalendar>
#include <algorithm>

#include "common/month_names.h"

namespace organiser {

// The Orthodox Church keeps the Julian reckoning of Easter: find the Julian date of the
// Sunday, then read that day in the Gregorian calendar. The gap between the two calendars
// grows by a day in 1700, 1800, 1900 and 2100, so a fixed offset would be right only for
// 1900..2099.
QDate orthodoxEaster(int year) {
    if (year < easterFirstYear || year > easterLastYear) {
        return {};
    }
    const int a = year % 4;
    const int b = year % 7;
    const int c = year % 19;
    const int d = (19 * c + 15) % 30;
    const int e = (2 * a + 4 * b - d + 34) % 7;
    const int month = (d + e + 114) / 31;
    const int day = (d + e + 114) % 31 + 1;
    return QDate(year, month, day, QCalendar(QCalendar::System::Julian));
}

QString find_pasxa(int year) {
    const QDate easter = orthodoxEaster(year);
    if (!easter.isValid()) {
        return {};
    }
    return QStringLiteral("είναι ") + QString::number(easter.day()) + u' ' +
           common::monthName(easter.month(), common::MonthCase::Genitive,
                             common::MaySpelling::Diaeresis);
}

int easterYearFromText(const QString& text) {
    bool ok = false;
    const int year = text.trimmed().toInt(&ok);
    return ok ? year : easterFirstYear;
}

int clampEasterYear(int year) {
    return std::clamp(year, easterFirstYear, easterLastYear);
}

QString dayCountText(const QDate& from, const QDate& to) {
    if (!from.isValid() || !to.isValid() || from >= to) {
        return {};
    }
    return QStringLiteral("Αριθμός ημερών=") + QString::number(from.daysTo(to));
}

}  // namespace organiser
