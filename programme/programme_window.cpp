#include "programme/programme_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <stdexcept>

#include "programme/programme_print_window.h"
#include "ui/labels.h"
#include "ui/modal.h"

namespace programme {

ProgrammeWindow::ProgrammeWindow(const common::ProgramContext& context,
                                 const TeachingProgramme& kind, PrintWindowFinder findPrintWindow,
                                 QWidget* parent)
    : ui::DataWindow(context, parent),
      kind_(kind),
      findPrintWindow_(std::move(findPrintWindow)),
      rows_(bindTable(kind.table)),
      text_(new QPlainTextEdit(this)),
      grid_(new QTableView(this)),
      navigator_(new ui::Navigator(ui::Navigator::all(), this)),
      printButton_(new QPushButton(QStringLiteral("Εκτύπωση"), this)) {
    setWindowTitle(kind.caption);
    QList<ui::GridColumn> columns;
    for (const ProgrammeKey& key : kind.keys) {
        auto* field = new QLineEdit(this);
        field->setFixedWidth(110);
        rows_->bind(field, key.column);
        rows_->setCaption(key.column, key.title);
        keyFields_.append(field);
        columns.append({key.column, key.title, 100, Qt::AlignCenter});
    }
    rows_->bind(text_, QStringLiteral("KEIMENO"));
    rows_->setCaption(QStringLiteral("KEIMENO"), QStringLiteral("Κείμενο"));
    rows_->attachGrid(grid_, columns);
    rows_->attachNavigator(navigator_);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setTabChangesFocus(true);
    text_->setMinimumSize(520, 380);
    grid_->setFocusPolicy(Qt::ClickFocus);  // the keyboard order passes the grid by
    grid_->setFixedWidth(static_cast<int>(columns.size()) * 100 + 40);
    printButton_->setAutoDefault(false);
    connect(printButton_, &QPushButton::clicked, this, &ProgrammeWindow::showPrintWindow);
    QPushButton* exitButton = makeExitButton();

    auto* textLabel = new QHBoxLayout;
    textLabel->addWidget(new QLabel(QStringLiteral("Κείμενο:"), this));
    textLabel->addWidget(ui::requiredMark(this));
    textLabel->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(navigator_);
    buttons->addStretch();
    buttons->addWidget(printButton_);
    buttons->addWidget(exitButton);

    auto* layout = new QGridLayout(this);
    layout->addLayout(makeKeyRows(), 0, 0);
    layout->addLayout(textLabel, 1, 0);
    layout->addWidget(text_, 2, 0);
    layout->addWidget(grid_, 0, 1, 3, 1);
    layout->addLayout(buttons, 3, 0, 1, 2);

    QWidget* previous = nullptr;
    for (QWidget* next : QList<QWidget*>{keyFields_.begin(), keyFields_.end()} +
                             QList<QWidget*>{text_, printButton_, exitButton, navigator_}) {
        if (previous) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
    fixSizeAndCentre();
}

QLayout* ProgrammeWindow::makeKeyRows() {
    auto* keys = new QGridLayout;
    for (int i = 0; i < keyFields_.size(); ++i) {
        const ProgrammeKey& key = kind_.keys.at(i);
        keys->addWidget(new QLabel(key.label, this), i, 0);
        keys->addWidget(keyFields_.at(i), i, 1);
        keys->addWidget(ui::requiredMark(this), i, 2);
        if (!key.example.isEmpty()) {
            keys->addWidget(ui::redLabel(key.example, this), i, 3);
        }
    }
    keys->setColumnStretch(4, 1);
    return keys;
}

void ProgrammeWindow::formShow() {
    rows_->sortBy(kind_.sort);
}

void ProgrammeWindow::showPrintWindow() {
    ProgrammePrintWindow* print = findPrintWindow_();
    if (!print) {
        throw std::logic_error(
            "A programme was printed before the program created its print "
            "window");
    }
    QStringList keyTexts;
    for (const QLineEdit* field : keyFields_) {
        keyTexts.append(field->text().trimmed());
    }
    print->setKeyTexts(keyTexts);
    ui::showModal(print);
}

}  // namespace programme
