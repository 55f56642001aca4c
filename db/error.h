#pragma once

#include <QString>
#include <QVariantHash>
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

    // What kind of failure the engine reported, for a message in the staff's words.
    enum class Kind {
        Other,
        DuplicateKey,  // a row would repeat a unique key
        MissingValue,  // a column that must hold a value got none
        RefusedValue,  // a column's check refused the value
        Busy,          // the file is locked by another connection
        DiskFull,
        ReadOnly,   // the file or its folder cannot be written
        DiskError,  // reading or writing the disk failed
        Damaged,    // the file is not a sound database
    };
    Kind kind() const;

    // The values the failing statement was writing, by column name, where the layer knows
    // them (a row written by db::Table); empty otherwise.
    const QVariantHash& writtenValues() const { return writtenValues_; }
    void setWrittenValues(const QVariantHash& values) { writtenValues_ = values; }

private:
    QString message_;
    int code_;
    QString statement_;
    QVariantHash writtenValues_;
};

}  // namespace db
