#include "searches/born_between_search_window.h"

namespace searches {

BornBetweenSearchWindow::BornBetweenSearchWindow(const common::ProgramContext& context,
                                                 SearchResultsWindow* results, QWidget* parent)
    : searches::RangeSearchWindow(
          context,
          {.caption = QStringLiteral("Παιδιά που γεννήθηκαν μεταξύ δυο ημερομηνιών"),
           .searchCaption = QStringLiteral("Eύ&ρεση"),
           .build = &searches::bornBetweenSearch,
           .fromHint = QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/03/2007)"),
           .toHint = QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/12/2007)")},
          results, parent) {}

}  // namespace searches
