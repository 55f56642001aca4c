#include "searches/arrival_departure_search_window.h"

#include <QComboBox>
#include <QPushButton>

#include "common/day_hours.h"
#include "searches/hour_search_window.h"

TForm50::TForm50(const common::ProgramContext& context, TForm27* results, QWidget* parent)
    : searches::SearchWindow(context, results, parent) {
    setWindowTitle(QStringLiteral("Ώρα προσέλευσης  και αποχώρησης"));
    searchButton_ = makeSearchButton(QStringLiteral("Eύ&ρεση"));
    searchButton_->setEnabled(false);
    connect(searchButton_, &QPushButton::clicked, this, &TForm50::search);
    arrange(makeInputs(), searchButton_);
}

QWidget* TForm50::makeInputs() {
    arrival_ = searches::makeHourList(common::arrivalHours(), this);
    departure_ = searches::makeHourList(common::departureHours(), this);
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
        searches::arrivalAndDepartureSearch(arrival_->currentText(), departure_->currentText()));
}
