#include "expenses/report_expenses.h"

#include "db/query.h"
#include "reports/report_dataset.h"
#include "reports/report_engine.h"

namespace expenses {

void printAnalysis(db::Connection& connection, const QString& programDirectory,
                   const ExpenseReport& report, const ExpenseAnalysis& analysis) {
    db::Query list(connection, analysis.listStatement);
    list.open();
    db::Query totals(connection, analysis.totalsStatement);
    totals.open();
    reports::run(reports::reportPath(programDirectory, report.file),
                 {reports::dataSet(report.listConnection, list),
                  reports::dataSet(report.totalsConnection, totals)});
}

}  // namespace expenses
