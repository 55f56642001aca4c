#pragma once

#include <optional>
#include <vector>

#include <QByteArrayView>
#include <QString>
#include <QVariant>

#include "db/rowset.h"

struct sqlite3_stmt;

namespace db {

// One value of the current row, converted as Statement::value() converts it: a whole number,
// decimal, yes/no (0 or 1) or date (Julian day) in place, a text as the engine's UTF-8 bytes
// (valid until the next step), anything else as its QVariant.
struct StoredValue {
    ValueType type = ValueType::Null;
    qint64 integer = 0;
    double decimal = 0;
    QByteArrayView text;
    QVariant other;
};

// The QVariant of a value: qlonglong, double, bool, QDate, QString or the value's own.
QVariant variantOf(const StoredValue& value);

class Connection;

// One prepared statement in the engine's own language (already translated), finalized by its
// destructor. Movable, not copyable. Text holding more than one statement is refused, so typed
// text can never smuggle a second statement in.
class Statement {
public:
    Statement(Connection& connection, const QString& engineSql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds a value to the 1-based parameter: null, bool, whole and decimal numbers, QDate
    // (stored as yyyy-MM-dd), QDateTime (yyyy-MM-dd HH:mm:ss), anything else as text.
    void bind(int index, const QVariant& value);
    // Runs to the next row; false when the statement is done.
    bool step();
    void reset();
    int changes() const;

    int columnCount() const;
    QString columnName(int column) const;
    ColumnKind columnKind(int column) const;  // from the declared type, else from the value
    QVariant value(int column) const;         // converted by columnKind()
    // The value as value() converts it, without making a QVariant for the common types.
    StoredValue stored(int column) const;

private:
    [[noreturn]] void throwError(const QString& sql) const;
    // The column's kind when its value is stored as the engine's type `storage`.
    ColumnKind kindOf(int column, int storage) const;
    sqlite3_stmt* stmt_ = nullptr;
    Connection* connection_ = nullptr;
    QString sql_;
    // The kind of each result column from its declared type, looked up once; none for a
    // computed column, whose kind follows each value.
    std::vector<std::optional<ColumnKind>> declaredKinds_;
};

}  // namespace db
