#include "db/query.h"

#include "db/connection.h"
#include "db/dialect.h"
#include "db/statement.h"

namespace db {

void Query::open() {
    close();
    Statement statement(*connection_, translate(statement_));
    readRows(statement);
    open_ = true;
}

void Query::close() {
    clearRows();
    open_ = false;
}

QVariant scalar(Connection& connection, const QString& statement) {
    Query query(connection, statement);
    query.open();
    return query.isEmpty() ? QVariant() : query.value(0);
}

}  // namespace db
