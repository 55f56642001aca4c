#include "organiser/events_book_window.h"

TForm6::TForm6(QWidget* parent)
    : DatedBookWindow(QStringLiteral("Βιβλίο γεγονότων"), organiser::eventsBook(), parent) {}
