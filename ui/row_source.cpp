#include "ui/row_source.h"

#include <stdexcept>

#include "db/error.h"

namespace ui {

namespace {

db::Error readOnly() { return db::Error(QStringLiteral("Cannot update: the rows are read-only")); }

}  // namespace

void RowSource::setStatement(const QString&) {
    throw std::logic_error("a table has no statement to set");
}

TableSource::TableSource(db::Connection& connection, const QString& tableName)
    : table_(connection, tableName) {}

void TableSource::reload() {
    if (table_.isOpen()) {
        table_.refresh();
    } else {
        table_.open();
    }
}

// A query without a statement has not been asked for yet: nothing to read.
void QuerySource::reload() {
    if (!query_.statement().isEmpty()) {
        query_.open();
    }
}

void QuerySource::insert() { throw readOnly(); }

void QuerySource::setValue(int, const QVariant&) { throw readOnly(); }

void QuerySource::remove() { throw readOnly(); }

void EditableQuerySource::reload() {
    if (!query_.statement().isEmpty()) {
        query_.open();
    }
}

}  // namespace ui
