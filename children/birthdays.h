#pragma once

#include <QString>

namespace children {

// The active children born on the day and month, in any year, by surname.
QString birthdaysStatement(int day, int month);
// How many active children have their birthday on the day and month (the start-up's check).
QString birthdaysCountStatement(int day, int month);

}  // namespace children
