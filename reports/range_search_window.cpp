#include "reports/range_search_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/forbidden_characters.h"
#include "ui/labels.h"

namespace reports {

RangeSearchWindow::RangeSearchWindow(const QString& caption, Builder build, TForm27* results,
                                     QWidget* parent)
    : SearchWindow(results, parent), build_(build) {
    setWindowTitle(caption);
    searchButton_ = makeSearchButton(QStringLiteral("Εύ&ρεση"));
    connect(searchButton_, &QPushButton::clicked, this, &RangeSearchWindow::search);
    arrange(makeInputs(), searchButton_);
}

QWidget* RangeSearchWindow::makeInputs() {
    auto* inputs = new QWidget(this);
    auto* layout = new QGridLayout(inputs);
    from_ = new QLineEdit(inputs);
    to_ = new QLineEdit(inputs);
    from_->setMaximumWidth(60);
    to_->setMaximumWidth(60);
    layout->addWidget(new QLabel(QStringLiteral("Από:"), inputs), 0, 0);
    layout->addWidget(from_, 0, 1);
    layout->addWidget(ui::requiredMark(inputs), 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("Μέχρι:"), inputs), 1, 0);
    layout->addWidget(to_, 1, 1);
    layout->addWidget(ui::requiredMark(inputs), 1, 2);
    connect(from_, &QLineEdit::textChanged, this, &RangeSearchWindow::fieldChanged);
    connect(to_, &QLineEdit::textChanged, this, &RangeSearchWindow::fieldChanged);
    return inputs;
}

void RangeSearchWindow::fieldChanged() {
    searchButton_->setEnabled(app::passesForbiddenCharacterTest(from_->text()) &&
                              app::passesForbiddenCharacterTest(to_->text()));
}

void RangeSearchWindow::search() {
    runCheckedSearch(build_(from_->text(), to_->text()));
}

}  // namespace reports
