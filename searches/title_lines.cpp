#include "searches/title_lines.h"

#include "db/connection.h"

namespace searches {

QString titleLinesStatement(const QString& title) {
    return QStringLiteral("UPDATE PERIGRAFH SET KEIMENO1='") + title +
           QStringLiteral("',KEIMENO2=''");
}

void writeSearchTitle(db::Connection& connection, const QString& title) {
    connection.close();
    connection.open();
    connection.execute(titleLinesStatement(title));
    connection.close();
}

}  // namespace searches
