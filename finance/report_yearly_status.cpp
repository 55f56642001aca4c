#include "finance/report_yearly_status.h"

#include "db/table.h"
#include "finance/yearly_status.h"
#include "reports/report_engine.h"

namespace finance {

QList<reports::DataSet> yearlyStatusData(db::Connection& connection) {
    db::Table status(connection, yearlyStatusTable());
    db::Table titles(connection, titleLinesTable());
    status.open();
    titles.open();
    return {reports::dataSet(yearlyStatusRowsConnection(), status),
            reports::dataSet(yearlyStatusTitleConnection(), titles)};
}

void printYearlyStatus(db::Connection& connection, const QString& programDirectory) {
    reports::run(reports::reportPath(programDirectory, yearlyStatusFile()),
                 yearlyStatusData(connection));
}

}  // namespace finance
