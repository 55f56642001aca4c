#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace finance {

// Every archived tuition receipt, oldest first, with the amounts formatted to two decimals.
QString issuedReceiptsStatement();

// The orders the list offers; they sort the rows already read. The receipt number is a text
// column, so receipt 10 comes before receipt 9.
enum class ReceiptOrder { ByDate, ByReceiptNumber, ByValidity };
QString receiptOrderBy(ReceiptOrder order);

// Which of the list's two buttons a receipt row allows.
struct ReceiptActions {
    bool cancel = false;
    bool reprint = false;
};

// A cancelled receipt allows nothing. A valid one can always be cancelled, and reprinted only
// while its VAT still follows from the current rate: the print shows the rate in force, so a
// receipt issued at another rate (or whose pound amount rounds to another VAT) must not be
// reprinted. The VAT is re-derived from the pound amount as the list shows it (two decimals)
// times 1.7086 held with a 64-bit mantissa. Amount texts that are no numbers throw db::Error.
ReceiptActions receiptActions(int valid, const QString& cypAmountText, const QString& vatText,
                              double vatRate);

// The statements of a cancellation: the paid month leaves the ledger, the receipt stays in the
// archive marked cancelled.
QString ledgerReceiptDeleteStatement(int receiptNumber);
QString archiveCancelStatement(int receiptNumber);

// Cancels a receipt. Both statements stand or fall together, so a receipt is never still valid
// in the archive after its month has left the ledger.
void cancelReceipt(db::Connection& connection, int receiptNumber);

// The question asked before a cancellation.
QString cancelQuestion(int receiptNumber);

}  // namespace finance
