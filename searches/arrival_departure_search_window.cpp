#include "searches/arrival_departure_search_window.h"

#include <QComboBox>
#include <QPushButton>

#include "common/day_hours.h"
#include "searches/hour_search_window.h"

namespace searches {

ArrivalDepartureSearchWindow::ArrivalDepartureSearchWindow(const common::ProgramContext& context,
                                                           SearchResultsWindow* results,
                                                           QWidget* parent)
    : searches::SearchWindow(context, results, parent) {
    setWindowTitle(QStringLiteral("Ώρα προσέλευσης  και αποχώρησης"));
    searchButton_ = makeSearchButton(QStringLiteral("Eύ&ρεση"));
    searchButton_->setEnabled(false);
    connect(searchButton_, &QPushButton::clicked, this, &ArrivalDepartureSearchWindow::search);
    arrange(makeInputs(), searchButton_);
}

QWidget* ArrivalDepartureSearchWindow::makeInputs() {
    arrival_ = searches::makeHourList(common::arrivalHours(), this);
    departure_ = searches::makeHourList(common::departureHours(), this);
    connect(arrival_, &QComboBox::currentIndexChanged, this,
            &ArrivalDepartureSearchWindow::hourChosen);
    connect(departure_, &QComboBox::currentIndexChanged, this,
            &ArrivalDepartureSearchWindow::hourChosen);
    return makeRequiredInputs({{QStringLiteral("Ώρα προσέλευσης:"), arrival_},
                               {QStringLiteral("Ώρα αποχώρησης:"), departure_}});
}

void ArrivalDepartureSearchWindow::hourChosen() {
    if (arrival_->currentIndex() >= 0 && departure_->currentIndex() >= 0) {
        searchButton_->setEnabled(true);
    }
}

void ArrivalDepartureSearchWindow::search() {
    runSearch(
        searches::arrivalAndDepartureSearch(arrival_->currentText(), departure_->currentText()));
}

}  // namespace searches
