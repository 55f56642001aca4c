#pragma once

#include "programme/programme_print_window.h"

namespace programme {

// The print of the weekly teaching programmes.
class WeeklyProgrammePrintWindow : public ProgrammePrintWindow {
    Q_OBJECT
public:
    explicit WeeklyProgrammePrintWindow(const common::ProgramContext& context,
                                        QWidget* parent = nullptr)
        : ProgrammePrintWindow(context, weeklyProgramme(), parent) {}
};

}  // namespace programme
