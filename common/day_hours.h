#pragma once

#include <QStringList>

namespace common {

// The hours a child is brought (07:00 to 16:30) and collected (10:00 to 19:30), every half
// hour, in time order: the lists of the registration card and of the hour searches, and so the
// only texts the card's two hour columns hold.
QStringList arrivalHours();
QStringList departureHours();

}  // namespace common
