#pragma once

#include "searches/range_search_window.h"

namespace searches {

// Children whose home has a number of bedrooms between two typed numbers.
class BedroomsSearchWindow : public searches::RangeSearchWindow {
    Q_OBJECT
public:
    explicit BedroomsSearchWindow(const common::ProgramContext& context, QWidget* parent = nullptr)
        : BedroomsSearchWindow(context, nullptr, parent) {}
    BedroomsSearchWindow(const common::ProgramContext& context, SearchResultsWindow* results,
                         QWidget* parent = nullptr);
};

}  // namespace searches
