#include "finance/report_receipt.h"

#include "db/query.h"
#include "db/table.h"
#include "finance/tuition_ledger.h"
#include "reports/report_engine.h"

namespace finance {

void printReceipt(db::Connection& connection, const QString& programDirectory,
                  const ReceiptPrint& print) {
    db::Query receipt(connection, print.receiptStatement);
    db::Table header(connection, QStringLiteral("INFORMATION"));
    db::Table vatRate(connection, vatRateTable());
    receipt.open();
    header.open();
    vatRate.open();
    const QString layout =
        reports::reportPath(programDirectory, print.layoutFile(currentVatRate(vatRate)));
    reports::run(layout, {reports::dataSet(print.receiptConnection, receipt),
                          reports::dataSet(print.headerConnection, header),
                          reports::dataSet(print.vatRateConnection, vatRate)});
}

}  // namespace finance
