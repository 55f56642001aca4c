#include "programme/report_programme.h"

#include "db/query.h"
#include "reports/report_dataset.h"
#include "reports/report_engine.h"

namespace programme {

void printRows(db::Connection& connection, const QString& programDirectory,
               const QString& reportFile, const QString& dataConnection, const QString& statement) {
    db::Query rows(connection, statement);
    rows.open();
    reports::run(reports::reportPath(programDirectory, reportFile),
                 {reports::dataSet(dataConnection, rows)});
}

}  // namespace programme
