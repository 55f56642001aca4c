#pragma once

#include <QList>
#include <functional>

#include "programme/teaching_programmes.h"
#include "ui/data_window.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace programme {

class ProgrammePrintWindow;

// The editing window of one kind of teaching programme: its key fields, the long programme
// text, a grid of the keys (newest first) and the navigator with every editing button.
// "Εκτύπωση" hands the current key to the kind's print window and shows it.
class ProgrammeWindow : public ui::DataWindow {
    Q_OBJECT
public:
    ui::BoundTable* rows() const { return rows_; }
    QLineEdit* keyField(int index) const { return keyFields_.at(index); }
    QPlainTextEdit* textField() const { return text_; }
    QTableView* grid() const { return grid_; }
    ui::Navigator* navigator() const { return navigator_; }
    QPushButton* printButton() const { return printButton_; }

protected:
    using PrintWindowFinder = std::function<ProgrammePrintWindow*()>;
    ProgrammeWindow(const common::ProgramContext& context, const TeachingProgramme& kind,
                    PrintWindowFinder findPrintWindow, QWidget* parent);

    void formShow() override;

private:
    QLayout* makeKeyRows();
    void showPrintWindow();

    const TeachingProgramme& kind_;
    PrintWindowFinder findPrintWindow_;
    ui::BoundTable* rows_;
    QList<QLineEdit*> keyFields_;
    QPlainTextEdit* text_;
    QTableView* grid_;
    ui::Navigator* navigator_;
    QPushButton* printButton_;
};

}  // namespace programme
