#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace finance {

// Prints the archived tuition receipt with that number through the report engine: the layout
// follows the VAT rate in force now (APODEIKSEIS.RAV, or APODEIKSEISVATFREE.RAV at a zero
// rate) and receives the receipt, the receipt header and the VAT rate. The receipt's validity
// is not looked at. A missing report file or a refused statement throws.
void printTuitionReceipt(db::Connection& connection, const QString& programDirectory,
                         int receiptNumber);

}  // namespace finance
