#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace db {

class Statement;

// The kind of a result column, taken from its declared type in the schema (or, for a computed
// column, from the value the engine returned).
enum class ColumnKind { Integer, Decimal, Date, DateTime, Text, LongText, YesNo, Other };

ColumnKind kindFromDeclaredType(const QString& declaredType);

// A whole result held in memory with a current row, as the windows read it: exact row count,
// first/prior/next/last, columns by position or by name.
// Values: whole numbers qlonglong, decimals double, dates QDate, date-times QDateTime, yes/no
// bool, texts QString, null an invalid QVariant.
class RowSet {
public:
    int rowCount() const { return static_cast<int>(rows_.size()); }
    bool isEmpty() const { return rows_.isEmpty(); }

    void first() { position_ = rows_.isEmpty() ? -1 : 0; }
    void last() { position_ = static_cast<int>(rows_.size()) - 1; }
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
    QVariant valueAt(int row, int column) const { return rows_.at(row).at(column); }
    // The value as a person reads it: dates dd/MM/yyyy, yes/no True/False, null empty.
    QString text(int column) const;
    QString text(const QString& name) const { return text(columnIndex(name)); }
    QString textAt(int row, int column) const;

    // Sorts the rows already read by "COLUMN [ASC|DESC][, ...]"; texts sort Greek-aware and
    // case-insensitively; the first row becomes current.
    void sortRows(const QString& orderBy);

protected:
    void clearRows();
    // Replaces the rows with every row of the statement (the first becomes current); a failing
    // statement leaves them as they were. Its first hiddenColumns columns are not shown as
    // columns but kept at the end of each row, where sorting keeps them with their row.
    void readRows(Statement& statement, int hiddenColumns = 0);
    QStringList names_;
    QVector<ColumnKind> kinds_;
    QVector<QVector<QVariant>> rows_;
    int position_ = -1;
};

// Display text of one value of the given kind.
QString displayText(const QVariant& value, ColumnKind kind);

}  // namespace db
