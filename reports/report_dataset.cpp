#include "reports/report_dataset.h"

#include "db/rowset.h"

namespace reports {

int DataSet::columnIndex(const QString& column) const {
    for (int index = 0; index < columns.size(); ++index) {
        if (columns.at(index).compare(column, Qt::CaseInsensitive) == 0)
            return index;
    }
    return -1;
}

QVariant DataSet::value(int row, const QString& column) const {
    const int index = columnIndex(column);
    if (index < 0 || row < 0 || row >= rows.size())
        return {};
    return rows.at(row).value(index);
}

DataSet dataSet(const QString& name, const db::RowSet& rows) {
    DataSet result{name, rows.columnNames(), {}};
    result.rows.reserve(rows.rowCount());
    for (int row = 0; row < rows.rowCount(); ++row) {
        QVariantList values;
        values.reserve(rows.columnCount());
        for (int column = 0; column < rows.columnCount(); ++column)
            values.append(rows.valueAt(row, column));
        result.rows.append(values);
    }
    return result;
}

}  // namespace reports
