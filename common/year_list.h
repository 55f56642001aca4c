#pragma once

#include <QDate>
#include <QStringList>

namespace common {

// The years a drop-down list offers: from its first year to at least five years past the
// current one, and never fewer than up to the last year it has always offered. So the current
// year can always be chosen, whatever year the program is run in.
struct YearRange {
    int first;
    int lastAtLeast;
};

int lastYear(YearRange range, const QDate& today);

// The years as four-digit texts, oldest first.
QStringList yearList(YearRange range, const QDate& today);

// The position of a date's year in that list; -1 for a year before the first.
int yearIndex(YearRange range, const QDate& day);

}  // namespace common
