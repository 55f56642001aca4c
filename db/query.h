#pragma once

#include <memory>

#include "db/rowset.h"

namespace db {

class Connection;

// The rows a gradually read list reads before it is shown: more than a grid shows at once.
inline constexpr int kFirstScreenRows = 100;

// A SELECT in the program's dialect, run on open() and held in memory: whole, or read
// gradually so that a long list shows its first rows at once.
class Query : public RowSet {
public:
    explicit Query(Connection& connection);
    Query(Connection& connection, const QString& statement);
    ~Query();
    Query(Query&&) noexcept;
    Query& operator=(Query&&) noexcept;

    void setStatement(const QString& statement) { statement_ = statement; }
    QString statement() const { return statement_; }

    void open();  // runs the statement and reads every row; the first row becomes current
    // Runs the statement and reads its first `rows` rows; the rest wait for readMore() or
    // readAll(). While rows wait, the statement holds the database's read lock, which keeps
    // other connections from writing: read the rest promptly.
    void openPartly(int rows);
    bool hasMoreRows() const { return pending_ != nullptr; }
    void readMore(int rows);
    void readAll();
    // Leaves the rows not read yet unread, releasing the read lock; the rows read stay.
    void stopReading();
    void close();
    bool isOpen() const { return open_; }

private:
    Connection* connection_;
    QString statement_;
    bool open_ = false;
    std::unique_ptr<Statement> pending_;  // of a partly read result
};

// Runs a query and returns the first column of its first row (null when there is no row).
QVariant scalar(Connection& connection, const QString& statement);

}  // namespace db
