#pragma once

#include "reports/hour_search_window.h"

// Children who leave at a chosen hour.
class TForm49 : public reports::HourSearchWindow {
    Q_OBJECT
public:
    explicit TForm49(QWidget* parent = nullptr) : TForm49(nullptr, parent) {}
    explicit TForm49(TForm27* results, QWidget* parent = nullptr);
};
