#include "reports/arrival_search_window.h"

#include "common/day_hours.h"

TForm48::TForm48(TForm27* results, QWidget* parent)
    : reports::HourSearchWindow(QStringLiteral("Ώρα προσέλευσης"),
                                QStringLiteral("Ώρα προσέλευσης:"), common::arrivalHours(),
                                &reports::arrivalSearch, results, parent) {}
