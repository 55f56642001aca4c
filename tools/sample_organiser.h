#pragma once

#include <QDate>

#include "tools/sample_random.h"

namespace db {
class Connection;
}

namespace sample {

// The teaching programme: a daily programme for the last weeks, a weekly one for the last
// months, a yearly one for every year, and the weekly food menus.
void writeProgramme(db::Connection& connection, Random& random, const QDate& from,
                    const QDate& until);

// The organiser: notes, the events book, reminders (exactly one due on `until`) and
// appointments on about a third of the working days from `from` to a month after `until`.
void writeOrganiser(db::Connection& connection, Random& random, const QDate& from,
                    const QDate& until);

}  // namespace sample
