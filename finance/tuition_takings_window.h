#pragma once

#include "finance/takings_window.h"

namespace finance {

// The tuition takings between two dates: income, VAT, and income less VAT.
class TuitionTakingsWindow : public TakingsWindow {
    Q_OBJECT
public:
    explicit TuitionTakingsWindow(const common::ProgramContext& context, QWidget* parent = nullptr);
};

}  // namespace finance
