#pragma once

#include <QString>

namespace finance {

// The tuition receipt print, as the payment, the issued-receipts list and the receipt header
// preview call it: prints the archived receipt with the given number (number 0 matches no
// receipt and prints the header and rate alone). Failures propagate to the caller.
class TuitionReceiptPrinter {
public:
    virtual ~TuitionReceiptPrinter() = default;
    virtual void printReceipt(int receiptNumber) = 0;
};

// The archived receipt with that number, as the receipt layouts read it.
QString tuitionReceiptStatement(int receiptNumber);

// The layout for the VAT rate in force at printing time: the VAT-free one at a zero rate.
QString tuitionReceiptFile(double vatRate);

// The data connections of the receipt layouts.
inline QString receiptConnection() { return QStringLiteral("RvDataSetConnection69"); }
inline QString headerConnection() { return QStringLiteral("RvDataSetConnectionSTOIX"); }
inline QString vatRateConnection() { return QStringLiteral("RvDataSetConnectionVATRATIO"); }

}  // namespace finance
