#include "searches/siblings_search_window.h"

TForm31::TForm31(const common::ProgramContext& context, TForm27* results, QWidget* parent)
    : searches::RangeSearchWindow(
          context,
          {.caption = QStringLiteral("Παιδιά με αριθμό αδελφιών από ... μέχρι ..."),
           .searchCaption = QStringLiteral("Εύ&ρεση"),
           .build = &searches::siblingsSearch,
           .fieldWidth = 60},
          results, parent) {}
