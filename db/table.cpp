#include "db/table.h"

#include <algorithm>

#include "db/connection.h"
#include "db/dialect.h"
#include "db/error.h"
#include "db/quoting.h"
#include "db/statement.h"
#include "db/typed_value.h"

namespace db {

namespace {

bool isView(Connection& connection, const QString& name) {
    Statement statement(connection,
                        QStringLiteral("SELECT type FROM sqlite_master WHERE name = ?"));
    statement.bind(1, name);
    if (!statement.step()) {
        throw Error(QStringLiteral("no such table: ") + name);
    }
    return statement.value(0).toString() == u"view";
}

Error readOnly(const QString& name) {
    return Error(QStringLiteral("Cannot update: the saved query ") + name +
                 QStringLiteral(" is read-only"));
}

void bindAll(Statement& statement, const QVector<QVariant>& values) {
    for (int i = 0; i < values.size(); ++i) {
        statement.bind(i + 1, values.at(i));
    }
}

}  // namespace

Table::Table(Connection& connection, const QString& name) : connection_(&connection), name_(name) {}

void Table::open() {
    hasRowId_ = !isView(*connection_, name_);
    readTableRows(0);
    changes_.clear();
    state_ = State::Browse;
}

void Table::close() {
    clearRows();
    changes_.clear();
    state_ = State::Closed;
}

void Table::setSort(const QString& orderBy) {
    sort_ = orderBy;
    if (isOpen()) {
        readTableRows(0);
        changes_.clear();
        state_ = State::Browse;
    }
}

void Table::refresh() {
    readTableRows(state_ == State::Browse ? rowId() : 0);
    changes_.clear();
    state_ = State::Browse;
}

// The engine's text of the rows to read, with the table's rowid as the first column.
QString Table::selectStatement() const {
    const QString rowId =
        hasRowId_ ? quotedName(name_) + QStringLiteral(".rowid") : QStringLiteral("0");
    if (!statement_.isEmpty()) {
        return statementWithRowId(rowId);
    }
    QString sql = QStringLiteral("SELECT %1 AS vel_rowid, * FROM %2").arg(rowId, quotedName(name_));
    if (!sort_.trimmed().isEmpty()) {
        sql += QStringLiteral(" ORDER BY ") + translate(sort_);
    }
    return sql;
}

QString Table::statementWithRowId(const QString& rowId) const {
    const QString trimmed = translate(statement_).trimmed();
    const QString select = QStringLiteral("select");
    const QString rest = trimmed.mid(select.size());
    if (!trimmed.startsWith(select, Qt::CaseInsensitive) || rest.isEmpty() ||
        !rest.at(0).isSpace() ||
        rest.trimmed().startsWith(QStringLiteral("distinct"), Qt::CaseInsensitive)) {
        throw Error(QStringLiteral("The statement cannot be edited row by row: ") + statement_);
    }
    return select + u' ' + rowId + QStringLiteral(" AS vel_rowid,") + rest;
}

void Table::readTableRows(qint64 keepRowId) {
    Statement statement(*connection_, selectStatement());
    readRows(statement, 1);  // the rowid travels with its row as a hidden last value
    if (!statement_.isEmpty() && !sort_.trimmed().isEmpty()) {
        sortRows(sort_);
    }
    if (keepRowId != 0) {
        for (int row = 0; row < rowCount(); ++row) {
            if (valueAt(row, columnCount()).toLongLong() == keepRowId) {
                position_ = row;
                break;
            }
        }
    }
}

qint64 Table::rowId() const {
    return position_ < 0 ? 0 : valueAt(position_, columnCount()).toLongLong();
}

void Table::requireRow() const {
    if (position_ < 0) {
        throw Error(QStringLiteral("Either BOF or EOF is True: there is no current record"));
    }
}

void Table::insert() {
    if (!hasRowId_) {
        throw readOnly(name_);
    }
    if (state_ != State::Browse) {
        post();
    }
    appendEmptyRow();
    position_ = rowCount() - 1;
    setValueAt(position_, columnCount(), qint64(0));
    changes_.clear();
    state_ = State::Insert;
}

void Table::edit() {
    if (state_ == State::Edit || state_ == State::Insert) {
        return;
    }
    if (!hasRowId_) {
        throw readOnly(name_);
    }
    requireRow();
    savedRow_ = rowValues(position_);
    changes_.clear();
    state_ = State::Edit;
}

void Table::setValue(int column, const QVariant& value) {
    if (state_ == State::Browse) {
        edit();
    }
    setValueAt(position_, column, value);
    changes_.insert(column, value);
}

void Table::post() {
    if (state_ != State::Edit && state_ != State::Insert) {
        return;
    }
    // Convert everything first, so a refused value leaves the row untouched in editing.
    QList<int> columns = changes_.keys();
    std::sort(columns.begin(), columns.end());
    QVector<QVariant> converted;
    QStringList names;
    for (int column : columns) {
        converted.append(
            convertTypedValue(changes_.value(column), kinds_.at(column), names_.at(column)));
        names.append(quotedName(names_.at(column)));
    }
    try {
        write(names, converted);
    } catch (Error& failure) {
        // Kept for the error report, which names the record that already exists.
        QVariantHash written;
        for (int i = 0; i < columns.size(); ++i) {
            written.insert(names_.at(columns.at(i)).toUpper(), converted.at(i));
        }
        failure.setWrittenValues(written);
        throw;
    }
    changes_.clear();
    state_ = State::Browse;
}

void Table::write(const QStringList& names, const QVector<QVariant>& converted) {
    qint64 id = rowId();
    if (state_ == State::Insert) {
        const QString sql =
            names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quotedName(name_))
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(quotedName(name_), names.join(u','),
                                       QStringList(names.size(), QStringLiteral("?")).join(u','));
        Statement statement(*connection_, sql);
        bindAll(statement, converted);
        statement.step();
        id = connection_->lastInsertRowId();
    } else if (!names.isEmpty()) {
        Statement statement(*connection_,
                            QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                                .arg(quotedName(name_), names.join(QStringLiteral(" = ?, "))));
        bindAll(statement, converted);
        statement.bind(static_cast<int>(converted.size()) + 1, id);
        statement.step();
    }
    rereadRow(id);
}

// Reads the stored row back, so the row shows what the engine keeps (converted values,
// defaults). Columns are matched by name, since a statement may show only some of them.
void Table::rereadRow(qint64 id) {
    Statement statement(*connection_,
                        QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quotedName(name_)));
    statement.bind(1, id);
    if (statement.step()) {
        for (int c = 0; c < statement.columnCount(); ++c) {
            const int column = findColumn(statement.columnName(c));
            if (column >= 0) {
                setValueAt(position_, column, statement.value(c));
            }
        }
    }
    setValueAt(position_, columnCount(), id);
}

void Table::cancel() {
    if (state_ == State::Insert) {
        removeRow(position_);
        moveTo(position_);
    } else if (state_ == State::Edit) {
        setRowValues(position_, savedRow_);
    }
    changes_.clear();
    if (state_ != State::Closed) {
        state_ = State::Browse;
    }
}

void Table::remove() {
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    requireRow();
    if (!hasRowId_) {
        throw Error(QStringLiteral("Cannot delete from the saved query ") + name_);
    }
    Statement statement(*connection_,
                        QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quotedName(name_)));
    statement.bind(1, rowId());
    statement.step();
    removeRow(position_);
    moveTo(position_);
    changes_.clear();
    state_ = State::Browse;
}

}  // namespace db
