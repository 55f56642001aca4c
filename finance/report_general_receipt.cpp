#include "finance/report_general_receipt.h"

#include "finance/general_receipt.h"
#include "finance/report_receipt.h"

namespace finance {

void printGeneralReceipt(db::Connection& connection, const QString& programDirectory,
                         int receiptNumber) {
    printReceipt(
        connection, programDirectory,
        {generalReceiptPrintStatement(receiptNumber), generalReceiptFile,
         generalReceiptConnection(), generalHeaderConnection(), generalVatRateConnection()});
}

}  // namespace finance
