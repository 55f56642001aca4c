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

// The program's tuition receipt print: the long-lived print window installs itself when it is
// created and removes itself when it goes. The windows that print hold installedReceiptPrinter(),
// which hands each print to the print installed at that moment and throws db::Error when there
// is none.
TuitionReceiptPrinter& installedReceiptPrinter();
void installTuitionReceiptPrinter(TuitionReceiptPrinter* printer);
void removeTuitionReceiptPrinter(TuitionReceiptPrinter* printer);

// Puts another print in place for as long as it lives (tests), restoring the previous one after.
class ScopedTuitionReceiptPrinter {
public:
    explicit ScopedTuitionReceiptPrinter(TuitionReceiptPrinter& printer);
    ~ScopedTuitionReceiptPrinter();
    ScopedTuitionReceiptPrinter(const ScopedTuitionReceiptPrinter&) = delete;
    ScopedTuitionReceiptPrinter& operator=(const ScopedTuitionReceiptPrinter&) = delete;

private:
    TuitionReceiptPrinter* previous_;
};

// The archived receipt with that number, as the receipt layouts read it.
QString tuitionReceiptStatement(int receiptNumber);

// The layout for the VAT rate in force at printing time: the VAT-free one at a zero rate.
QString tuitionReceiptFile(double vatRate);

// The data connections of the receipt layouts.
inline QString receiptConnection() {
    return QStringLiteral("RvDataSetConnection69");
}
inline QString headerConnection() {
    return QStringLiteral("RvDataSetConnectionSTOIX");
}
inline QString vatRateConnection() {
    return QStringLiteral("RvDataSetConnectionVATRATIO");
}

}  // namespace finance
