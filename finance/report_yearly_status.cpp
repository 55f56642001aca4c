#include "finance/report_yearly_status.h"

#include "db/table.h"
#include "reports/report_engine.h"

namespace finance {

QString yearlyStatusFile() {
    return QStringLiteral("DIDAKTRA.RAV");
}

QList<reports::DataSet> yearlyStatusData(db::Connection& connection) {
    db::Table status(connection, QStringLiteral("DIDAKTRA_TEMP"));
    db::Table titles(connection, QStringLiteral("PERIGRAFH"));
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
