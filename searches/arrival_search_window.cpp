#include "searches/arrival_search_window.h"

#include "common/day_hours.h"

TForm48::TForm48(const common::ProgramContext& context, TForm27* results, QWidget* parent)
    : searches::HourSearchWindow(context, QStringLiteral("Ώρα προσέλευσης"),
                                 QStringLiteral("Ώρα προσέλευσης:"), common::arrivalHours(),
                                 &searches::arrivalSearch, results, parent) {}
