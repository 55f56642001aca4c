#include "organiser/reminders_window.h"

TForm7::TForm7(const common::ProgramContext& context, QWidget* parent)
    : DatedBookWindow(context, QStringLiteral("Υπενθυμίσεις"), organiser::remindersBook(), parent) {
}
