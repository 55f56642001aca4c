#pragma once

#include "organiser/dated_book_window.h"

namespace organiser {

// The reminders "Υπενθυμίσεις": a text for the day it is due; today's one shows at start-up.
class RemindersWindow : public DatedBookWindow {
    Q_OBJECT
public:
    explicit RemindersWindow(const common::ProgramContext& context, QWidget* parent = nullptr);
};

}  // namespace organiser
