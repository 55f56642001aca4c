#pragma once

#include <QString>

namespace finance {

// An amount or rate as the program shows it or writes it into a statement (blanks around
// allowed, a point before the decimals, no grouping). Throws db::Error naming the text when it
// is not a number. What the staff type is read by the typed-number reader instead.
double numberFromText(const QString& text);

// A receipt number as the program shows or stores it (decimal digits, blanks around allowed).
// Throws db::Error when the text is not a whole number.
int receiptNumberFromText(const QString& text);

}  // namespace finance
