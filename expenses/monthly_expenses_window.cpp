#include "expenses/monthly_expenses_window.h"

namespace expenses {

MonthlyExpensesWindow::MonthlyExpensesWindow(const common::ProgramContext& context, QWidget* parent)
    : ExpenseAnalysisWindow(
          context,
          {
              QStringLiteral("Λειτουργικά έξοδα - Κατά μήνα"),
              QStringLiteral("Από το έτος:"),
              QStringLiteral("Μέχρι το έτος:"),
              QStringLiteral("(π.χ 2000)"),
              QStringLiteral("(π.χ 2007)"),
              QStringLiteral("Εύ&ρεση"),
              {
                  {QStringLiteral("MONTH"), QStringLiteral("Μήνας"), 70, ui::kCentred},
                  {QStringLiteral("YEAR"), QStringLiteral("Έτος"), 70, ui::kCentred},
                  {QStringLiteral("AKSIA"), QStringLiteral("Αξία (EUR)"), 110, ui::kRight},
                  {QStringLiteral("VAT"), QStringLiteral("Φ.Π.Α (EUR)"), 110, ui::kRight},
                  {QStringLiteral("SYNOLO"), QStringLiteral("Αξία +Φ.Π.Α (EUR)"), 135, ui::kRight},
              },
              &expenses::analysisByMonth,
              expenses::reportByMonth(),
          },
          parent) {}

}  // namespace expenses
