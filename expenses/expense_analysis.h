#pragma once

#include <QString>
#include <optional>

namespace db {
class Connection;
}

namespace expenses {

// The operating expenses table and the order the entry window lists it in, newest first.
QString expensesTable();
QString expensesOrder();

// What an analysis of the expenses runs: the list and its totals. The window keeps the pair of
// its last search, and the print runs exactly that pair, whatever was typed since.
struct ExpenseAnalysis {
    QString listStatement;
    QString totalsStatement;
};

// Every expense between two typed dates, both days included, oldest first; none when either
// text is not a date.
std::optional<ExpenseAnalysis> analysisBetweenDates(const QString& typedFrom,
                                                    const QString& typedTo);

// The sums of every month with expenses between two typed years, in year and month order; none
// when either text is not a whole number, so no typed text reaches the statement unchecked.
std::optional<ExpenseAnalysis> analysisByMonth(const QString& typedFromYear,
                                               const QString& typedToYear);

// The totals of an analysis as the window shows them: empty texts when nothing was found.
struct ExpenseTotals {
    QString value;
    QString vat;
    QString valueWithVat;
};

ExpenseTotals readTotals(db::Connection& connection, const ExpenseAnalysis& analysis);

// A print of an analysis: the report file and the data connections that receive the list and
// the totals.
struct ExpenseReport {
    QString file;
    QString listConnection;
    QString totalsConnection;
};

ExpenseReport reportBetweenDates();
ExpenseReport reportByMonth();

}  // namespace expenses
