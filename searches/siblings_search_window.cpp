#include "searches/siblings_search_window.h"

namespace searches {

SiblingsSearchWindow::SiblingsSearchWindow(const common::ProgramContext& context,
                                           SearchResultsWindow* results, QWidget* parent)
    : searches::RangeSearchWindow(
          context,
          {.caption = QStringLiteral("Παιδιά με αριθμό αδελφιών από ... μέχρι ..."),
           .searchCaption = QStringLiteral("Εύ&ρεση"),
           .build = &searches::siblingsSearch,
           .fieldWidth = 60},
          results, parent) {}

}  // namespace searches
