#pragma once

#include "organiser/book_window.h"

namespace organiser {

// The notes book "Βιβλίο σημειώσεων": a heading and a text per note, listed by heading.
class NotesWindow : public BookWindow {
    Q_OBJECT
public:
    explicit NotesWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    QLineEdit* titleField() const { return headingField(); }
};

}  // namespace organiser
