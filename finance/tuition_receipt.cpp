#include "finance/tuition_receipt.h"

#include "db/error.h"

namespace finance {

namespace {

TuitionReceiptPrinter* installed = nullptr;

class ForwardingPrinter : public TuitionReceiptPrinter {
public:
    void printReceipt(int receiptNumber) override {
        if (!installed) {
            throw db::Error(QStringLiteral("Η εκτύπωση των αποδείξεων δεν είναι διαθέσιμη."));
        }
        installed->printReceipt(receiptNumber);
    }
};

}  // namespace

TuitionReceiptPrinter& installedReceiptPrinter() {
    static ForwardingPrinter forwarding;
    return forwarding;
}

void installTuitionReceiptPrinter(TuitionReceiptPrinter* printer) {
    installed = printer;
}

void removeTuitionReceiptPrinter(TuitionReceiptPrinter* printer) {
    if (installed == printer) {
        installed = nullptr;
    }
}

ScopedTuitionReceiptPrinter::ScopedTuitionReceiptPrinter(TuitionReceiptPrinter& printer)
    : previous_(installed) {
    installed = &printer;
}

ScopedTuitionReceiptPrinter::~ScopedTuitionReceiptPrinter() {
    installed = previous_;
}

QString tuitionReceiptStatement(int receiptNumber) {
    return QStringLiteral(
               "select APODEIKSEIS_HISTORY.ARITHMOS_APODEIKSHS as ARITHMOS_APODEIKSHS, ") +
           QStringLiteral(
               "APODEIKSEIS_HISTORY.ARITHMOS_MHTRWOY as ARITHMOS_MHTRWOY,APODEIKSEIS_HISTORY.MHNAS "
               "as MHNAS, APODEIKSEIS_HISTORY.ETOS as ETOS,APODEIKSEIS_HISTORY.PARALHPTHS as "
               "PARALHPTHS,") +
           QStringLiteral(
               "Format(APODEIKSEIS_HISTORY.POSO,'0.00') AS "
               "POSO,str(APODEIKSEIS_HISTORY.HMEROMHNIA) "
               "AS HMEROMHNIA,Format(APODEIKSEIS_HISTORY.POSO_KAI_VAT,'0.00') AS POSO_KAI_VAT,") +
           QStringLiteral(
               "APODEIKSEIS_HISTORY.EGKYRO as EGKYRO,Format(APODEIKSEIS_HISTORY.VAT,'0.00') AS "
               "VAT,Format(APODEIKSEIS_HISTORY.POSOCY,'0.00') AS "
               "POSOCY,Format(APODEIKSEIS_HISTORY.VATCY,'0.00') AS VATCY,") +
           QStringLiteral(
               "Format(APODEIKSEIS_HISTORY.POSO_KAI_VATCY,'0.00') as "
               "POSO_KAI_VATCY,APODEIKSEIS_HISTORY.ONOMA_PAIDIOY as "
               "ONOMA_PAIDIOY,APODEIKSEIS_HISTORY.EPWNYMO_PAIDIOY as EPWNYMO_PAIDIOY from  "
               "APODEIKSEIS_HISTORY ") +
           QStringLiteral("WHERE APODEIKSEIS_HISTORY.ARITHMOS_APODEIKSHS='") +
           QString::number(receiptNumber) + u'\'';
}

QString tuitionReceiptFile(double vatRate) {
    return vatRate != 0 ? QStringLiteral("APODEIKSEIS.RAV")
                        : QStringLiteral("APODEIKSEISVATFREE.RAV");
}

}  // namespace finance
