#pragma once

#include <QList>

#include "ui/data_window.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace programme {

// "Εβδομαδιαίος κατάλογος προσφερομένων φαγητών": a named menu with the three meals of each
// school day, Monday to Saturday, the menus listed by name. A forbidden character typed into
// the name is refused where it is typed, with the message; the rest of the menu being typed
// stays as it is.
class FoodMenuWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit FoodMenuWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    ui::BoundTable* menus() const { return menus_; }
    QLineEdit* nameField() const { return name_; }
    // Day 0..5 Monday..Saturday, meal 0..2 breakfast..afternoon meal.
    QPlainTextEdit* mealField(int day, int meal) const;
    QTableView* grid() const { return grid_; }
    ui::Navigator* navigator() const { return navigator_; }
    QPushButton* printButton() const { return printButton_; }

protected:
    void formShow() override;

private:
    QWidget* makeWeekTable();
    void nameEdited(const QString& text);
    QString storedName() const;
    void showName();
    void showPrintWindow();

    ui::BoundTable* menus_;
    QLineEdit* name_;
    QList<QPlainTextEdit*> meals_;  // row by row: meal, then day
    QTableView* grid_;
    ui::Navigator* navigator_;
    QPushButton* printButton_;
};

}  // namespace programme
