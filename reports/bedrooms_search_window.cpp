#include "reports/bedrooms_search_window.h"

TForm32::TForm32(TForm27* results, QWidget* parent)
    : reports::RangeSearchWindow(
          QStringLiteral("Ό αριθμός των υπνοδωματίων στο σπίτι τους είναι από ... μέχρι ..."),
          &reports::bedroomsSearch, results, parent) {}
