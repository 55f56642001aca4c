#include "organiser/notes_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include "organiser/books.h"
#include "ui/labels.h"

TForm5::TForm5(QWidget* parent)
    : ui::DataWindow(parent),
      notes_(bindTable(organiser::notesBook().table)),
      title_(new QLineEdit(this)),
      text_(new QPlainTextEdit(this)),
      grid_(new QTableView(this)),
      navigator_(new ui::Navigator(ui::Navigator::all(), this)) {
    setWindowTitle(QStringLiteral("Βιβλίο σημειώσεων"));

    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->setFocusPolicy(Qt::ClickFocus);  // the keyboard order passes the grid by
    notes_->bind(title_, QStringLiteral("TITLE"));
    notes_->bind(text_, QStringLiteral("KEIMENO"));
    notes_->attachGrid(grid_, {{QStringLiteral("TITLE"), QStringLiteral("Επικεφαλίδα"), 520}},
                       ui::BoundTable::GridEditing::InPlace);
    notes_->attachNavigator(navigator_);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Επικεφαλίδα:"), this), 0, 0);
    layout->addWidget(title_, 0, 1);
    layout->addWidget(ui::requiredMark(this), 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("Κείμενο:"), this), 1, 0, Qt::AlignTop);
    layout->addWidget(text_, 1, 1);
    layout->addWidget(grid_, 2, 1);
    layout->addWidget(navigator_, 3, 1);
    layout->addWidget(makeExitButton(), 4, 1, Qt::AlignRight);
    text_->setMinimumSize(560, 220);
    grid_->setMinimumHeight(200);
    fixSizeAndCentre();
}

void TForm5::formShow() { notes_->sortBy(organiser::notesBook().sort); }
