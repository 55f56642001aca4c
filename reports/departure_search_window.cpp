#include "reports/departure_search_window.h"

#include "common/day_hours.h"

TForm49::TForm49(TForm27* results, QWidget* parent)
    : reports::HourSearchWindow(QStringLiteral("Ώρα αποχώρησης"), QStringLiteral("Ώρα αποχώρησης:"),
                                common::departureHours(), &reports::departureSearch, results,
                                parent) {}
