#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "common/year_list.h"

namespace db {
class Connection;
}

namespace children {

// The years the deletion by birth year offers, oldest first: from 2003, or from the earliest
// birth year of the children when that is older, to as far as the program's year lists run, so
// that every registered child's year can be chosen.
common::YearRange birthYearRange(int earliestBirthYear);
QStringList birthYears(db::Connection& connection, const QDate& today);

QString birthYearDeletionStatement(const QString& year);

// Removes the CHILDREN rows of every child born in that year, active or not; their rows in the
// other tables stay.
void deleteChildrenBornIn(db::Connection& connection, const QString& year);

}  // namespace children
