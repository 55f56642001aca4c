#include "searches/title_lines.h"

#include "db/connection.h"
#include "db/quoting.h"

namespace searches {

QString titleLinesStatement(const QString& firstLine, const QString& secondLine) {
    return QStringLiteral("UPDATE PERIGRAFH SET KEIMENO1=") + db::quotedText(firstLine) +
           QStringLiteral(",KEIMENO2=") + db::quotedText(secondLine);
}

void writeTitleLines(db::Connection& connection, const QString& firstLine,
                     const QString& secondLine) {
    connection.close();
    connection.open();
    connection.execute(titleLinesStatement(firstLine, secondLine));
    connection.close();
}

void writeSearchTitle(db::Connection& connection, const QString& title) {
    writeTitleLines(connection, title, QString());
}

}  // namespace searches
