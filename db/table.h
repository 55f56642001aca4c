#pragma once

#include <QHash>

#include "db/rowset.h"

namespace db {

class Connection;

// A table (or a saved query, read only) opened by name as an editable row set, as the data
// windows use it: insert or edit the current row, set values, post or cancel, delete the
// current row. Rows are addressed by the engine's rowid, so tables need no key of their own.
//
// The rows are the whole table, or those of a SELECT over it (setStatement): a search whose
// rows are edited as the table's own, each written back to the table row it came from.
//
// post() converts every changed value to its column's kind first; a value that does not fit
// (letters in a whole number, a date not typed dd/mm/yyyy) throws db::Error with a message the
// staff can read, and the row stays in editing with the typed value kept.
class Table : public RowSet {
public:
    enum class State { Closed, Browse, Edit, Insert };

    Table(Connection& connection, const QString& name);

    QString name() const { return name_; }
    // The rows as a SELECT over this table in the program's dialect, read at open(); empty for
    // the whole table. Only a plain "SELECT ... FROM <table> ..." maps each of its rows back to
    // one table row: a statement starting otherwise, or with DISTINCT, fails at open().
    void setStatement(const QString& statement) { statement_ = statement; }
    QString statement() const { return statement_; }

    void open();  // reads the rows; the first becomes current
    void close();
    bool isOpen() const { return state_ != State::Closed; }
    State state() const { return state_; }
    bool isModified() const { return !changes_.isEmpty(); }

    // Orders the rows by a text such as "HMEROMHNIA DESC" (empty: the table's or the statement's
    // order) and reads them again.
    void setSort(const QString& orderBy);
    QString sort() const { return sort_; }
    // Re-reads the rows, keeping the current row where it still exists.
    void refresh();

    void insert();  // a new empty row becomes current (appended), state Insert
    void edit();    // state Edit on the current row
    // Puts a value into the current row; starts editing when browsing. A text value is kept as
    // typed and converted at post().
    void setValue(int column, const QVariant& value);
    void setValue(const QString& name, const QVariant& value) {
        setValue(columnIndex(name), value);
    }
    void post();    // writes the inserted or edited row; the row is re-read from the database
    void cancel();  // drops the unsaved change
    void remove();  // deletes the current row

    qint64 rowId() const;  // rowid of the current row (0 for an unsaved insert)

private:
    void readTableRows(qint64 keepRowId);
    // Runs the INSERT or UPDATE of post() with the converted values of the changed columns.
    void write(const QStringList& names, const QVector<QVariant>& converted);
    void rereadRow(qint64 id);
    QString selectStatement() const;
    QString statementWithRowId(const QString& rowId) const;
    void requireRow() const;

    Connection* connection_;
    QString name_;
    QString statement_;
    QString sort_;
    bool hasRowId_ = true;
    State state_ = State::Closed;
    QHash<int, QVariant> changes_;  // column -> typed value
    QVector<QVariant> savedRow_;    // the current row before editing, for cancel()
};

}  // namespace db
