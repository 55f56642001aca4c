#pragma once

#include <QDate>
#include <QString>

namespace common {

// The marker left where a typed text is not a date. The engine rejects a statement that
// carries it where a date literal belongs.
inline QString dateLiteralError() {
    return QStringLiteral("ERROR");
}

// Replaces a typed date "day/month[/year][/]" with the literal "#month/day/year#", or with
// "ERROR" when the text is not a real calendar date. Callers trim the text first. A one- or
// two-digit year is completed around the current year of db::Clock.
void toDateLiteral(QString& text);
QString dateLiteral(const QString& typed);

// Today as the program writes it in statements: "#m/d/yyyy#".
QString todayLiteral();

// The program's short date form, dd/mm/yyyy, used to show and to type dates.
QString shortDate(const QDate& date);

}  // namespace common
