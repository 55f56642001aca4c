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

// How a number typed by the staff reads. The comma is the decimal separator of the interface;
// a point is read as one only where it cannot be a thousands separator ("57.50", "0.5",
// "1234.567"). A text that reads like a grouped number ("1.200", "12.500,00", "1,200.00",
// "1 200") is Grouped: its value is ambiguous and it is never guessed.
enum class DecimalReading { Number, Grouped, NotANumber };

struct TypedDecimal {
    DecimalReading reading = DecimalReading::NotANumber;
    double value = 0;
};

TypedDecimal readTypedDecimal(const QString& text);

// The value of a typed decimal number; *ok is false unless it reads as a Number.
double parseDecimal(const QString& text, bool* ok);

}  // namespace db
