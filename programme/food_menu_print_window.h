#pragma once

#include "common/program_context.h"
#include "ui/window.h"

class QPushButton;

namespace programme {

// "Εκτύπωση" of the weekly food menus, created once at program start and reused: prints every
// menu, or those named as the menu the editing window handed over last. It connects only while
// it prints; failures reach the general error report.
class FoodMenuPrintWindow : public ui::Window {
    Q_OBJECT
public:
    explicit FoodMenuPrintWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    void setMenuName(const QString& name) { menuName_ = name; }
    QString menuName() const { return menuName_; }

    QPushButton* printAllButton() const { return printAll_; }
    QPushButton* printSelectedButton() const { return printSelected_; }

    void printAll();
    void printSelected();

private:
    void print(const QString& statement);

    const common::ProgramContext& context_;
    QString menuName_;
    QPushButton* printAll_;
    QPushButton* printSelected_;
};

}  // namespace programme
