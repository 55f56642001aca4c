#include "finance/general_receipt.h"

#include "db/command.h"
#include "db/error.h"
#include "db/quoting.h"
#include "finance/receipt_issue.h"
#include "finance/statement_text.h"

namespace finance {

namespace {

GeneralReceiptPrinter* installed = nullptr;

class ForwardingPrinter : public GeneralReceiptPrinter {
public:
    void printGeneralReceipt(int receiptNumber) override {
        if (!installed) {
            throw db::Error(QStringLiteral("Η εκτύπωση των αποδείξεων δεν είναι διαθέσιμη."));
        }
        installed->printGeneralReceipt(receiptNumber);
    }
};

}  // namespace

GeneralReceiptPrinter& installedGeneralReceiptPrinter() {
    static ForwardingPrinter forwarding;
    return forwarding;
}

void installGeneralReceiptPrinter(GeneralReceiptPrinter* printer) {
    installed = printer;
}

void removeGeneralReceiptPrinter(GeneralReceiptPrinter* printer) {
    if (installed == printer) {
        installed = nullptr;
    }
}

ScopedGeneralReceiptPrinter::ScopedGeneralReceiptPrinter(GeneralReceiptPrinter& printer)
    : previous_(installed) {
    installed = &printer;
}

ScopedGeneralReceiptPrinter::~ScopedGeneralReceiptPrinter() {
    installed = previous_;
}

QString generalReceiptStatement(const GeneralReceiptRequest& request, int receiptNumber,
                                const ReceiptAmounts& amounts) {
    return QStringLiteral(
               "INSERT INTO APODEIKSEIS_GEN(AR_APODEIKSHS,POSO,HMEROMHNIA,VAT,POSO_KAI_VAT,EGKYRO,"
               "POSOCY,VATCY,POSO_KAI_VAT_CY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY,PARALHPTHS,PERIGRAFH) "
               "VALUES(") +
           db::quotedText(QString::number(receiptNumber)) + u',' + amounts.amount +
           QStringLiteral(",DATE(),") + amounts.vat + u',' + amounts.total + QStringLiteral(",1,") +
           amounts.cypAmount + u',' + amounts.cypVat + u',' + amounts.cypTotal + u',' +
           db::quotedText(request.firstName) + u',' + db::quotedText(request.surname) + u',' +
           db::quotedText(request.recipient) + u',' + db::quotedText(request.description) + u')';
}

PaymentOutcome issueGeneralReceipt(db::Connection& connection, const GeneralReceiptRequest& request,
                                   GeneralReceiptPrinter& printer) {
    const std::optional<ReceiptAmounts> amounts =
        receiptAmounts(request.amountText, request.vatRateText);
    if (!amounts) {
        return PaymentOutcome::AmountRefused;
    }
    const int receiptNumber = receiptNumberFromText(request.receiptNumberText);
    {
        ReceiptIssue issue(connection, receiptNumber);
        db::Command(connection, generalReceiptStatement(request, receiptNumber, *amounts))
            .execute();
        issue.commit();
    }
    try {
        printer.printGeneralReceipt(receiptNumber);
    } catch (const std::exception& failure) {
        throw ReceiptNotPrinted(receiptNumber, QString::fromUtf8(failure.what()));
    }
    return PaymentOutcome::Recorded;
}

QString generalReceiptPrintStatement(int receiptNumber) {
    return QStringLiteral(
               "SELECT APODEIKSEIS_GEN.AR_APODEIKSHS, APODEIKSEIS_GEN.ONOMA_PAIDIOY, "
               "APODEIKSEIS_GEN.EPWNYMO_PAIDIOY, APODEIKSEIS_GEN.PARALHPTHS, "
               "APODEIKSEIS_GEN.PERIGRAFH, STR(APODEIKSEIS_GEN.HMEROMHNIA) AS HMEROMHNIA, "
               "Format(APODEIKSEIS_GEN.POSO,'0.00') AS POSO, ") +
           QStringLiteral(
               "FORMAT(APODEIKSEIS_GEN.VAT,'0.00') AS VAT, "
               "FORMAT(APODEIKSEIS_GEN.POSO_KAI_VAT,'0.00') AS POSO_KAI_VAT FROM APODEIKSEIS_GEN "
               "WHERE AR_APODEIKSHS='") +
           QString::number(receiptNumber) + u'\'';
}

QString generalReceiptFile(double vatRate) {
    return vatRate != 0 ? QStringLiteral("APODEIKSEIS_GEN_VAT.RAV")
                        : QStringLiteral("APODEIKSEIS_GEN.RAV");
}

}  // namespace finance
