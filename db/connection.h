#pragma once

#include <QString>

struct sqlite3;

namespace db {

// One connection to the encrypted database file, opened from the program's connection string.
// Opening never creates a missing file; the password is applied as the key and proved by reading
// the schema. Every statement given to execute() is in the program's dialect and is translated
// just before it reaches the engine. Not copyable; closing is idempotent and never throws.
class Connection {
public:
    Connection() = default;
    explicit Connection(const QString& connectionString);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void setConnectionString(const QString& connectionString);
    QString connectionString() const { return connectionString_; }

    void open();
    void close() noexcept;
    bool isOpen() const { return handle_ != nullptr; }

    // Runs one INSERT, UPDATE or DELETE in the program's dialect; returns the rows it changed.
    int execute(const QString& statement);
    // Runs statements already written for the engine (the schema script), untranslated.
    void executeNative(const QString& script);

    qint64 lastInsertRowId() const;
    sqlite3* handle() const;  // throws when the connection is closed

    // Creates a new, empty encrypted database file; refuses to overwrite an existing one.
    static void createFile(const QString& path, const QString& password);

private:
    QString connectionString_;
    sqlite3* handle_ = nullptr;
};

}  // namespace db
