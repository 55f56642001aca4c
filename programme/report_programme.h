#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace programme {

// Prints the rows a statement selects with a report file of the program directory, the rows
// being the report's one data connection. No title lines are written. A missing report file or
// a refused statement throws.
void printRows(db::Connection& connection, const QString& programDirectory,
               const QString& reportFile, const QString& dataConnection, const QString& statement);

}  // namespace programme
