#include "searches/search_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "db/error.h"
#include "searches/search_results_window.h"
#include "searches/title_lines.h"
#include "ui/labels.h"
#include "ui/long_lived_windows.h"
#include "ui/modal.h"

namespace searches {

SearchWindow::SearchWindow(const common::ProgramContext& context, SearchResultsWindow* results,
                           QWidget* parent)
    : ui::DataWindow(context, parent), results_(results) {}

SearchResultsWindow& SearchWindow::results() {
    if (!results_) {
        results_ = ui::longLivedWindow<SearchResultsWindow>();
    }
    if (!results_) {
        throw std::logic_error("A search ran before the program created the search results window");
    }
    return *results_;
}

void SearchWindow::runSearch(const SearchRequest& request) {
    writeSearchTitle(connection(), request.title);
    results().setSearchText(request.statement);
    results().showSearch();
}

void SearchWindow::runCheckedSearch(const std::optional<SearchRequest>& request) {
    try {
        if (!request) {
            ui::warn(this, wrongCriteriaMessage());
            return;
        }
        runSearch(*request);
    } catch (const db::Error&) {
        ui::warn(this, wrongCriteriaMessage());
    }
}

QPushButton* SearchWindow::makeSearchButton(const QString& caption) {
    auto* button = new QPushButton(caption, this);
    setMainAction(button);
    return button;
}

QWidget* SearchWindow::makeRequiredInputs(
    const QList<std::pair<QString, QWidget*>>& labelledInputs) {
    auto* inputs = new QWidget(this);
    auto* layout = new QGridLayout(inputs);
    int row = 0;
    for (const auto& [label, input] : labelledInputs) {
        layout->addWidget(new QLabel(label, inputs), row, 0);
        layout->addWidget(input, row, 1);
        layout->addWidget(ui::requiredMark(inputs), row, 2);
        ++row;
    }
    return inputs;
}

void SearchWindow::arrange(QWidget* inputs, QPushButton* searchButton) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(searchButton);
    buttons->addWidget(makeExitButton());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputs);
    layout->addLayout(buttons);
    fixSizeAndCentre();
}

}  // namespace searches
