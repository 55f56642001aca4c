#pragma once

#include "reports/range_search_window.h"

// Children born between two typed dates, whether still enrolled or not.
class TForm29 : public reports::RangeSearchWindow {
    Q_OBJECT
public:
    explicit TForm29(QWidget* parent = nullptr) : TForm29(nullptr, parent) {}
    explicit TForm29(TForm27* results, QWidget* parent = nullptr);
};
