#include "searches/born_between_search_window.h"

TForm29::TForm29(const common::ProgramContext& context, TForm27* results, QWidget* parent)
    : searches::RangeSearchWindow(
          context,
          {.caption = QStringLiteral("Παιδιά που γεννήθηκαν μεταξύ δυο ημερομηνιών"),
           .searchCaption = QStringLiteral("Eύ&ρεση"),
           .build = &searches::bornBetweenSearch,
           .fromHint = QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/03/2007)"),
           .toHint = QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/12/2007)")},
          results, parent) {}
