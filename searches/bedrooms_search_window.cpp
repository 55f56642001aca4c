#include "searches/bedrooms_search_window.h"

TForm32::TForm32(const common::ProgramContext& context, TForm27* results, QWidget* parent)
    : searches::RangeSearchWindow(
          context,
          {.caption =
               QStringLiteral("Ό αριθμός των υπνοδωματίων στο σπίτι τους είναι από ... μέχρι ..."),
           .searchCaption = QStringLiteral("Εύ&ρεση"),
           .build = &searches::bedroomsSearch,
           .fieldWidth = 60},
          results, parent) {}
