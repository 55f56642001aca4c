#pragma once

#include "finance/takings_window.h"

namespace finance {

// The takings of valid general receipts between two dates: income, VAT, and income plus VAT.
class GeneralTakingsWindow : public TakingsWindow {
    Q_OBJECT
public:
    explicit GeneralTakingsWindow(const common::ProgramContext& context, QWidget* parent = nullptr);
};

}  // namespace finance
