#pragma once

#include <QString>

namespace finance {

// A text as a quoted literal of a statement; a quote inside it is doubled so that names such
// as O'Brien arrive whole instead of breaking the statement.
QString quotedText(const QString& text);

// A receipt number as the program shows or stores it (decimal digits, blanks around allowed).
// Throws db::Error when the text is not a whole number.
int receiptNumberFromText(const QString& text);

}  // namespace finance
