#pragma once

#include "programme/programme_window.h"

namespace programme {

// The weekly teaching programme's editing window.
class WeeklyProgrammeWindow : public ProgrammeWindow {
    Q_OBJECT
public:
    explicit WeeklyProgrammeWindow(const common::ProgramContext& context,
                                   QWidget* parent = nullptr);
};

}  // namespace programme
