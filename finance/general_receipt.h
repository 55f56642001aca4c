#pragma once

#include <QString>

#include "finance/payment.h"

namespace db {
class Connection;
}

namespace finance {

// The general receipt print, as the issue window and the list of general receipts call it:
// prints the general receipt with the given number. Failures propagate to the caller.
class GeneralReceiptPrinter {
public:
    virtual ~GeneralReceiptPrinter() = default;
    virtual void printGeneralReceipt(int receiptNumber) = 0;
};

// The program's general receipt print: the long-lived print window installs itself while it
// exists. installedGeneralReceiptPrinter() hands each print to the print installed at that
// moment and throws db::Error when there is none.
GeneralReceiptPrinter& installedGeneralReceiptPrinter();
void installGeneralReceiptPrinter(GeneralReceiptPrinter* printer);
void removeGeneralReceiptPrinter(GeneralReceiptPrinter* printer);

// Puts another print in place for as long as it lives (tests), restoring the previous one after.
class ScopedGeneralReceiptPrinter {
public:
    explicit ScopedGeneralReceiptPrinter(GeneralReceiptPrinter& printer);
    ~ScopedGeneralReceiptPrinter();
    ScopedGeneralReceiptPrinter(const ScopedGeneralReceiptPrinter&) = delete;
    ScopedGeneralReceiptPrinter& operator=(const ScopedGeneralReceiptPrinter&) = delete;

private:
    GeneralReceiptPrinter* previous_;
};

// What the issue window hands over: the five texts typed, and the VAT rate and receipt number
// it read when it opened.
struct GeneralReceiptRequest {
    QString firstName;
    QString surname;
    QString recipient;
    QString description;
    QString amountText;
    QString vatRateText;
    QString receiptNumberText;
};

QString generalReceiptStatement(const GeneralReceiptRequest& request, int receiptNumber,
                                const ReceiptAmounts& amounts);

// Issues a general receipt: the receipt row and the counter advance in one transaction, with
// the amounts of a tuition payment, then the print. An amount not above zero writes nothing
// and returns AmountRefused. The same failures as a tuition payment: ReceiptNumberMoved when
// the counter moved on (nothing written), db::Error before the print (nothing written),
// ReceiptNotPrinted after the receipt is recorded.
PaymentOutcome issueGeneralReceipt(db::Connection& connection, const GeneralReceiptRequest& request,
                                   GeneralReceiptPrinter& printer);

// The general receipt with that number, as the layouts read it (no pound amounts).
QString generalReceiptPrintStatement(int receiptNumber);
// The layout for the VAT rate in force: APODEIKSEIS_GEN.RAV at a zero rate, else the VAT one.
QString generalReceiptFile(double vatRate);

// The data connections of the general receipt layouts.
inline QString generalReceiptConnection() {
    return QStringLiteral("rdvdatnexapo");
}
inline QString generalHeaderConnection() {
    return QStringLiteral("STOIXNEIPAPODEGENFYS");
}
inline QString generalVatRateConnection() {
    return QStringLiteral("VATINGEN");
}

}  // namespace finance
