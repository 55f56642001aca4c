#pragma once

#include <QDate>
#include <QHash>
#include <QStringList>
#include <QVariant>

#include "db/statement.h"

namespace db {
class Connection;
}

namespace sample {

// A row to insert: values by column name. A column left out is written empty (null), not with
// the column's default.
using Row = QHash<QString, QVariant>;

// A value to write: null for an invalid date or an empty text, as the program stores them.
inline QVariant orNull(const QDate& date) {
    return date.isValid() ? QVariant(date) : QVariant();
}
inline QVariant orNull(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

// Inserts rows into one table through one prepared statement, reused for every row.
class RowWriter {
public:
    RowWriter(db::Connection& connection, const QString& table, const QStringList& columns);
    void write(const Row& row);
    qint64 lastRowId() const;

private:
    db::Connection* connection_;
    QStringList columns_;
    db::Statement statement_;
};

// Every column of a table, in the table's order.
QStringList tableColumns(db::Connection& connection, const QString& table);

// Inserts the rows with the table's own column list.
void writeRows(db::Connection& connection, const QString& table, const QList<Row>& rows);

}  // namespace sample
