#include "organiser/notes_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include "ui/labels.h"

namespace organiser {

NotesWindow::NotesWindow(const common::ProgramContext& context, QWidget* parent)
    : BookWindow(context, organiser::notesBook(),
                 {QStringLiteral("TITLE"), QStringLiteral("Επικεφαλίδα"), 520}, parent) {
    setWindowTitle(QStringLiteral("Βιβλίο σημειώσεων"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Επικεφαλίδα:"), this), 0, 0);
    layout->addWidget(titleField(), 0, 1);
    layout->addWidget(ui::requiredMark(this), 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("Κείμενο:"), this), 1, 0, Qt::AlignTop);
    layout->addWidget(textField(), 1, 1);
    layout->addWidget(grid(), 2, 1);
    layout->addWidget(navigator(), 3, 1);
    layout->addWidget(makeExitButton(), 4, 1, Qt::AlignRight);
    textField()->setMinimumSize(560, 220);
    grid()->setMinimumHeight(200);
    fixSizeAndCentre();
}

}  // namespace organiser
