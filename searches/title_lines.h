#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace searches {

// The one UPDATE that replaces both title lines of PERIGRAFH. The lines are texts of the
// statement: a quote inside them is doubled, so a group called "Τα κουκλάκια της κ' Άννας"
// arrives whole instead of breaking the statement. The searches leave the second line empty.
QString titleLinesStatement(const QString& firstLine, const QString& secondLine = QString());

// Writes both title lines as the lists do before showing or printing them: the given
// connection is closed and reopened, the lines written, and the connection closed again.
void writeTitleLines(db::Connection& connection, const QString& firstLine,
                     const QString& secondLine);

// The searches' title: the first line, the second left empty.
void writeSearchTitle(db::Connection& connection, const QString& title);

}  // namespace searches
