#pragma once

#include "ui/data_window.h"

class QPushButton;

namespace ui {
class Navigator;
}

namespace children {
class CardPanel;

// The child details window, "Στοιχεία του παιδιού": one child's whole card (without the
// registry number, which it is opened with), ready for typing at once; save writes the changes,
// cancel drops them, edit starts editing again, and "Ε&κτύπωση" prints the child's stored cards.
class ChildDetailsWindow : public ui::DataWindow {
    Q_OBJECT
public:
    ChildDetailsWindow(const common::ProgramContext& context, const QString& registryNumber,
                       QWidget* parent = nullptr);

    static QString caption();

    QString registryNumber() const { return registryNumber_; }
    children::CardPanel* card() const { return card_; }
    ui::Navigator* navigator() const { return navigator_; }
    QPushButton* printButton() const { return print_; }
    ui::BoundTable& child() { return *child_; }

private:
    void openCardPrints();

    QString registryNumber_;
    ui::BoundTable* child_ = nullptr;
    children::CardPanel* card_ = nullptr;
    ui::Navigator* navigator_ = nullptr;
    QPushButton* print_ = nullptr;
};

}  // namespace children
