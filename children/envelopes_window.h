#pragma once

#include "common/program_context.h"
#include "ui/window.h"

class QPushButton;

namespace children {

// "Εκτύπωση διευθύνσεων σε φακέλλους": prints one envelope per active child, addressed to the
// guardian. One window lives for the whole program; it connects only for the time of a print.
class EnvelopesWindow : public ui::Window {
    Q_OBJECT
public:
    explicit EnvelopesWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    static QString caption();

    QPushButton* printButton() const { return print_; }
    // Failures (a missing report file, a refused statement) reach the general error report.
    void print();

private:
    const common::ProgramContext& context_;
    QPushButton* print_;
};

}  // namespace children
