#pragma once

#include "searches/hour_search_window.h"

namespace searches {

// Children who leave at a chosen hour.
class DepartureSearchWindow : public searches::HourSearchWindow {
    Q_OBJECT
public:
    explicit DepartureSearchWindow(const common::ProgramContext& context, QWidget* parent = nullptr)
        : DepartureSearchWindow(context, nullptr, parent) {}
    DepartureSearchWindow(const common::ProgramContext& context, SearchResultsWindow* results,
                          QWidget* parent = nullptr);
};

}  // namespace searches
