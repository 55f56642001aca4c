#pragma once

#include <QString>

namespace common {
struct TodayParts;
}
namespace db {
class Connection;
class RowSet;
}  // namespace db

namespace finance {

// The finance records the rest of the program reads and writes, each in one place: the VAT
// rate in force, the receipt counter and the owed rows of the tuition ledger.

// The table holding the VAT rate in force (SYNTELESTHS_VAT).
QString vatRateTable();
// The VAT rate in force: VAT_RATIO of the current row of the rate table; without a row there is
// no VAT.
double currentVatRate(const db::RowSet& vatRateRows);
double currentVatRate(db::Connection& connection);
// The rate as the payment window shows it and hands it on: the text of VAT_RATIO in the rate
// table's first row, empty without a row.
QString vatRateText(db::Connection& connection);

// True when the receipt counter (APODEIKSH_LAST) holds a row, which means the receipt
// numbering has been set.
bool receiptNumberingIsSet(db::Connection& connection);
QString receiptNumberingStatement(int firstNumber);
// Creates the receipt counter, so that the next receipt carries firstNumber.
void storeReceiptNumbering(db::Connection& connection, int firstNumber);
// The number of the next receipt as the payment window shows it and hands it on: the text of
// LAST_NUMBER, empty while the numbering is not set.
QString nextReceiptNumberText(db::Connection& connection);
// The number the next receipt carries, as the counter holds it now. Throws db::Error when the
// numbering is not set.
int currentReceiptNumber(db::Connection& connection);
// The last statement of every receipt: the counter moves on to the next number.
QString counterAdvanceStatement();

// The owed row of a child's month in the tuition ledger (APODEIKSEIS_DIDAKTRWN, marked Χ):
// for a given month, and for the current month as the engine's DATE() reads it.
QString owedTuitionStatement(const QString& registryNumber, int month, int year);
QString owedTuitionThisMonthStatement(const QString& registryNumber);

// Adds this month's owed tuition row for every child whose enrolment is open and began on or
// before today. A child who has this month's row already is refused by the ledger's key and
// skipped, as is any other refusal of a single row. Returns the number of rows added.
int addThisMonthsTuitionRows(db::Connection& connection, const common::TodayParts& today);

}  // namespace finance
