#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace finance {

// The yearly tuition status: one row per enrolled child in the scratch table DIDAKTRA_TEMP,
// with five text columns per month (Cm the ledger mark, Tm the receipt number, Pm the amount
// and Vm the VAT with two decimals, Hm the payment date dd/mm/yyyy). A month the ledger has no
// row for stays null; an owed month holds its mark and empty texts.

// The enrolled children, surname first, copied into the emptied scratch table.
QString statusChildrenStatement();
// Every ledger row of the year for an enrolled child.
QString statusLedgerStatement(const QString& year);
// The first title line of the printed status.
QString yearlyStatusTitle(const QString& year);

// Rebuilds the scratch table for the year and writes the title lines, all in one transaction:
// a failure leaves the previous status and titles whole. A ledger month outside 1 to 12 is
// skipped. Throws db::Error on a refused statement (a year that is no number, for one).
void buildYearlyStatus(db::Connection& connection, const QString& year);

}  // namespace finance
