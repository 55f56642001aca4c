#include "reports/arrival_departure_search_window.h"

#include <QComboBox>
#include <QPushButton>

#include "common/day_hours.h"
#include "reports/hour_search_window.h"

TForm50::TForm50(TForm27* results, QWidget* parent) : reports::SearchWindow(results, parent) {
    setWindowTitle(QStringLiteral("Ώρα προσέλευσης  και αποχώρησης"));
    searchButton_ = makeSearchButton(QStringLiteral("Eύ&ρεση"));
    searchButton_->setEnabled(false);
    connect(searchButton_, &QPushButton::clicked, this, &TForm50::search);
    arrange(makeInputs(), searchButton_);
}

QWidget* TForm50::makeInputs() {
    arrival_ = reports::makeHourList(common::arrivalHours(), this);
    departure_ = reports::makeHourList(common::departureHours(), this);
    connect(arrival_, &QComboBox::currentIndexChanged, this, &TForm50::hourChosen);
    connect(departure_, &QComboBox::currentIndexChanged, this, &TForm50::hourChosen);
    return makeRequiredInputs({{QStringLiteral("Ώρα προσέλευσης:"), arrival_},
                               {QStringLiteral("Ώρα αποχώρησης:"), departure_}});
}

void TForm50::hourChosen() {
    if (arrival_->currentIndex() >= 0 && departure_->currentIndex() >= 0) {
        searchButton_->setEnabled(true);
    }
}

void TForm50::search() {
    runSearch(
        reports::arrivalAndDepartureSearch(arrival_->currentText(), departure_->currentText()));
}
