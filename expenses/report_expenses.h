#pragma once

#include <QString>

#include "expenses/expense_analysis.h"

namespace db {
class Connection;
}

namespace expenses {

// Prints an analysis through its report file: the list and the totals of the statements given
// (those of the last search). No title lines. A missing report file or a refused statement
// throws.
void printAnalysis(db::Connection& connection, const QString& programDirectory,
                   const ExpenseReport& report, const ExpenseAnalysis& analysis);

}  // namespace expenses
