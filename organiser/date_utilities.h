#pragma once

#include <QDate>
#include <QString>

namespace organiser {

// The years for which the date utilities give the Easter date.
constexpr int easterFirstYear = 1583;
constexpr int easterLastYear = 2100;

// The Gregorian date of the Orthodox Easter Sunday of the year; invalid outside
// easterFirstYear..easterLastYear.
QDate orthodoxEaster(int year);

// The Easter text of the date utilities: "είναι 16 Απριλίου", "είναι 5 Μαϊου"; empty outside
// easterFirstYear..easterLastYear.
QString find_pasxa(int year);

// The year box's value: its text read as a whole number; a text that is not one counts as the
// first year.
int easterYearFromText(const QString& text);
// The year box's value once it loses the focus: outside the years, the nearer limit.
int clampEasterYear(int year);

// "Αριθμός ημερών=" + the whole days from the first date to the second; empty when the
// second date is not after the first.
QString dayCountText(const QDate& from, const QDate& to);

}  // namespace organiser
