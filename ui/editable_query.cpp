#include "ui/editable_query.h"

#include <algorithm>

#include "db/connection.h"
#include "db/dialect.h"
#include "db/error.h"
#include "db/statement.h"
#include "db/typed_value.h"

namespace ui {

namespace {

QString quoted(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

db::Error notEditable(const QString& statement) {
    return db::Error(QStringLiteral("The statement cannot be edited row by row: ") + statement);
}

QString noCurrentRow() {
    return QStringLiteral("Either BOF or EOF is True: there is no current record");
}

}  // namespace

EditableQuery::EditableQuery(db::Connection& connection, const QString& tableName)
    : connection_(&connection), table_(tableName) {}

// The engine's text of the statement with the table's rowid as its first column.
QString EditableQuery::statementWithRowId() const {
    const QString engineSql = db::translate(statement_);
    const QString trimmed = engineSql.trimmed();
    const QString select = QStringLiteral("select");
    if (!trimmed.startsWith(select, Qt::CaseInsensitive) || trimmed.size() <= select.size() ||
        !trimmed.at(select.size()).isSpace()) {
        throw notEditable(statement_);
    }
    const QString rest = trimmed.mid(select.size());
    if (rest.trimmed().startsWith(QStringLiteral("distinct"), Qt::CaseInsensitive)) {
        throw notEditable(statement_);
    }
    return select + u' ' + quoted(table_) + QStringLiteral(".rowid AS vel_rowid,") + rest;
}

void EditableQuery::open() {
    const QString sql = statementWithRowId();
    db::Statement statement(*connection_, sql);
    clearRows();
    changes_.clear();
    bool hasRow = statement.step();
    const int columns = statement.columnCount();
    for (int c = 1; c < columns; ++c) {
        names_.append(statement.columnName(c));
        kinds_.append(statement.columnKind(c));
    }
    for (; hasRow; hasRow = statement.step()) {
        // The rowid travels as a hidden last value, so sorting the rows keeps it with its row.
        QVector<QVariant> row(columns);
        for (int c = 1; c < columns; ++c) {
            row[c - 1] = statement.value(c);
        }
        row[columns - 1] = statement.value(0);
        rows_.append(std::move(row));
    }
    first();
    state_ = State::Browse;
}

void EditableQuery::close() {
    clearRows();
    changes_.clear();
    state_ = State::Closed;
}

qint64 EditableQuery::rowId() const {
    return position_ < 0 ? 0 : rows_.at(position_).at(columnCount()).toLongLong();
}

void EditableQuery::requireRow() const {
    if (position_ < 0) {
        throw db::Error(noCurrentRow());
    }
}

void EditableQuery::insert() {
    if (state_ != State::Browse) {
        post();
    }
    rows_.append(QVector<QVariant>(columnCount() + 1));
    rows_.last()[columnCount()] = qint64(0);
    position_ = rowCount() - 1;
    changes_.clear();
    state_ = State::Insert;
}

void EditableQuery::edit() {
    if (state_ == State::Edit || state_ == State::Insert) {
        return;
    }
    requireRow();
    savedRow_ = rows_.at(position_);
    changes_.clear();
    state_ = State::Edit;
}

void EditableQuery::setValue(int column, const QVariant& value) {
    if (state_ == State::Browse) {
        edit();
    }
    rows_[position_][column] = value;
    changes_.insert(column, value);
}

void EditableQuery::post() {
    if (state_ != State::Edit && state_ != State::Insert) {
        return;
    }
    // Convert everything first, so a refused value leaves the row untouched in editing.
    QList<int> columns = changes_.keys();
    std::sort(columns.begin(), columns.end());
    QVector<QVariant> converted;
    QStringList names;
    for (int column : columns) {
        converted.append(db::convertTypedValue(changes_.value(column), kinds_.at(column),
                                               names_.at(column)));
        names.append(quoted(names_.at(column)));
    }
    qint64 id = rowId();
    if (state_ == State::Insert) {
        const QString sql =
            names.isEmpty()
                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(table_))
                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoted(table_), names.join(u','),
                           QStringList(names.size(), QStringLiteral("?")).join(u','));
        db::Statement statement(*connection_, sql);
        for (int i = 0; i < converted.size(); ++i) {
            statement.bind(i + 1, converted.at(i));
        }
        statement.step();
        id = connection_->lastInsertRowId();
    } else if (!names.isEmpty()) {
        db::Statement statement(
            *connection_, QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                              .arg(quoted(table_), names.join(QStringLiteral(" = ?, "))));
        for (int i = 0; i < converted.size(); ++i) {
            statement.bind(i + 1, converted.at(i));
        }
        statement.bind(static_cast<int>(converted.size()) + 1, id);
        statement.step();
    }
    rereadRow(id);
    changes_.clear();
    state_ = State::Browse;
}

// Reads the stored row back, so the row shows what the engine keeps (converted values).
void EditableQuery::rereadRow(qint64 id) {
    db::Statement statement(*connection_,
                            QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quoted(table_)));
    statement.bind(1, id);
    if (statement.step()) {
        for (int c = 0; c < statement.columnCount(); ++c) {
            const int column = findColumn(statement.columnName(c));
            if (column >= 0) {
                rows_[position_][column] = statement.value(c);
            }
        }
    }
    rows_[position_][columnCount()] = id;
}

void EditableQuery::cancel() {
    if (state_ == State::Insert) {
        rows_.removeAt(position_);
        moveTo(position_);
    } else if (state_ == State::Edit) {
        rows_[position_] = savedRow_;
    }
    changes_.clear();
    if (state_ != State::Closed) {
        state_ = State::Browse;
    }
}

void EditableQuery::remove() {
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    requireRow();
    db::Statement statement(*connection_,
                            QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(table_)));
    statement.bind(1, rowId());
    statement.step();
    rows_.removeAt(position_);
    moveTo(position_);
    changes_.clear();
    state_ = State::Browse;
}

}  // namespace ui
