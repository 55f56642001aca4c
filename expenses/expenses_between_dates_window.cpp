#include "expenses/expenses_between_dates_window.h"

namespace expenses {

ExpensesBetweenDatesWindow::ExpensesBetweenDatesWindow(const common::ProgramContext& context,
                                                       QWidget* parent)
    : ExpenseAnalysisWindow(
          context,
          {
              QStringLiteral("Λειτουργικά έξοδα - Αναλυτική έρευνα"),
              QStringLiteral("Από:"),
              QStringLiteral("Μέχρι:"),
              QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/03/2007)"),
              QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/12/2007)"),
              QStringLiteral("Eύ&ρεση"),  // its first letter is a Latin capital E
              {
                  {QStringLiteral("PERIGRAFH"), QStringLiteral("Περιγραφή"), 280},
                  {QStringLiteral("HMEROMHNIA"), QStringLiteral("Ημερομηνία"), 90, ui::kCentred},
                  {QStringLiteral("AKSIA"), QStringLiteral("Αξία (EUR)"), 90, ui::kRight},
                  {QStringLiteral("VAT"), QStringLiteral("Φ.Π.Α (EUR)"), 90, ui::kRight},
                  {QStringLiteral("SYNOLO"), QStringLiteral("Αξία + Φ.Π.Α (EUR)"), 135, ui::kRight},
              },
              &expenses::analysisBetweenDates,
              expenses::reportBetweenDates(),
          },
          parent) {}

}  // namespace expenses
