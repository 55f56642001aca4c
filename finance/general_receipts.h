#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace finance {

// The table of general receipts and the order the list shows it in: newest number first. The
// number is a text column, so the order is textual (9 before 10).
QString generalReceiptsTable();
QString generalReceiptsOrder();

// Whether the list's two buttons (cancel, reprint) are allowed on a row, from its validity as
// displayed: a cancelled receipt ("False") allows neither, anything else both.
bool generalReceiptAllowsActions(const QString& validityText);

// Marks the receipt cancelled; it stays listed and leaves the takings.
QString generalCancelStatement(int receiptNumber);
void cancelGeneralReceipt(db::Connection& connection, int receiptNumber);

}  // namespace finance
