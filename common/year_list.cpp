#include "common/year_list.h"

#include <algorithm>

namespace common {

namespace {
constexpr int kYearsAhead = 5;
}

int lastYear(YearRange range, const QDate& today) {
    return std::max(range.lastAtLeast, today.year() + kYearsAhead);
}

QStringList yearList(YearRange range, const QDate& today) {
    QStringList years;
    for (int year = range.first; year <= lastYear(range, today); ++year) {
        years.append(QString::number(year));
    }
    return years;
}

int yearIndex(YearRange range, const QDate& day) {
    return day.year() >= range.first ? day.year() - range.first : -1;
}

}  // namespace common
