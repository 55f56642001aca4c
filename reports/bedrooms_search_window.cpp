#include "reports/bedrooms_search_window.h"

TForm32::TForm32(TForm27* results, QWidget* parent)
    : reports::RangeSearchWindow(
          {.caption =
               QStringLiteral("Ό αριθμός των υπνοδωματίων στο σπίτι τους είναι από ... μέχρι ..."),
           .searchCaption = QStringLiteral("Εύ&ρεση"),
           .build = &reports::bedroomsSearch,
           .fieldWidth = 60},
          results, parent) {}
