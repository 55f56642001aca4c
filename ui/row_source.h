#pragma once

#include <QString>
#include <QVariant>
#include <memory>

#include "db/query.h"
#include "db/table.h"

namespace ui {

// What a bound window shows and edits: a table (all its rows or those a search found), or the
// read-only result of a query. The kit's binding works on this one interface.
class RowSource {
public:
    using State = db::Table::State;

    virtual ~RowSource() = default;

    virtual db::RowSet& rows() = 0;
    virtual bool isEditable() const = 0;
    virtual State state() const = 0;
    virtual bool isModified() const = 0;

    // Reads the rows again (a statement runs again).
    virtual void reload() = 0;
    // Orders the rows by a text such as "HMEROMHNIA DESC".
    virtual void setSort(const QString& orderBy) = 0;
    // A new statement for the rows, run by reload().
    virtual void setStatement(const QString& statement) = 0;

    virtual void insert() = 0;
    virtual void edit() = 0;
    virtual void setValue(int column, const QVariant& value) = 0;
    virtual void post() = 0;
    virtual void cancel() = 0;
    virtual void remove() = 0;

    // Rows of a long result still to be read (a query read gradually): read as the grid needs
    // them and while the program waits for the staff. stopReading() keeps the rows read.
    virtual bool hasMoreRows() const { return false; }
    virtual void readMoreRows(int /*rows*/) {}
    virtual void readAllRows() {}
    virtual void stopReading() {}

    bool isEditing() const { return state() == State::Edit || state() == State::Insert; }
};

// A table opened by name and edited directly: every row of it, or the rows a search over it
// found (setStatement), each written back to its own table row.
class TableSource : public RowSource {
public:
    TableSource(db::Connection& connection, const QString& tableName);
    db::Table& table() { return table_; }

    db::RowSet& rows() override { return table_; }
    bool isEditable() const override { return true; }
    State state() const override { return table_.state(); }
    bool isModified() const override { return table_.isModified(); }
    void reload() override;
    void setSort(const QString& orderBy) override { table_.setSort(orderBy); }
    void setStatement(const QString& statement) override { table_.setStatement(statement); }
    void insert() override { table_.insert(); }
    void edit() override { table_.edit(); }
    void setValue(int column, const QVariant& value) override { table_.setValue(column, value); }
    void post() override { table_.post(); }
    void cancel() override { table_.cancel(); }
    void remove() override { table_.remove(); }

private:
    db::Table table_;
};

// How a query reads its result: whole before it is shown, or its first screen at once and the
// rest gradually (a long list).
enum class Reading { Whole, Gradual };

// The result of a SELECT, shown and never edited.
class QuerySource : public RowSource {
public:
    explicit QuerySource(db::Connection& connection, Reading reading = Reading::Whole)
        : query_(connection), reading_(reading) {}
    db::Query& query() { return query_; }

    db::RowSet& rows() override { return query_; }
    bool isEditable() const override { return false; }
    State state() const override { return query_.isOpen() ? State::Browse : State::Closed; }
    bool isModified() const override { return false; }
    void reload() override;
    void setSort(const QString& orderBy) override;
    void setStatement(const QString& statement) override { query_.setStatement(statement); }
    void insert() override;
    void edit() override;
    void setValue(int column, const QVariant& value) override;
    void post() override {}
    void cancel() override {}
    void remove() override;
    bool hasMoreRows() const override { return query_.hasMoreRows(); }
    void readMoreRows(int rows) override { query_.readMore(rows); }
    void readAllRows() override { query_.readAll(); }
    void stopReading() override { query_.stopReading(); }

private:
    db::Query query_;
    Reading reading_;
};

}  // namespace ui
