#include "finance/report_general_receipt.h"

#include "db/query.h"
#include "db/table.h"
#include "finance/general_receipt.h"
#include "finance/tuition_ledger.h"
#include "reports/report_engine.h"

namespace finance {

void printGeneralReceipt(db::Connection& connection, const QString& programDirectory,
                         int receiptNumber) {
    db::Query receipt(connection, generalReceiptPrintStatement(receiptNumber));
    db::Table header(connection, QStringLiteral("INFORMATION"));
    db::Table vatRate(connection, vatRateTable());
    receipt.open();
    header.open();
    vatRate.open();
    const QString layout =
        reports::reportPath(programDirectory, generalReceiptFile(currentVatRate(vatRate)));
    reports::run(layout, {reports::dataSet(generalReceiptConnection(), receipt),
                          reports::dataSet(generalHeaderConnection(), header),
                          reports::dataSet(generalVatRateConnection(), vatRate)});
}

}  // namespace finance
