#pragma once

#include "programme/programme_window.h"

namespace programme {

// The daily teaching programme's editing window.
class DailyProgrammeWindow : public ProgrammeWindow {
    Q_OBJECT
public:
    explicit DailyProgrammeWindow(const common::ProgramContext& context, QWidget* parent = nullptr);
};

}  // namespace programme
