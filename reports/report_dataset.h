#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace db {
class RowSet;
}

namespace reports {

// One named data set handed to a report: the data connection name the report file uses for
// it, the column names, and the rows in order. Values keep their kind (numbers, dates, texts;
// null as an invalid QVariant); the report formats them.
struct DataSet {
    QString name;
    QStringList columns;
    QList<QVariantList> rows;

    // Case-insensitive, as the data connections read columns by name; -1 when absent.
    int columnIndex(const QString& column) const;
    QVariant value(int row, const QString& column) const;
};

// The rows of an open query or table, from the first to the last, whatever row is current.
DataSet dataSet(const QString& name, const db::RowSet& rows);

}  // namespace reports
