#include "reports/departure_search_window.h"

TForm49::TForm49(TForm27* results, QWidget* parent)
    : reports::HourSearchWindow(QStringLiteral("Ώρα αποχώρησης"), QStringLiteral("Ώρα αποχώρησης:"),
                                reports::departureHours(), &reports::departureSearch, results,
                                parent) {}
