#include "organiser/reminders_window.h"

TForm7::TForm7(QWidget* parent)
    : DatedBookWindow(QStringLiteral("Υπενθυμίσεις"), organiser::remindersBook(), parent) {}
