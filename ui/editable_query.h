#pragma once

#include <QHash>

#include "db/rowset.h"
#include "db/table.h"

namespace db {
class Connection;
}

namespace ui {

// The rows of a SELECT over one table, editable as a db::Table is: the rows shown are exactly
// the statement's, and each keeps the rowid of the table row it came from, so a changed row is
// written back to that row and a deleted one removed from the table. The find windows edit
// the rows their search found this way.
//
// The statement must be a plain "SELECT ... FROM <table> ..." (no DISTINCT, no join), since
// only such a row maps back to one table row. post() converts typed values as db::Table does:
// a value that does not fit its column throws db::Error and the row stays in editing.
class EditableQuery : public db::RowSet {
public:
    using State = db::Table::State;

    EditableQuery(db::Connection& connection, const QString& tableName);

    QString tableName() const { return table_; }
    void setStatement(const QString& statement) { statement_ = statement; }
    QString statement() const { return statement_; }

    void open();  // runs the statement; the first row becomes current
    void close();
    bool isOpen() const { return state_ != State::Closed; }
    State state() const { return state_; }
    bool isModified() const { return !changes_.isEmpty(); }

    void insert();  // a new empty row becomes current (appended), state Insert
    void edit();
    void setValue(int column, const QVariant& value);
    void post();
    void cancel();
    void remove();

    qint64 rowId() const;  // 0 for an unsaved insert

private:
    QString statementWithRowId() const;
    QStringList tableColumns() const;
    void rereadRow(qint64 id);
    void requireRow() const;

    db::Connection* connection_;
    QString table_;
    QString statement_;
    State state_ = State::Closed;
    QHash<int, QVariant> changes_;
    QVector<QVariant> savedRow_;
};

}  // namespace ui
