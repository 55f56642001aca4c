#pragma once

#include "db/rowset.h"

namespace db {

class Connection;

// A SELECT in the program's dialect, run on open() and held whole in memory.
class Query : public RowSet {
public:
    explicit Query(Connection& connection) : connection_(&connection) {}
    Query(Connection& connection, const QString& statement)
        : connection_(&connection), statement_(statement) {}

    void setStatement(const QString& statement) { statement_ = statement; }
    QString statement() const { return statement_; }

    void open();  // runs the statement; the first row becomes current
    void close();
    bool isOpen() const { return open_; }

private:
    Connection* connection_;
    QString statement_;
    bool open_ = false;
};

// Runs a query and returns the first column of its first row (null when there is no row).
QVariant scalar(Connection& connection, const QString& statement);

}  // namespace db
