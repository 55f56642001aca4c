#include "finance/report_tuition_receipt.h"

#include "finance/report_receipt.h"
#include "finance/tuition_receipt.h"

namespace finance {

void printTuitionReceipt(db::Connection& connection, const QString& programDirectory,
                         int receiptNumber) {
    printReceipt(connection, programDirectory,
                 {tuitionReceiptStatement(receiptNumber), tuitionReceiptFile, receiptConnection(),
                  headerConnection(), vatRateConnection()});
}

}  // namespace finance
