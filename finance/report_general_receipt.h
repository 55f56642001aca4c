#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace finance {

// Prints the general receipt with that number through the report engine: the layout follows
// the VAT rate in force now (APODEIKSEIS_GEN_VAT.RAV, or APODEIKSEIS_GEN.RAV at a zero rate) and
// receives the receipt, the receipt header and the VAT rate. A missing report file or a
// refused statement throws.
void printGeneralReceipt(db::Connection& connection, const QString& programDirectory,
                         int receiptNumber);

}  // namespace finance
