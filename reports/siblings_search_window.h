#pragma once

#include "reports/range_search_window.h"

// Children with a number of brothers and sisters between two typed numbers.
class TForm31 : public reports::RangeSearchWindow {
    Q_OBJECT
public:
    explicit TForm31(QWidget* parent = nullptr) : TForm31(nullptr, parent) {}
    explicit TForm31(TForm27* results, QWidget* parent = nullptr);
};
