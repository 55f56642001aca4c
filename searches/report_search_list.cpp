#include "searches/report_search_list.h"

#include "db/query.h"
#include "db/table.h"
#include "reports/report_dataset.h"
#include "reports/report_engine.h"

namespace searches {

QString searchListReportFile() {
    return QStringLiteral("EREYNA.rav");
}

void printSearchList(db::Connection& connection, const QString& programDirectory,
                     const QString& searchStatement) {
    db::Table titleLines(connection, QStringLiteral("PERIGRAFH"));
    titleLines.open();
    db::Query children(connection, searchStatement);
    children.open();
    reports::run(reports::reportPath(programDirectory, searchListReportFile()),
                 {reports::dataSet(QStringLiteral("RvDataSetConnection5a"), titleLines),
                  reports::dataSet(QStringLiteral("RvDataSetConnection6a"), children)});
}

}  // namespace searches
