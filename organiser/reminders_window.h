#pragma once

#include "organiser/dated_book_window.h"

// The reminders "Υπενθυμίσεις": a text for the day it is due; today's one shows at start-up.
class TForm7 : public DatedBookWindow {
    Q_OBJECT
public:
    explicit TForm7(const common::ProgramContext& context, QWidget* parent = nullptr);
};
