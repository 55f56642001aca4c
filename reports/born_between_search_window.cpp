#include "reports/born_between_search_window.h"

TForm29::TForm29(TForm27* results, QWidget* parent)
    : reports::RangeSearchWindow(
          {.caption = QStringLiteral("Παιδιά που γεννήθηκαν μεταξύ δυο ημερομηνιών"),
           .searchCaption = QStringLiteral("Eύ&ρεση"),
           .build = &reports::bornBetweenSearch,
           .fromHint = QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/03/2007)"),
           .toHint = QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/12/2007)")},
          results, parent) {}
