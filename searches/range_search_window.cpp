#include "searches/range_search_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/forbidden_characters.h"
#include "ui/labels.h"

namespace searches {

RangeSearchWindow::RangeSearchWindow(const common::ProgramContext& context, const Range& range,
                                     SearchResultsWindow* results, QWidget* parent)
    : SearchWindow(context, results, parent), build_(range.build) {
    setWindowTitle(range.caption);
    searchButton_ = makeSearchButton(range.searchCaption);
    connect(searchButton_, &QPushButton::clicked, this, &RangeSearchWindow::search);
    arrange(makeInputs(range), searchButton_);
}

QWidget* RangeSearchWindow::makeInputs(const Range& range) {
    from_ = new QLineEdit(this);
    to_ = new QLineEdit(this);
    from_->setToolTip(range.fromHint);
    to_->setToolTip(range.toHint);
    if (range.fieldWidth > 0) {
        from_->setMaximumWidth(range.fieldWidth);
        to_->setMaximumWidth(range.fieldWidth);
    }
    connect(from_, &QLineEdit::textChanged, this, &RangeSearchWindow::fieldChanged);
    connect(to_, &QLineEdit::textChanged, this, &RangeSearchWindow::fieldChanged);
    auto* inputs = new QWidget(this);
    auto* layout = new QVBoxLayout(inputs);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(
        makeRequiredInputs({{QStringLiteral("Από:"), from_}, {QStringLiteral("Μέχρι:"), to_}}));
    layout->addWidget(ui::forbiddenCharacterNote(from_, inputs));
    layout->addWidget(ui::forbiddenCharacterNote(to_, inputs));
    return inputs;
}

void RangeSearchWindow::fieldChanged() {
    searchButton_->setEnabled(common::passesForbiddenCharacterTest(from_->text()) &&
                              common::passesForbiddenCharacterTest(to_->text()));
}

void RangeSearchWindow::search() {
    runCheckedSearch(build_(from_->text(), to_->text()));
}

}  // namespace searches
