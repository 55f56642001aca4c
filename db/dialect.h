#pragma once

#include <QString>

namespace db {

// Translates one statement from the program's dialect to the engine's. Works on tokens, so
// quoted texts are never touched:
//   #m/d/yyyy# -> 'yyyy-mm-dd'      "text" -> 'text'      [NAME] -> "NAME"
//   TRUE/FALSE -> 1/0               DATE() DAY() MONTH() YEAR() STR() Format() UCASE() LEN()
//                                   IIF()
//                                   -> functions registered on every connection
// Anything else passes unchanged, so text that is not valid (ERROR where a date belongs, a
// malformed #...#) stays invalid and the engine rejects the statement.
QString translate(const QString& statement);

}  // namespace db
