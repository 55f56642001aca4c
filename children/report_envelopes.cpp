#include "children/report_envelopes.h"

#include "children/envelopes.h"
#include "db/query.h"
#include "reports/report_dataset.h"
#include "reports/report_engine.h"

namespace children {

void printEnvelopes(db::Connection& connection, const QString& programDirectory) {
    db::Query query(connection, envelopesStatement());
    query.open();
    reports::run(reports::reportPath(programDirectory, envelopesReportFile()),
                 {reports::dataSet(envelopesConnectionName(), query)});
}

}  // namespace children
