#include "organiser/events_book_window.h"

namespace organiser {

EventsBookWindow::EventsBookWindow(const common::ProgramContext& context, QWidget* parent)
    : DatedBookWindow(context, QStringLiteral("Βιβλίο γεγονότων"), organiser::eventsBook(),
                      parent) {}

}  // namespace organiser
