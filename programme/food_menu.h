#pragma once

#include <QString>
#include <QStringList>

namespace programme {

// The weekly food menus: one row of FAGHTO per named menu, with the breakfast (meal 1), lunch
// (meal 2) and afternoon meal (meal 3) of each school day, Monday to Saturday.
QString foodMenuTable();
QString foodMenuSort();
QString foodMenuNameColumn();

constexpr int kSchoolDays = 6;
constexpr int kMeals = 3;

// Day 0..5 is Monday..Saturday, meal 0..2 breakfast..afternoon meal.
QString mealColumn(int day, int meal);
QString dayHeading(int day);
QString mealHeading(int meal);

// A menu name may be stored only when, trimmed, it holds no forbidden character.
bool isAcceptableMenuName(const QString& name);

QString foodMenuReportFile();
QString foodMenuDataConnection();
QString printAllMenusStatement();
// Every menu of that name; the name is a quoted text of the statement.
QString printMenuStatement(const QString& name);

}  // namespace programme
