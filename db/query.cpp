#include "db/query.h"

#include "db/connection.h"
#include "db/dialect.h"
#include "db/statement.h"

namespace db {

void Query::open() {
    close();
    Statement statement(*connection_, translate(statement_));
    bool hasRow = statement.step();
    const int columns = statement.columnCount();
    for (int c = 0; c < columns; ++c) {
        names_.append(statement.columnName(c));
        kinds_.append(statement.columnKind(c));
    }
    for (; hasRow; hasRow = statement.step()) {
        QVector<QVariant> row(columns);
        for (int c = 0; c < columns; ++c) {
            row[c] = statement.value(c);
        }
        rows_.append(std::move(row));
    }
    first();
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
