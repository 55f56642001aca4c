#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

#include "db/rowset.h"

namespace db {

// Reads "day/month[/year][/]" as typed by the staff: blanks around the parts are ignored, a
// one- or two-digit year is completed around the current year, a missing year is this year.
// Invalid when the text is not a real calendar date.
QDate parseTypedDate(const QString& typed);

// Converts a value typed into a field of the given kind into the value stored. An empty text is
// null. Throws db::Error with a message the staff can read (naming the field) when the text
// does not fit: letters in a number, a date that is not dd/mm/yyyy.
QVariant convertTypedValue(const QVariant& typed, ColumnKind kind, const QString& fieldName);

// Parses a decimal number: optional sign, digits, one point or comma as decimal separator.
double parseDecimal(const QString& text, bool* ok);

}  // namespace db
