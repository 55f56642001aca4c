#include "reports/born_between_search_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/forbidden_characters.h"
#include "ui/labels.h"

TForm29::TForm29(TForm27* results, QWidget* parent) : reports::SearchWindow(results, parent) {
    setWindowTitle(QStringLiteral("Παιδιά που γεννήθηκαν μεταξύ δυο ημερομηνιών"));
    searchButton_ = makeSearchButton(QStringLiteral("Eύ&ρεση"));
    connect(searchButton_, &QPushButton::clicked, this, &TForm29::search);
    arrange(makeInputs(), searchButton_);
}

QWidget* TForm29::makeInputs() {
    auto* inputs = new QWidget(this);
    auto* layout = new QGridLayout(inputs);
    from_ = new QLineEdit(inputs);
    to_ = new QLineEdit(inputs);
    from_->setToolTip(QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/03/2007)"));
    to_->setToolTip(QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/12/2007)"));
    layout->addWidget(new QLabel(QStringLiteral("Από:"), inputs), 0, 0);
    layout->addWidget(from_, 0, 1);
    layout->addWidget(ui::requiredMark(inputs), 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("Μέχρι:"), inputs), 1, 0);
    layout->addWidget(to_, 1, 1);
    layout->addWidget(ui::requiredMark(inputs), 1, 2);
    connect(from_, &QLineEdit::textChanged, this, &TForm29::fieldChanged);
    connect(to_, &QLineEdit::textChanged, this, &TForm29::fieldChanged);
    return inputs;
}

void TForm29::fieldChanged() {
    searchButton_->setEnabled(app::passesForbiddenCharacterTest(from_->text()) &&
                              app::passesForbiddenCharacterTest(to_->text()));
}

void TForm29::search() {
    runCheckedSearch(reports::bornBetweenSearch(from_->text(), to_->text()));
}
