#include "common/day_hours.h"

#include <QTime>

namespace common {

namespace {

// Twenty half hours from the first one on, as "hh:mm".
QStringList halfHoursFrom(const QTime& first) {
    QStringList hours;
    for (int step = 0; step < 20; ++step) {
        hours.append(first.addSecs(step * 30 * 60).toString(QStringLiteral("hh:mm")));
    }
    return hours;
}

}  // namespace

QStringList arrivalHours() {
    return halfHoursFrom(QTime(7, 0));
}

QStringList departureHours() {
    return halfHoursFrom(QTime(10, 0));
}

}  // namespace common
