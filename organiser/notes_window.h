#pragma once

#include "organiser/book_window.h"

// The notes book "Βιβλίο σημειώσεων": a heading and a text per note, listed by heading.
class TForm5 : public BookWindow {
    Q_OBJECT
public:
    explicit TForm5(const common::ProgramContext& context, QWidget* parent = nullptr);

    QLineEdit* titleField() const { return headingField(); }
};
