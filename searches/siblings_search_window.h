#pragma once

#include "searches/range_search_window.h"

namespace searches {

// Children with a number of brothers and sisters between two typed numbers.
class SiblingsSearchWindow : public searches::RangeSearchWindow {
    Q_OBJECT
public:
    explicit SiblingsSearchWindow(const common::ProgramContext& context, QWidget* parent = nullptr)
        : SiblingsSearchWindow(context, nullptr, parent) {}
    SiblingsSearchWindow(const common::ProgramContext& context, SearchResultsWindow* results,
                         QWidget* parent = nullptr);
};

}  // namespace searches
