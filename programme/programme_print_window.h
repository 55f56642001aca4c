#pragma once

#include <QStringList>

#include "common/program_context.h"
#include "programme/teaching_programmes.h"
#include "ui/window.h"

class QPushButton;

namespace programme {

// "Εκτύπωση" of one kind of teaching programme, created once at program start and reused:
// prints every programme of the kind, or the one whose key the editing window handed over
// last. It connects only while it prints; failures reach the general error report.
class ProgrammePrintWindow : public ui::Window {
    Q_OBJECT
public:
    // The key texts as the editing window shows them; printing "the selected" programme is
    // possible only when they form a key.
    void setKeyTexts(const QStringList& keyTexts);
    QStringList keyTexts() const { return keyTexts_; }

    QPushButton* printAllButton() const { return printAll_; }
    QPushButton* printSelectedButton() const { return printSelected_; }

    void printAll();
    void printSelected();

protected:
    ProgrammePrintWindow(const common::ProgramContext& context, const TeachingProgramme& kind,
                         QWidget* parent);

private:
    void print(const QString& statement);

    const common::ProgramContext& context_;
    const TeachingProgramme& kind_;
    QStringList keyTexts_;
    QPushButton* printAll_;
    QPushButton* printSelected_;
};

}  // namespace programme
