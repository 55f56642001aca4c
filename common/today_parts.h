#pragma once

#include <QDate>
#include <QString>

namespace common {

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

}  // namespace common
