#pragma once

#include "searches/range_search_window.h"

// Children born between two typed dates, whether still enrolled or not.
class TForm29 : public searches::RangeSearchWindow {
    Q_OBJECT
public:
    explicit TForm29(const common::ProgramContext& context, QWidget* parent = nullptr)
        : TForm29(context, nullptr, parent) {}
    TForm29(const common::ProgramContext& context, TForm27* results, QWidget* parent = nullptr);
};
