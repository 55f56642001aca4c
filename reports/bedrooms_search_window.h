#pragma once

#include "reports/range_search_window.h"

// Children whose home has a number of bedrooms between two typed numbers.
class TForm32 : public reports::RangeSearchWindow {
    Q_OBJECT
public:
    explicit TForm32(QWidget* parent = nullptr) : TForm32(nullptr, parent) {}
    explicit TForm32(TForm27* results, QWidget* parent = nullptr);
};
