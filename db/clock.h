#pragma once

#include <QDate>
#include <QDateTime>

namespace db {

// The program's one source of "now". Windows, the date literal helper's year completion and
// DATE() in statements all read it, so a test can fix the day the program believes it is.
class Clock {
public:
    static QDateTime now();
    static QDate today() { return now().date(); }

    // Fixes "now" (tests); an invalid value returns to the system clock.
    static void set(const QDateTime& fixed);
    static void reset() { set(QDateTime()); }
};

}  // namespace db
