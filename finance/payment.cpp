#include "finance/payment.h"

#include "common/money.h"
#include "common/year_list.h"
#include "db/command.h"
#include "db/connection.h"
#include "db/error.h"
#include "db/quoting.h"
#include "db/typed_value.h"
#include "finance/receipt_issue.h"
#include "finance/statement_text.h"
#include "finance/tuition_receipt.h"

namespace finance {

namespace {

constexpr common::YearRange kPaymentYears{2007, 2030};

// Every computed amount enters the statements as text, and the next step reads it back.
double readBack(const QString& statementText) {
    return numberFromText(statementText);
}

double extendedSum(double a, double b) {
    return static_cast<double>(static_cast<long double>(a) + static_cast<long double>(b));
}

}  // namespace

QStringList paymentMonths() {
    QStringList months;
    for (int month = 1; month <= 12; ++month) {
        months.append(QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')));
    }
    return months;
}

QStringList paymentYears(const QDate& today) {
    return common::yearList(kPaymentYears, today);
}

int paymentMonthIndex(const QDate& day) {
    return day.month() - 1;
}

int paymentYearIndex(const QDate& day) {
    return common::yearIndex(kPaymentYears, day);
}

std::optional<ReceiptAmounts> receiptAmounts(const QString& amountText,
                                             const QString& vatRateText) {
    const db::TypedDecimal typed = db::readTypedDecimal(amountText);
    if (typed.reading == db::DecimalReading::Grouped) {
        return std::nullopt;  // "1.200" is refused rather than read as 1.20 or 1200
    }
    if (typed.reading == db::DecimalReading::NotANumber) {
        throw db::Error(QStringLiteral("Το «%1» δεν είναι αριθμός.").arg(amountText.trimmed()));
    }
    const double amount = typed.value;
    ReceiptAmounts amounts;
    amounts.amount = common::statementNumber(amount);
    amounts.cypAmount = common::statementNumber(
        common::centRound(common::extendedProduct(amount, common::kCypRate)));
    if (!(amount > 0)) {
        return std::nullopt;
    }
    const double rate = numberFromText(vatRateText);
    amounts.vat = common::statementNumber(common::centRound(common::extendedPercent(amount, rate)));
    amounts.total = common::statementNumber(extendedSum(readBack(amounts.vat), amount));
    amounts.cypVat = common::statementNumber(
        common::centRound(common::extendedPercent(readBack(amounts.cypAmount), rate)));
    amounts.cypTotal = common::statementNumber(
        common::centRound(extendedSum(readBack(amounts.cypAmount), readBack(amounts.cypVat))));
    return amounts;
}

QString ledgerClearStatement(const PaymentRequest& request) {
    return QStringLiteral("DELETE FROM APODEIKSEIS_DIDAKTRWN WHERE ARITHMOS_MHTRWOY=") +
           request.childNumber + QStringLiteral(" AND MHNAS=") + request.monthText +
           QStringLiteral(" AND ETOS=") + request.yearText;
}

QString ledgerPaidRowStatement(const PaymentRequest& request, int receiptNumber,
                               const ReceiptAmounts& amounts) {
    return QStringLiteral(
               "INSERT INTO APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,ARITHMOS_APODEIKSHS,POSO,"
               "HMEROMHNIA,CHECKER,MHNAS,ETOS,VAT) VALUES(") +
           request.childNumber + u',' + db::quotedText(QString::number(receiptNumber)) + u',' +
           amounts.amount + QStringLiteral(",DATE(),") + db::quotedText(QStringLiteral("Π")) +
           u',' + request.monthText + u',' + request.yearText + u',' + amounts.vat + u')';
}

QString archiveStatement(const PaymentRequest& request, int receiptNumber,
                         const ReceiptAmounts& amounts) {
    return QStringLiteral(
               "INSERT INTO APODEIKSEIS_HISTORY(ARITHMOS_MHTRWOY,ARITHMOS_APODEIKSHS,POSO,"
               "HMEROMHNIA,MHNAS,ETOS,VAT,POSO_KAI_VAT,EGKYRO,POSOCY,VATCY,POSO_KAI_VATCY,"
               "ONOMA_PAIDIOY,EPWNYMO_PAIDIOY,PARALHPTHS) VALUES(") +
           request.childNumber + u',' + db::quotedText(QString::number(receiptNumber)) + u',' +
           amounts.amount + QStringLiteral(",DATE(),") + request.monthText + u',' +
           request.yearText + u',' + amounts.vat + u',' + amounts.total + QStringLiteral(",1,") +
           amounts.cypAmount + u',' + amounts.cypVat + u',' + amounts.cypTotal + u',' +
           db::quotedText(request.firstName) + u',' + db::quotedText(request.surname) + u',' +
           db::quotedText(request.recipient) + u')';
}

ReceiptNotPrinted::ReceiptNotPrinted(int receiptNumber, const QString& reason)
    : db::Error(reason), receiptNumber_(receiptNumber) {}

PaymentOutcome payTuition(db::Connection& connection, const PaymentRequest& request,
                          TuitionReceiptPrinter& printer) {
    const std::optional<ReceiptAmounts> amounts =
        receiptAmounts(request.amountText, request.vatRateText);
    if (!amounts) {
        return PaymentOutcome::AmountRefused;
    }
    // Read before anything is written, so that a counter text that is no number stops the
    // payment instead of leaving a recorded receipt reported as a failure.
    const int receiptNumber = receiptNumberFromText(request.receiptNumberText);
    {
        ReceiptIssue issue(connection, receiptNumber);
        db::Command command(connection);
        command.execute(ledgerClearStatement(request));
        command.execute(ledgerPaidRowStatement(request, receiptNumber, *amounts));
        command.execute(archiveStatement(request, receiptNumber, *amounts));
        issue.commit();
    }
    try {
        printer.printReceipt(receiptNumber);
    } catch (const std::exception& failure) {
        throw ReceiptNotPrinted(receiptNumber, QString::fromUtf8(failure.what()));
    }
    return PaymentOutcome::Recorded;
}

QString amountRefusedMessage() {
    return QStringLiteral("Μη αποδεκτή τιμή");
}

QString paymentFailedMessage() {
    return QStringLiteral("Η καταχώρηση δεν έγινε");
}

QString receiptNotPrintedMessage(const ReceiptNotPrinted& failure) {
    return QStringLiteral(
               "Η καταχώρηση έγινε με επιτυχία, αλλά η απόδειξη με αριθμό %1 δεν "
               "εκτυπώθηκε:\n%2")
        .arg(failure.receiptNumber())
        .arg(failure.message());
}

}  // namespace finance
