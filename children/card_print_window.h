#pragma once

#include "children/card_print.h"
#include "common/program_context.h"
#include "ui/window.h"

class QPushButton;

namespace children {

// The card print window, "Εκτύπωση": prints the children list as it stands on screen, the
// personal information cards and the health cards, of every active child (the mode "all",
// opened from the children list) or of one child (opened from the child's details window).
// One window lives for the whole program and keeps its mode and list select between
// openings; children::cardPrintWindow() finds it.
class CardPrintWindow : public ui::Window {
    Q_OBJECT
public:
    explicit CardPrintWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    static QString caption();

    // Set by the opener just before showing the window.
    void setMode(const children::CardPrintMode& mode);
    children::CardPrintMode mode() const { return mode_; }
    // The program the window prints from; the context must outlive the window or be replaced.
    void setProgramContext(const common::ProgramContext& context) { context_ = &context; }
    // Set by the children list at every refresh of the list.
    void setListSelect(const QString& select) { listSelect_ = select; }
    QString listSelect() const { return listSelect_; }

    // Runs the select of the printout and its report file, on a connection of its own for the
    // time of the print. Failures reach the general error report.
    void print(children::CardPrint which);

    QPushButton* listButton() const { return list_; }
    QPushButton* personalCardButton() const { return personal_; }
    QPushButton* healthCardButton() const { return health_; }

private:
    QPushButton* printButton(const QString& caption, children::CardPrint which);

    const common::ProgramContext* context_;
    children::CardPrintMode mode_;
    QString listSelect_;
    QPushButton* list_ = nullptr;
    QPushButton* personal_ = nullptr;
    QPushButton* health_ = nullptr;
};

// The program's one card print window: the long-lived one the program made at start-up, or,
// where there is none (a window used on its own, as in tests), one made on first use, working
// with the context of its latest caller, and destroyed when the application quits.
CardPrintWindow& cardPrintWindow(const common::ProgramContext& context);

}  // namespace children
