#include "common/today_parts.h"

#include "common/date_literal.h"

namespace common {

namespace {

QString padded(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

}  // namespace

TodayParts todayParts(const QDate& today) {
    TodayParts parts;
    parts.day = today.day();
    parts.month = today.month();
    parts.year = today.year();
    parts.dateText = padded(parts.day) + u'/' + padded(parts.month) + u'/' +
                     QStringLiteral("%1").arg(parts.year, 4, 10, QLatin1Char('0'));
    parts.dateLiteral = dateLiteral(parts.dateText);
    return parts;
}

}  // namespace common
