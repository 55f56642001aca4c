#include "programme/weekly_programme_window.h"

#include "programme/weekly_programme_print_window.h"
#include "ui/long_lived_windows.h"

namespace programme {

WeeklyProgrammeWindow::WeeklyProgrammeWindow(const common::ProgramContext& context, QWidget* parent)
    : ProgrammeWindow(
          context, weeklyProgramme(),
          [] { return ui::longLivedWindow<WeeklyProgrammePrintWindow>(); }, parent) {}

}  // namespace programme
