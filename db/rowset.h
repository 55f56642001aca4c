#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <string>
#include <vector>

namespace db {

class Statement;

// The kind of a result column, taken from its declared type in the schema (or, for a computed
// column, from the value the engine returned).
enum class ColumnKind { Integer, Decimal, Date, DateTime, Text, LongText, YesNo, Other };

ColumnKind kindFromDeclaredType(const QString& declaredType);

// The type of a value read: what the value's QVariant will hold (Other: anything that is kept
// as its QVariant, such as a date and time).
enum class ValueType : quint8 { Null, Integer, Decimal, YesNo, Date, Text, Other };

// A whole result held in memory with a current row, as the windows read it: exact row count,
// first/prior/next/last, columns by position or by name.
// Values: whole numbers qlonglong, decimals double, dates QDate, date-times QDateTime, yes/no
// bool, texts QString, null an invalid QVariant.
class RowSet {
public:
    int rowCount() const { return rowCount_; }
    bool isEmpty() const { return rowCount_ == 0; }

    void first() { position_ = rowCount_ == 0 ? -1 : 0; }
    void last() { position_ = rowCount_ - 1; }
    void next();
    void prior();
    void moveTo(int row);
    int position() const { return position_; }  // -1 when empty
    bool atLast() const { return position_ == rowCount() - 1; }
    bool atFirst() const { return position_ <= 0; }

    int columnCount() const { return static_cast<int>(names_.size()); }
    QString columnName(int column) const { return names_.at(column); }
    QStringList columnNames() const { return names_; }
    // Case-insensitive lookup; -1 when there is no such column.
    int findColumn(const QString& name) const;
    // As findColumn, but a missing column throws db::Error naming it.
    int columnIndex(const QString& name) const;
    ColumnKind columnKind(int column) const { return kinds_.at(column); }

    QVariant value(int column) const;  // current row
    QVariant value(const QString& name) const { return value(columnIndex(name)); }
    QVariant valueAt(int row, int column) const;
    // The value as a person reads it: dates dd/MM/yyyy, yes/no True/False, null empty.
    QString text(int column) const;
    QString text(const QString& name) const { return text(columnIndex(name)); }
    QString textAt(int row, int column) const;

    // Sorts the rows already read by "COLUMN [ASC|DESC][, ...]"; texts sort Greek-aware and
    // case-insensitively; the first row becomes current.
    void sortRows(const QString& orderBy);

protected:
    void clearRows();
    // Replaces the rows with the statement's rows, every one or its first `limit` (the first
    // becomes current); a failing statement leaves them as they were. Its first hiddenColumns
    // columns are not shown as columns but kept at the end of each row, where sorting keeps
    // them with their row. True when rows remain: the statement stands on the first unread one.
    bool readRows(Statement& statement, int hiddenColumns = 0, int limit = -1);
    // Appends the rows remaining after readRows() returned true, at most `limit` (every one
    // when negative); true when rows remain still.
    bool readMoreRows(Statement& statement, int limit = -1);

    // A row's values are its shown columns, then its hidden ones.
    void setValueAt(int row, int column, const QVariant& value);
    void appendEmptyRow();
    void removeRow(int row);
    QVector<QVariant> rowValues(int row) const;
    void setRowValues(int row, const QVector<QVariant>& values);

    QStringList names_;
    QVector<ColumnKind> kinds_;
    int position_ = -1;

private:
    // One value, small and without an allocation of its own: numbers and dates in place, a
    // text as its UTF-8 bytes in texts_ (a string is made only when the value is asked for),
    // anything else as its QVariant in others_. The rows lie in one block, row after row.
    struct Cell {
        ValueType type = ValueType::Null;
        qint32 size = 0;  // of a text
        union {
            qint64 integer = 0;  // whole number, yes/no, date (Julian day), text or other offset
            double decimal;
        };
    };
    const Cell& cellAt(int row, int column) const {
        return cells_[std::size_t(row) * stride_ + column];
    }
    Cell& cellAt(int row, int column) { return cells_[std::size_t(row) * stride_ + column]; }
    QVariant valueOf(const Cell& cell) const;
    QByteArrayView textOf(const Cell& cell) const;
    int compareCells(const Cell& a, const Cell& b) const;
    void appendRow(const Statement& statement);

    std::vector<Cell> cells_;
    std::string texts_;
    std::vector<QVariant> others_;
    int stride_ = 0;  // values per row, hidden ones included
    // The statement's column of each value of a row: hidden values come first in the statement
    // and go after the shown ones in the row.
    std::vector<int> readOrder_;
    int rowCount_ = 0;
};

// Display text of one value of the given kind.
QString displayText(const QVariant& value, ColumnKind kind);

}  // namespace db
