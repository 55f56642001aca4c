#pragma once

#include "expenses/expense_analysis_window.h"

namespace expenses {

// "Λειτουργικά έξοδα - Κατά μήνα": the sums of every month between two years, printed with
// their bar chart through EKSODA2.RAV.
class MonthlyExpensesWindow : public ExpenseAnalysisWindow {
    Q_OBJECT
public:
    explicit MonthlyExpensesWindow(const common::ProgramContext& context,
                                   QWidget* parent = nullptr);
};

}  // namespace expenses
