#include "searches/bedrooms_search_window.h"

namespace searches {

BedroomsSearchWindow::BedroomsSearchWindow(const common::ProgramContext& context,
                                           SearchResultsWindow* results, QWidget* parent)
    : searches::RangeSearchWindow(
          context,
          {.caption =
               QStringLiteral("Ό αριθμός των υπνοδωματίων στο σπίτι τους είναι από ... μέχρι ..."),
           .searchCaption = QStringLiteral("Εύ&ρεση"),
           .build = &searches::bedroomsSearch,
           .fieldWidth = 60},
          results, parent) {}

}  // namespace searches
