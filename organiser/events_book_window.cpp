#include "organiser/events_book_window.h"

TForm6::TForm6(const common::ProgramContext& context, QWidget* parent)
    : DatedBookWindow(context, QStringLiteral("Βιβλίο γεγονότων"), organiser::eventsBook(),
                      parent) {}
