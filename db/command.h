#pragma once

#include <QString>

namespace db {

class Connection;

// An INSERT, UPDATE or DELETE in the program's dialect. No result is read.
class Command {
public:
    explicit Command(Connection& connection) : connection_(&connection) {}
    Command(Connection& connection, const QString& statement)
        : connection_(&connection), statement_(statement) {}

    void setStatement(const QString& statement) { statement_ = statement; }
    QString statement() const { return statement_; }
    int execute();  // returns the rows changed
    int execute(const QString& statement) {
        setStatement(statement);
        return execute();
    }

private:
    Connection* connection_;
    QString statement_;
};

}  // namespace db
