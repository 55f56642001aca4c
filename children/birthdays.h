#pragma once

#include <QString>

namespace children {

// The active children born on the day and month, in any year, by surname.
QString birthdaysStatement(int day, int month);

// The month's name in the nominative, "Ιανουάριος" .. "Δεκέμβριος"; empty outside 1..12.
QString monthName(int month);

}  // namespace children
