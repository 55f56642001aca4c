#include "reports/report_dataset.h"

#include "db/rowset.h"

namespace reports {

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
