#pragma once

#include "searches/range_search_window.h"

// Children whose home has a number of bedrooms between two typed numbers.
class TForm32 : public searches::RangeSearchWindow {
    Q_OBJECT
public:
    explicit TForm32(const common::ProgramContext& context, QWidget* parent = nullptr)
        : TForm32(context, nullptr, parent) {}
    TForm32(const common::ProgramContext& context, TForm27* results, QWidget* parent = nullptr);
};
