#pragma once

#include "searches/range_search_window.h"

// Children with a number of brothers and sisters between two typed numbers.
class TForm31 : public searches::RangeSearchWindow {
    Q_OBJECT
public:
    explicit TForm31(const common::ProgramContext& context, QWidget* parent = nullptr)
        : TForm31(context, nullptr, parent) {}
    TForm31(const common::ProgramContext& context, TForm27* results, QWidget* parent = nullptr);
};
