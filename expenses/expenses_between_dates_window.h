#pragma once

#include "expenses/expense_analysis_window.h"

namespace expenses {

// "Λειτουργικά έξοδα - Αναλυτική έρευνα": every expense between two dates, printed through
// EKSODA1.RAV.
class ExpensesBetweenDatesWindow : public ExpenseAnalysisWindow {
    Q_OBJECT
public:
    explicit ExpensesBetweenDatesWindow(const common::ProgramContext& context,
                                        QWidget* parent = nullptr);
};

}  // namespace expenses
