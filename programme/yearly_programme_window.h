#pragma once

#include "programme/programme_window.h"

namespace programme {

// The yearly teaching programme's editing window.
class YearlyProgrammeWindow : public ProgrammeWindow {
    Q_OBJECT
public:
    explicit YearlyProgrammeWindow(const common::ProgramContext& context,
                                   QWidget* parent = nullptr);
};

}  // namespace programme
