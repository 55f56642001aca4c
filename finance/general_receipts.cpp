#include "finance/general_receipts.h"

#include "db/connection.h"

namespace finance {

QString generalReceiptsTable() {
    return QStringLiteral("APODEIKSEIS_GEN");
}

QString generalReceiptsOrder() {
    return QStringLiteral("AR_APODEIKSHS DESC");
}

bool generalReceiptAllowsActions(const QString& validityText) {
    return validityText.trimmed().toUpper() != u"FALSE";
}

QString generalCancelStatement(int receiptNumber) {
    return QStringLiteral("UPDATE APODEIKSEIS_GEN SET EGKYRO=0 WHERE AR_APODEIKSHS='") +
           QString::number(receiptNumber) + u'\'';
}

void cancelGeneralReceipt(db::Connection& connection, int receiptNumber) {
    connection.execute(generalCancelStatement(receiptNumber));
}

}  // namespace finance
