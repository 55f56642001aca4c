#include "searches/departure_search_window.h"

#include "common/day_hours.h"

TForm49::TForm49(const common::ProgramContext& context, TForm27* results, QWidget* parent)
    : searches::HourSearchWindow(context, QStringLiteral("Ώρα αποχώρησης"),
                                 QStringLiteral("Ώρα αποχώρησης:"), common::departureHours(),
                                 &searches::departureSearch, results, parent) {}
