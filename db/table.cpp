#include "db/table.h"

#include "db/connection.h"
#include "db/dialect.h"
#include "db/error.h"
#include "db/statement.h"
#include "db/typed_value.h"

namespace db {

namespace {

QString quoted(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

bool isView(Connection& connection, const QString& name) {
    Statement statement(connection, QStringLiteral("SELECT type FROM sqlite_master WHERE name = ?"));
    statement.bind(1, name);
    if (!statement.step()) {
        throw Error(QStringLiteral("no such table: ") + name);
    }
    return statement.value(0).toString() == u"view";
}

}  // namespace

Table::Table(Connection& connection, const QString& name)
    : connection_(&connection), name_(name) {}

void Table::open() {
    hasRowId_ = !isView(*connection_, name_);
    readRows(0);
    state_ = State::Browse;
}

void Table::close() {
    clearRows();
    rowIds_.clear();
    changes_.clear();
    state_ = State::Closed;
}

void Table::setSort(const QString& orderBy) {
    sort_ = orderBy;
    if (isOpen()) {
        readRows(0);
        state_ = State::Browse;
    }
}

void Table::refresh() {
    readRows(state_ == State::Browse ? rowId() : 0);
    changes_.clear();
    state_ = State::Browse;
}

QString Table::selectStatement() const {
    QString sql = hasRowId_ ? QStringLiteral("SELECT rowid AS vel_rowid, * FROM ")
                            : QStringLiteral("SELECT 0 AS vel_rowid, * FROM ");
    sql += quoted(name_);
    if (!sort_.trimmed().isEmpty()) {
        sql += QStringLiteral(" ORDER BY ") + translate(sort_);
    }
    return sql;
}

void Table::readRows(qint64 keepRowId) {
    clearRows();
    rowIds_.clear();
    Statement statement(*connection_, selectStatement());
    bool hasRow = statement.step();
    const int columns = statement.columnCount();
    for (int c = 1; c < columns; ++c) {
        names_.append(statement.columnName(c));
        kinds_.append(statement.columnKind(c));
    }
    for (; hasRow; hasRow = statement.step()) {
        QVector<QVariant> row(columns - 1);
        for (int c = 1; c < columns; ++c) {
            row[c - 1] = statement.value(c);
        }
        rowIds_.append(statement.value(0).toLongLong());
        rows_.append(std::move(row));
    }
    first();
    if (keepRowId != 0) {
        const int found = static_cast<int>(rowIds_.indexOf(keepRowId));
        if (found >= 0) {
            position_ = found;
        }
    }
}

qint64 Table::rowId() const { return position_ < 0 ? 0 : rowIds_.at(position_); }

void Table::insert() {
    if (!hasRowId_) {
        throw Error(QStringLiteral("Cannot update: the saved query ") + name_ +
                    QStringLiteral(" is read-only"));
    }
    if (state_ != State::Browse) {
        post();
    }
    rows_.append(QVector<QVariant>(columnCount()));
    rowIds_.append(0);
    position_ = rowCount() - 1;
    changes_.clear();
    state_ = State::Insert;
}

void Table::edit() {
    if (state_ == State::Edit || state_ == State::Insert) {
        return;
    }
    if (!hasRowId_) {
        throw Error(QStringLiteral("Cannot update: the saved query ") + name_ +
                    QStringLiteral(" is read-only"));
    }
    if (position_ < 0) {
        throw Error(QStringLiteral("Either BOF or EOF is True: there is no current record"));
    }
    savedRow_ = rows_.at(position_);
    changes_.clear();
    state_ = State::Edit;
}

void Table::setValue(int column, const QVariant& value) {
    if (state_ == State::Browse) {
        edit();
    }
    rows_[position_][column] = value;
    changes_.insert(column, value);
}

QVariant Table::convertForColumn(int column, const QVariant& value) const {
    return convertTypedValue(value, kinds_.at(column), names_.at(column));
}

void Table::post() {
    if (state_ != State::Edit && state_ != State::Insert) {
        return;
    }
    // Convert everything first, so a refused value leaves the row untouched in editing.
    QList<int> columns = changes_.keys();
    std::sort(columns.begin(), columns.end());
    QVector<QVariant> converted;
    for (int column : columns) {
        converted.append(convertForColumn(column, changes_.value(column)));
    }
    QStringList names;
    for (int column : columns) {
        names.append(quoted(names_.at(column)));
    }
    qint64 id = rowId();
    if (state_ == State::Insert) {
        const QString sql =
            names.isEmpty()
                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(name_))
                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoted(name_), names.join(u','),
                           QStringList(names.size(), QStringLiteral("?")).join(u','));
        Statement statement(*connection_, sql);
        for (int i = 0; i < converted.size(); ++i) {
            statement.bind(i + 1, converted.at(i));
        }
        statement.step();
        id = connection_->lastInsertRowId();
    } else if (!names.isEmpty()) {
        Statement statement(*connection_, QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                                              .arg(quoted(name_), names.join(QStringLiteral(" = ?, "))));
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

void Table::rereadRow(qint64 id) {
    Statement statement(*connection_, QStringLiteral("SELECT * FROM %1 WHERE rowid = ?")
                                          .arg(quoted(name_)));
    statement.bind(1, id);
    if (statement.step()) {
        for (int c = 0; c < columnCount(); ++c) {
            rows_[position_][c] = statement.value(c);
        }
    }
    rowIds_[position_] = id;
}

void Table::cancel() {
    if (state_ == State::Insert) {
        rows_.removeAt(position_);
        rowIds_.removeAt(position_);
        moveTo(position_);
    } else if (state_ == State::Edit) {
        rows_[position_] = savedRow_;
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
    if (position_ < 0) {
        throw Error(QStringLiteral("Either BOF or EOF is True: there is no current record"));
    }
    if (!hasRowId_) {
        throw Error(QStringLiteral("Cannot delete from the saved query ") + name_);
    }
    Statement statement(*connection_, QStringLiteral("DELETE FROM %1 WHERE rowid = ?")
                                          .arg(quoted(name_)));
    statement.bind(1, rowId());
    statement.step();
    rows_.removeAt(position_);
    rowIds_.removeAt(position_);
    moveTo(position_);
    changes_.clear();
    state_ = State::Browse;
}

}  // namespace db
