#include "programme/yearly_programme_window.h"

#include "programme/yearly_programme_print_window.h"
#include "ui/long_lived_windows.h"

namespace programme {

YearlyProgrammeWindow::YearlyProgrammeWindow(const common::ProgramContext& context, QWidget* parent)
    : ProgrammeWindow(
          context, yearlyProgramme(),
          [] { return ui::longLivedWindow<YearlyProgrammePrintWindow>(); }, parent) {}

}  // namespace programme
