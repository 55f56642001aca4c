#pragma once

#include <QString>

namespace common {
struct TodayParts;
}

namespace organiser {

// The reminders due today, counted, and the statement whose first row today's reminder popup
// shows.
QString todaysReminderCountStatement(const common::TodayParts& today);
QString todaysReminderTextStatement(const common::TodayParts& today);

}  // namespace organiser
