#pragma once

#include "ui/data_window.h"

class QPushButton;

namespace ui {
class Navigator;
}

namespace children {
class CardPanel;

// The child registration card, "Καταχώρηση των στοιχείων του παιδιού": the staff fill in a new
// child's card and save it. Saving writes the child's row and then, only after it was written,
// the child's open enrolment and this month's owed tuition row. A saved card stays on screen
// read-only until the new-card button is pressed, so it can never be saved a second time (a
// second save would give the child a second open enrolment). Opens on an empty card without
// reading the children already registered.
class RegistrationCardWindow : public ui::DataWindow {
    Q_OBJECT
public:
    enum class CardState { Empty, Changed, Saved };

    explicit RegistrationCardWindow(const common::ProgramContext& context,
                                    QWidget* parent = nullptr);

    static QString caption();

    CardState cardState() const;
    // The registry number field's text without surrounding blanks, kept on every change.
    QString pendingRegistryNumber() const { return pendingRegistryNumber_; }

    // The save button: writes a changed card and runs the two statements that follow it.
    // False when a value was refused (the kit's message is shown and the typing stays); an
    // engine failure throws to the general error report with the card as typed.
    bool saveCard();
    // The new-card button: saves a changed card first, then begins an empty one.
    void newCard();

    children::CardPanel* card() const { return card_; }
    ui::Navigator* navigator() const { return navigator_; }

private:
    void cardWritten();
    void showCardState();
    void focusFirstField();

    ui::BoundTable* rows_ = nullptr;
    children::CardPanel* card_ = nullptr;
    ui::Navigator* navigator_ = nullptr;
    QString pendingRegistryNumber_;
};

}  // namespace children
