#pragma once

#include "organiser/dated_book_window.h"

namespace organiser {

// The events book "Βιβλίο γεγονότων": what happened at the school, by date.
class EventsBookWindow : public DatedBookWindow {
    Q_OBJECT
public:
    explicit EventsBookWindow(const common::ProgramContext& context, QWidget* parent = nullptr);
};

}  // namespace organiser
