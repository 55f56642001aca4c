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
};

// The rows of an open query or table, from the first to the last, whatever row is current.
DataSet dataSet(const QString& name, const db::RowSet& rows);

}  // namespace reports
