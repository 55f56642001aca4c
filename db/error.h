#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// The one error type of the database layer. It carries the engine's own message (shown to the
// user by the general error report), the engine's extended result code and the statement text
// that failed, translated or not, for diagnosis.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message, int code = 0, const QString& statement = {});

    QString message() const { return message_; }
    int code() const { return code_; }
    QString statement() const { return statement_; }
    // The engine waited the whole busy timeout for another connection's lock and gave up
    // ("database is locked"): nothing went wrong with the statement, the file was in use.
    bool isBusy() const;
    // The statement would have stored a second row with the same unique key.
    bool isUniqueViolation() const;

private:
    QString message_;
    int code_;
    QString statement_;
};

}  // namespace db
