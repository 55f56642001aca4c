#include "searches/position_search_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/forbidden_characters.h"
#include "ui/labels.h"

namespace searches {

PositionSearchWindow::PositionSearchWindow(const common::ProgramContext& context,
                                           SearchResultsWindow* results, QWidget* parent)
    : searches::SearchWindow(context, results, parent) {
    setWindowTitle(QStringLiteral("Θέση του παιδιού στην οικογένεια"));
    searchButton_ = makeSearchButton(QStringLiteral("Eύ&ρεση"));
    connect(searchButton_, &QPushButton::clicked, this, &PositionSearchWindow::search);
    arrange(makeInputs(), searchButton_);
}

QWidget* PositionSearchWindow::makeInputs() {
    auto* inputs = new QWidget(this);
    auto* layout = new QHBoxLayout(inputs);
    position_ = new QLineEdit(inputs);
    position_->setMaximumWidth(60);
    layout->addWidget(new QLabel(QStringLiteral("Θέση:"), inputs));
    layout->addWidget(position_);
    layout->addWidget(ui::requiredMark(inputs));
    layout->addWidget(ui::forbiddenCharacterNote(position_, inputs));
    layout->addStretch();
    connect(position_, &QLineEdit::textChanged, this, [this](const QString& text) {
        searchButton_->setEnabled(common::passesForbiddenCharacterTest(text));
    });
    return inputs;
}

void PositionSearchWindow::search() {
    runCheckedSearch(searches::positionSearch(position_->text()));
}

}  // namespace searches
