#include "expenses/expenses_between_dates_window.h"

namespace expenses {

namespace {

constexpr Qt::Alignment kCentred = Qt::AlignCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

}  // namespace

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
                  {QStringLiteral("HMEROMHNIA"), QStringLiteral("Ημερομηνία"), 90, kCentred},
                  {QStringLiteral("AKSIA"), QStringLiteral("Αξία (EUR)"), 90, kRight},
                  {QStringLiteral("VAT"), QStringLiteral("Φ.Π.Α (EUR)"), 90, kRight},
                  {QStringLiteral("SYNOLO"), QStringLiteral("Αξία + Φ.Π.Α (EUR)"), 135, kRight},
              },
              &expenses::analysisBetweenDates,
              expenses::reportBetweenDates(),
          },
          parent) {}

}  // namespace expenses
