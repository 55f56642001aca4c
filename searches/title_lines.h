#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace searches {

// The one UPDATE that replaces both title lines of PERIGRAFH; the second line is left empty,
// as every search leaves it.
QString titleLinesStatement(const QString& title);

// Writes the title line as the searches do before showing their results: the caller's
// connection is closed and reopened, the title written, and the connection closed again.
void writeSearchTitle(db::Connection& connection, const QString& title);

}  // namespace searches
