#pragma once

#include "organiser/book_window.h"

namespace organiser {

// A book of dated texts (the events book, the reminders): a date and a text per row, listed
// newest date first, with the dates in a grid beside the text.
class DatedBookWindow : public BookWindow {
    Q_OBJECT
public:
    DatedBookWindow(const common::ProgramContext& context, const QString& caption,
                    const organiser::Book& book, QWidget* parent);

    QLineEdit* dateField() const { return headingField(); }
};

}  // namespace organiser
