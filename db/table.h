#pragma once

#include <QHash>

#include "db/rowset.h"

namespace db {

class Connection;

// A table (or a saved query, read only) opened by name as an editable row set, as the data
// windows use it: insert or edit the current row, set values, post or cancel, delete the
// current row. Rows are addressed by the engine's rowid, so tables need no key of their own.
//
// post() converts every changed value to its column's kind first; a value that does not fit
// (letters in a whole number, a date not typed dd/mm/yyyy) throws db::Error with a message the
// staff can read, and the row stays in editing with the typed value kept.
class Table : public RowSet {
public:
    enum class State { Closed, Browse, Edit, Insert };

    Table(Connection& connection, const QString& name);

    QString name() const { return name_; }
    void open();
    void close();
    bool isOpen() const { return state_ != State::Closed; }
    State state() const { return state_; }
    bool isModified() const { return !changes_.isEmpty(); }

    // Re-reads the rows ordered by a text such as "HMEROMHNIA DESC" (empty: the table's order).
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
    void readRows(qint64 keepRowId);
    void rereadRow(qint64 id);
    QString selectStatement() const;
    QVariant convertForColumn(int column, const QVariant& value) const;

    Connection* connection_;
    QString name_;
    QString sort_;
    bool hasRowId_ = true;
    State state_ = State::Closed;
    QVector<qint64> rowIds_;
    QHash<int, QVariant> changes_;  // column -> typed value
    QVector<QVariant> savedRow_;    // the current row before editing, for cancel()
};

}  // namespace db
