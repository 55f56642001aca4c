#include "finance/report_tuition_receipt.h"

#include "db/query.h"
#include "db/table.h"
#include "finance/tuition_ledger.h"
#include "finance/tuition_receipt.h"
#include "reports/report_engine.h"

namespace finance {

void printTuitionReceipt(db::Connection& connection, const QString& programDirectory,
                         int receiptNumber) {
    db::Query receipt(connection, tuitionReceiptStatement(receiptNumber));
    db::Table header(connection, QStringLiteral("INFORMATION"));
    db::Table vatRate(connection, vatRateTable());
    receipt.open();
    header.open();
    vatRate.open();
    const QString layout =
        reports::reportPath(programDirectory, tuitionReceiptFile(currentVatRate(vatRate)));
    reports::run(layout, {reports::dataSet(receiptConnection(), receipt),
                          reports::dataSet(headerConnection(), header),
                          reports::dataSet(vatRateConnection(), vatRate)});
}

}  // namespace finance
