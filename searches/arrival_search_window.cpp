#include "searches/arrival_search_window.h"

#include "common/day_hours.h"

namespace searches {

ArrivalSearchWindow::ArrivalSearchWindow(const common::ProgramContext& context,
                                         SearchResultsWindow* results, QWidget* parent)
    : searches::HourSearchWindow(context, QStringLiteral("Ώρα προσέλευσης"),
                                 QStringLiteral("Ώρα προσέλευσης:"), common::arrivalHours(),
                                 &searches::arrivalSearch, results, parent) {}

}  // namespace searches
