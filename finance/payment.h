#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

#include "db/error.h"
#include "finance/receipt_issue.h"

namespace db {
class Connection;
}

namespace finance {

class TuitionReceiptPrinter;

// The months ("01" to "12") and years (from "2007" to at least five years past today) a month's
// tuition can be paid for.
QStringList paymentMonths();
QStringList paymentYears(const QDate& today);
// The list positions the payment window preselects for a day: its month, and its year (-1 for
// a year before the list's first).
int paymentMonthIndex(const QDate& day);
int paymentYearIndex(const QDate& day);

// What the payment window hands over: the child as the children list gave it, the month and
// year picked, the amount and recipient typed, and the VAT rate and receipt number it shows.
struct PaymentRequest {
    QString childNumber;
    QString firstName;
    QString surname;
    QString monthText;
    QString yearText;
    QString amountText;
    QString recipient;
    QString vatRateText;
    QString receiptNumberText;
};

// The amounts of one receipt, each already in the form it takes in the statements. Every
// rounded amount went through that text form before the next step read it back.
struct ReceiptAmounts {
    QString amount;     // the net amount as typed, unrounded
    QString cypAmount;  // net amount in Cyprus pounds
    QString vat;
    QString total;   // VAT + amount, not rounded again
    QString cypVat;  // from the rounded pound amount, not converted from the euro VAT
    QString cypTotal;
};

// Computes the amounts from the typed net amount and the VAT rate text. Returns nothing when
// the amount is not above zero or reads like a grouped number such as "1.200" (the rate is then
// not read). Throws db::Error when the amount or the rate is not a number.
std::optional<ReceiptAmounts> receiptAmounts(const QString& amountText, const QString& vatRateText);

// The statements of a payment, in the order they run; the receipt's counter advance
// (receipt_issue.h) follows them.
QString ledgerClearStatement(const PaymentRequest& request);
QString ledgerPaidRowStatement(const PaymentRequest& request, int receiptNumber,
                               const ReceiptAmounts& amounts);
QString archiveStatement(const PaymentRequest& request, int receiptNumber,
                         const ReceiptAmounts& amounts);

enum class PaymentOutcome { Recorded, AmountRefused };

// The payment was recorded in full but its receipt could not be printed; the message is the
// print's own.
class ReceiptNotPrinted : public db::Error {
public:
    ReceiptNotPrinted(int receiptNumber, const QString& reason);
    int receiptNumber() const { return receiptNumber_; }

private:
    int receiptNumber_;
};

// Pays a month's tuition: replaces the month's ledger row by a paid row, archives the receipt
// and advances the receipt counter, all in one transaction, then prints the receipt.
// An amount not above zero writes nothing and returns AmountRefused. A receipt number the
// counter no longer holds writes nothing and throws ReceiptNumberMoved. Any other failure before
// the print (a number that does not read, a statement the engine refuses, the file busy with
// another program) throws and leaves the database as it was. A failing print throws
// ReceiptNotPrinted after the payment is recorded.
PaymentOutcome payTuition(db::Connection& connection, const PaymentRequest& request,
                          TuitionReceiptPrinter& printer);

// The fixed messages of the payment.
QString amountRefusedMessage();
QString paymentFailedMessage();
QString receiptNotPrintedMessage(const ReceiptNotPrinted& failure);

}  // namespace finance
