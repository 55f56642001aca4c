#pragma once

#include "searches/hour_search_window.h"

namespace searches {

// Children who arrive at a chosen hour.
class ArrivalSearchWindow : public searches::HourSearchWindow {
    Q_OBJECT
public:
    explicit ArrivalSearchWindow(const common::ProgramContext& context, QWidget* parent = nullptr)
        : ArrivalSearchWindow(context, nullptr, parent) {}
    ArrivalSearchWindow(const common::ProgramContext& context, SearchResultsWindow* results,
                        QWidget* parent = nullptr);
};

}  // namespace searches
