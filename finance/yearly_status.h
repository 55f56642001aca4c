#pragma once

#include <QString>

#include "common/progress.h"

namespace db {
class Connection;
}

namespace finance {

// The yearly tuition status: one row per enrolled child in the scratch table DIDAKTRA_TEMP,
// with five text columns per month (Cm the ledger mark, Tm the receipt number, Pm the amount
// and Vm the VAT with two decimals, Hm the payment date dd/mm/yyyy). A month the ledger has no
// row for stays null; an owed month holds its mark and empty texts.

// The tables the status is printed from, the report file and its data connections.
inline QString yearlyStatusTable() {
    return QStringLiteral("DIDAKTRA_TEMP");
}
inline QString titleLinesTable() {
    return QStringLiteral("PERIGRAFH");
}
inline QString yearlyStatusFile() {
    return QStringLiteral("DIDAKTRA.RAV");
}
inline QString yearlyStatusRowsConnection() {
    return QStringLiteral("RvDataSetConnection17");
}
inline QString yearlyStatusTitleConnection() {
    return QStringLiteral("RvDataSetConnection18");
}

// The enrolled children, surname first, copied into the emptied scratch table.
QString statusChildrenStatement();
// Every ledger row of the year for a child of the scratch table (the enrolled children).
QString statusLedgerStatement(const QString& year);
// The first title line of the printed status.
QString yearlyStatusTitle(const QString& year);

// Rebuilds the scratch table for the year and writes the title lines, all in one transaction:
// a failure leaves the previous status and titles whole. A ledger month outside 1 to 12 is
// skipped. Throws db::Error on a refused statement (a year that is no number, for one). The
// progress is told child by child as the months are written.
void buildYearlyStatus(db::Connection& connection, const QString& year,
                       const common::Progress& progress = {});

}  // namespace finance
