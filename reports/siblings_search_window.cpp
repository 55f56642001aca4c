#include "reports/siblings_search_window.h"

TForm31::TForm31(TForm27* results, QWidget* parent)
    : reports::RangeSearchWindow(
          {.caption = QStringLiteral("Παιδιά με αριθμό αδελφιών από ... μέχρι ..."),
           .searchCaption = QStringLiteral("Εύ&ρεση"),
           .build = &reports::siblingsSearch,
           .fieldWidth = 60},
          results, parent) {}
