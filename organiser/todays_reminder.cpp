#include "organiser/todays_reminder.h"

#include "common/today_parts.h"

namespace organiser {

namespace {

QString dueToday(const common::TodayParts& today) {
    return QStringLiteral(" from REMINDER where DAY(HMEROMHNIA)=") + QString::number(today.day) +
           QStringLiteral(" AND MONTH(HMEROMHNIA)=") + QString::number(today.month) +
           QStringLiteral(" AND YEAR(HMEROMHNIA)=") + QString::number(today.year);
}

}  // namespace

QString todaysReminderCountStatement(const common::TodayParts& today) {
    return QStringLiteral("select count(*) as synolo") + dueToday(today);
}

QString todaysReminderTextStatement(const common::TodayParts& today) {
    return QStringLiteral("select KEIMENO AS KEIMENO") + dueToday(today);
}

}  // namespace organiser
