#pragma once

#include "searches/hour_search_window.h"

// Children who leave at a chosen hour.
class TForm49 : public searches::HourSearchWindow {
    Q_OBJECT
public:
    explicit TForm49(const common::ProgramContext& context, QWidget* parent = nullptr)
        : TForm49(context, nullptr, parent) {}
    TForm49(const common::ProgramContext& context, TForm27* results, QWidget* parent = nullptr);
};
