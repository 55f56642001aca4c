#include "db/clock.h"

#include <atomic>

namespace db {

namespace {
// Milliseconds since the epoch of the fixed time, or a negative value for the system clock.
std::atomic<qint64> fixedMsecs{-1};
}  // namespace

QDateTime Clock::now() {
    const qint64 fixed = fixedMsecs.load();
    return fixed < 0 ? QDateTime::currentDateTime() : QDateTime::fromMSecsSinceEpoch(fixed);
}

void Clock::set(const QDateTime& fixed) {
    fixedMsecs.store(fixed.isValid() ? fixed.toMSecsSinceEpoch() : -1);
}

}  // namespace db
