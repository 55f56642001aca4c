#pragma once

#include "programme/programme_print_window.h"

namespace programme {

// The print of the daily teaching programmes.
class DailyProgrammePrintWindow : public ProgrammePrintWindow {
    Q_OBJECT
public:
    explicit DailyProgrammePrintWindow(const common::ProgramContext& context,
                                       QWidget* parent = nullptr)
        : ProgrammePrintWindow(context, dailyProgramme(), parent) {}
};

}  // namespace programme
