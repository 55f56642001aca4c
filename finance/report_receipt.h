#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace finance {

// What printing one kind of receipt needs: the select of the receipt, the layout for the VAT
// rate in force, and the names under which its three data connections reach the layout.
struct ReceiptPrint {
    QString receiptStatement;
    QString (*layoutFile)(double vatRate);
    QString receiptConnection;
    QString headerConnection;
    QString vatRateConnection;
};

// Prints the receipt through the report engine with the receipt, the receipt header and the VAT
// rate. A missing report file or a refused statement throws.
void printReceipt(db::Connection& connection, const QString& programDirectory,
                  const ReceiptPrint& print);

}  // namespace finance
