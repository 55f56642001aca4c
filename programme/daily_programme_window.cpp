#include "programme/daily_programme_window.h"

#include "programme/daily_programme_print_window.h"
#include "ui/long_lived_windows.h"

namespace programme {

DailyProgrammeWindow::DailyProgrammeWindow(const common::ProgramContext& context, QWidget* parent)
    : ProgrammeWindow(
          context, dailyProgramme(),
          [] { return ui::longLivedWindow<DailyProgrammePrintWindow>(); }, parent) {}

}  // namespace programme
