#pragma once

#include "programme/programme_print_window.h"

namespace programme {

// The print of the yearly teaching programmes.
class YearlyProgrammePrintWindow : public ProgrammePrintWindow {
    Q_OBJECT
public:
    explicit YearlyProgrammePrintWindow(const common::ProgramContext& context,
                                        QWidget* parent = nullptr)
        : ProgrammePrintWindow(context, yearlyProgramme(), parent) {}
};

}  // namespace programme
