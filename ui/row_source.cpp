#include "ui/row_source.h"

#include "db/error.h"

namespace ui {

namespace {

db::Error readOnly() {
    return db::Error(QStringLiteral("Cannot update: the rows are read-only"));
}

}  // namespace

TableSource::TableSource(db::Connection& connection, const QString& tableName)
    : table_(connection, tableName) {}

// A search runs its statement again from its first row; the whole table is read again with
// the current row kept. A search that has not been asked for yet reads nothing.
void TableSource::reload() {
    if (!table_.statement().isEmpty()) {
        table_.open();
    } else if (table_.isOpen()) {
        table_.refresh();
    }
}

// A query without a statement has not been asked for yet: nothing to read.
void QuerySource::reload() {
    if (query_.statement().isEmpty()) {
        return;
    }
    if (reading_ == Reading::Gradual) {
        query_.openPartly(db::kFirstScreenRows);
    } else {
        query_.open();
    }
}

// Sorting takes every row.
void QuerySource::setSort(const QString& orderBy) {
    query_.readAll();
    query_.sortRows(orderBy);
}

void QuerySource::insert() {
    throw readOnly();
}

void QuerySource::edit() {
    throw readOnly();
}

void QuerySource::setValue(int, const QVariant&) {
    throw readOnly();
}

void QuerySource::remove() {
    throw readOnly();
}

}  // namespace ui
