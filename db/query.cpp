#include "db/query.h"

#include "db/connection.h"
#include "db/dialect.h"
#include "db/statement.h"

namespace db {

Query::Query(Connection& connection) : connection_(&connection) {}

Query::Query(Connection& connection, const QString& statement)
    : connection_(&connection), statement_(statement) {}

Query::~Query() = default;
Query::Query(Query&&) noexcept = default;
Query& Query::operator=(Query&&) noexcept = default;

void Query::open() {
    openPartly(-1);
}

void Query::openPartly(int rows) {
    close();
    auto statement = std::make_unique<Statement>(*connection_, translate(statement_));
    if (readRows(*statement, 0, rows)) {
        pending_ = std::move(statement);
    }
    open_ = true;
}

// A failing read ends the reading: the rows read so far stay.
void Query::readMore(int rows) {
    if (!pending_) {
        return;
    }
    try {
        if (!readMoreRows(*pending_, rows)) {
            pending_.reset();
        }
    } catch (...) {
        pending_.reset();
        throw;
    }
}

void Query::readAll() {
    readMore(-1);
}

void Query::stopReading() {
    pending_.reset();
}

void Query::close() {
    pending_.reset();
    clearRows();
    open_ = false;
}

QVariant scalar(Connection& connection, const QString& statement) {
    Query query(connection, statement);
    query.open();
    return query.isEmpty() ? QVariant() : query.value(0);
}

}  // namespace db
