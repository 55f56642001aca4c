#include "finance/report_tuition_receipt.h"

#include "db/query.h"
#include "db/table.h"
#include "finance/tuition_receipt.h"
#include "reports/report_engine.h"

namespace finance {

namespace {

// The rate is the first column of the rate table's current row; with no row there is no VAT.
double currentVatRate(const db::Table& vatRate) {
    return vatRate.isEmpty() ? 0.0 : vatRate.value(0).toDouble();
}

}  // namespace

void printTuitionReceipt(db::Connection& connection, const QString& programDirectory,
                         int receiptNumber) {
    db::Query receipt(connection, tuitionReceiptStatement(receiptNumber));
    db::Table header(connection, QStringLiteral("INFORMATION"));
    db::Table vatRate(connection, QStringLiteral("SYNTELESTHS_VAT"));
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
