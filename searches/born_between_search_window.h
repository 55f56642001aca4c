#pragma once

#include "searches/range_search_window.h"

namespace searches {

// Children born between two typed dates, whether still enrolled or not.
class BornBetweenSearchWindow : public searches::RangeSearchWindow {
    Q_OBJECT
public:
    explicit BornBetweenSearchWindow(const common::ProgramContext& context,
                                     QWidget* parent = nullptr)
        : BornBetweenSearchWindow(context, nullptr, parent) {}
    BornBetweenSearchWindow(const common::ProgramContext& context, SearchResultsWindow* results,
                            QWidget* parent = nullptr);
};

}  // namespace searches
