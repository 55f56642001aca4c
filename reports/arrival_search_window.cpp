#include "reports/arrival_search_window.h"

TForm48::TForm48(TForm27* results, QWidget* parent)
    : reports::HourSearchWindow(QStringLiteral("Ώρα προσέλευσης"),
                                QStringLiteral("Ώρα προσέλευσης:"), reports::arrivalHours(),
                                &reports::arrivalSearch, results, parent) {}
