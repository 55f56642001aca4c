#pragma once

#include "searches/hour_search_window.h"

// Children who arrive at a chosen hour.
class TForm48 : public searches::HourSearchWindow {
    Q_OBJECT
public:
    explicit TForm48(const common::ProgramContext& context, QWidget* parent = nullptr)
        : TForm48(context, nullptr, parent) {}
    TForm48(const common::ProgramContext& context, TForm27* results, QWidget* parent = nullptr);
};
