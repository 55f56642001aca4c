#include "searches/departure_search_window.h"

#include "common/day_hours.h"

namespace searches {

DepartureSearchWindow::DepartureSearchWindow(const common::ProgramContext& context,
                                             SearchResultsWindow* results, QWidget* parent)
    : searches::HourSearchWindow(context, QStringLiteral("Ώρα αποχώρησης"),
                                 QStringLiteral("Ώρα αποχώρησης:"), common::departureHours(),
                                 &searches::departureSearch, results, parent) {}

}  // namespace searches
