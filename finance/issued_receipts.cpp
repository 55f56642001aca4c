#include "finance/issued_receipts.h"

#include "common/money.h"
#include "db/command.h"
#include "db/connection.h"
#include "db/transaction.h"
#include "finance/statement_text.h"

namespace finance {

namespace {

// The factor the list uses to turn pounds back into euros; not 1 / 0.585274 (1.7086014...).
constexpr long double kEuroPerPound = 1.7086L;

}  // namespace

QString issuedReceiptsStatement() {
    return QStringLiteral(
        "select APODEIKSEIS_HISTORY.ARITHMOS_APODEIKSHS as ARITHMOS_APODEIKSHS, "
        "APODEIKSEIS_HISTORY.ARITHMOS_MHTRWOY as ARITHMOS_MHTRWOY,APODEIKSEIS_HISTORY.MHNAS as "
        "MHNAS,APODEIKSEIS_HISTORY.ETOS as ETOS,Format(APODEIKSEIS_HISTORY.POSO,'0.00') as "
        "POSO,APODEIKSEIS_HISTORY.HMEROMHNIA as "
        "HMEROMHNIA,Format(APODEIKSEIS_HISTORY.POSO_KAI_VAT,'0.00') as "
        "POSO_KAI_VAT,APODEIKSEIS_HISTORY.EGKYRO as EGKYRO,Format(APODEIKSEIS_HISTORY.VAT,'0.00') "
        "as VAT,Format(APODEIKSEIS_HISTORY.POSOCY,'0.00') as "
        "POSOCY,Format(APODEIKSEIS_HISTORY.VATCY,'0.00') as "
        "VATCY,Format(APODEIKSEIS_HISTORY.POSO_KAI_VATCY,'0.00') as "
        "POSO_KAI_VATCY,APODEIKSEIS_HISTORY.ONOMA_PAIDIOY as "
        "ONOMA_PAIDIOY,APODEIKSEIS_HISTORY.EPWNYMO_PAIDIOY as "
        "EPWNYMO_PAIDIOY,APODEIKSEIS_HISTORY.PARALHPTHS as PARALHPTHS  from APODEIKSEIS_HISTORY "
        "ORDER BY HMEROMHNIA ASC");
}

QString receiptOrderBy(ReceiptOrder order) {
    switch (order) {
        case ReceiptOrder::ByReceiptNumber:
            return QStringLiteral("ARITHMOS_APODEIKSHS ASC");
        case ReceiptOrder::ByValidity:
            return QStringLiteral("EGKYRO ASC");
        case ReceiptOrder::ByDate:
            break;
    }
    return QStringLiteral("HMEROMHNIA ASC");
}

ReceiptActions receiptActions(int valid, const QString& cypAmountText, const QString& vatText,
                              double vatRate) {
    if (valid == 0) {
        return {};
    }
    const double euros = static_cast<double>(
        static_cast<long double>(numberFromText(cypAmountText)) * kEuroPerPound);
    const double derivedVat = common::centRound(common::extendedPercent(euros, vatRate));
    return {true, derivedVat == numberFromText(vatText)};
}

QString ledgerReceiptDeleteStatement(int receiptNumber) {
    return QStringLiteral("DELETE FROM APODEIKSEIS_DIDAKTRWN WHERE ARITHMOS_APODEIKSHS='") +
           QString::number(receiptNumber) + u'\'';
}

QString archiveCancelStatement(int receiptNumber) {
    return QStringLiteral("UPDATE APODEIKSEIS_HISTORY SET EGKYRO=0 WHERE ARITHMOS_APODEIKSHS='") +
           QString::number(receiptNumber) + u'\'';
}

void cancelReceipt(db::Connection& connection, int receiptNumber) {
    db::Transaction transaction(connection);
    db::Command command(connection);
    command.execute(ledgerReceiptDeleteStatement(receiptNumber));
    command.execute(archiveCancelStatement(receiptNumber));
    transaction.commit();
}

QString cancelQuestion(int receiptNumber) {
    return QStringLiteral("Να ακυρώσω την απόδειξη με αριθμό\n") + QString::number(receiptNumber) +
           u';';
}

}  // namespace finance
