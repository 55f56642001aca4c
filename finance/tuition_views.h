#pragma once

#include <QString>
#include <optional>

namespace db {
class Connection;
}

namespace finance {

// What the tuition ledger says of one child: the months paid (with the receipt, the amounts
// and the payment date) and the months still owed. Both read the ledger, not the receipt
// archive, so a month whose receipt was cancelled is neither paid nor owed.
QString paidMonthsStatement(const QString& childNumber);
QString paidTotalsStatement(const QString& childNumber);
QString owedMonthsStatement(const QString& childNumber);
QString owedCountStatement(const QString& childNumber);

// The takings between two typed dates, both days included. Tuition takings show the income,
// the VAT and the income less the VAT; general receipts show the income, the VAT and the income
// plus the VAT, of valid receipts only.
enum class TakingsSource { Tuition, GeneralReceipts };

// The statement for the two typed dates (dd/mm/yyyy); nothing when either is not a date.
std::optional<QString> takingsStatement(TakingsSource source, const QString& typedFrom,
                                        const QString& typedTo);

// The three figures as the takings windows show them (two decimals; empty with no receipt).
struct Takings {
    QString income;
    QString vat;
    QString third;  // income less VAT (tuition), income plus VAT (general receipts)
};

// Sums the takings between the two typed dates. Nothing when either text is not a date; a
// statement the engine refuses throws db::Error.
std::optional<Takings> findTakings(db::Connection& connection, TakingsSource source,
                                   const QString& typedFrom, const QString& typedTo);

}  // namespace finance
