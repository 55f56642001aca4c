#pragma once

#include "reports/hour_search_window.h"

// Children who arrive at a chosen hour.
class TForm48 : public reports::HourSearchWindow {
    Q_OBJECT
public:
    explicit TForm48(QWidget* parent = nullptr) : TForm48(nullptr, parent) {}
    explicit TForm48(TForm27* results, QWidget* parent = nullptr);
};
