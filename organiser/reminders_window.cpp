#include "organiser/reminders_window.h"

namespace organiser {

RemindersWindow::RemindersWindow(const common::ProgramContext& context, QWidget* parent)
    : DatedBookWindow(context, QStringLiteral("Υπενθυμίσεις"), organiser::remindersBook(), parent) {
}

}  // namespace organiser
