#include "tools/sample_writer.h"

#include "db/connection.h"

namespace sample {

namespace {

QString quotedName(const QString& name) {
    return u'"' + name + u'"';
}

QString insertStatement(const QString& table, const QStringList& columns) {
    QStringList names;
    QStringList marks;
    for (const QString& column : columns) {
        names << quotedName(column);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(quotedName(table), names.join(u", "), marks.join(u", "));
}

}  // namespace

RowWriter::RowWriter(db::Connection& connection, const QString& table, const QStringList& columns)
    : connection_(&connection),
      columns_(columns),
      statement_(connection, insertStatement(table, columns)) {}

void RowWriter::write(const Row& row) {
    for (int i = 0; i < columns_.size(); ++i) {
        statement_.bind(i + 1, row.value(columns_.at(i)));
    }
    statement_.step();
    statement_.reset();
}

qint64 RowWriter::lastRowId() const {
    return connection_->lastInsertRowId();
}

QStringList tableColumns(db::Connection& connection, const QString& table) {
    db::Statement info(connection, QStringLiteral("PRAGMA table_info(%1)").arg(quotedName(table)));
    int nameColumn = 0;
    while (nameColumn + 1 < info.columnCount() && info.columnName(nameColumn) != u"name") {
        ++nameColumn;
    }
    QStringList columns;
    while (info.step()) {
        columns << info.value(nameColumn).toString();
    }
    return columns;
}

void writeRows(db::Connection& connection, const QString& table, const QList<Row>& rows) {
    RowWriter writer(connection, table, tableColumns(connection, table));
    for (const Row& row : rows) {
        writer.write(row);
    }
}

}  // namespace sample
