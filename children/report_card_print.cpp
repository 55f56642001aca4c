#include "children/report_card_print.h"

#include "db/query.h"
#include "reports/report_dataset.h"
#include "reports/report_engine.h"

namespace children {

void printCards(db::Connection& connection, const QString& programDirectory, CardPrint print,
                const CardPrintMode& mode, const QString& listSelect) {
    db::Query query(connection, cardPrintStatement(print, mode, listSelect));
    query.open();
    reports::run(reports::reportPath(programDirectory, cardPrintReportFile(print)),
                 {reports::dataSet(cardPrintConnectionName(), query)});
}

}  // namespace children
