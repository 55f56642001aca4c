#pragma once

#include "organiser/dated_book_window.h"

// The events book "Βιβλίο γεγονότων": what happened at the school, by date.
class TForm6 : public DatedBookWindow {
    Q_OBJECT
public:
    explicit TForm6(const common::ProgramContext& context, QWidget* parent = nullptr);
};
