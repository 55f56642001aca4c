#include "reports/arrival_departure_search_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "reports/hour_search_window.h"
#include "ui/labels.h"

TForm50::TForm50(TForm27* results, QWidget* parent) : reports::SearchWindow(results, parent) {
    setWindowTitle(QStringLiteral("Ώρα προσέλευσης  και αποχώρησης"));
    searchButton_ = makeSearchButton(QStringLiteral("Eύ&ρεση"));
    searchButton_->setEnabled(false);
    connect(searchButton_, &QPushButton::clicked, this, &TForm50::search);
    arrange(makeInputs(), searchButton_);
}

QWidget* TForm50::makeInputs() {
    auto* inputs = new QWidget(this);
    auto* layout = new QGridLayout(inputs);
    arrival_ = reports::makeHourList(reports::arrivalHours(), inputs);
    departure_ = reports::makeHourList(reports::departureHours(), inputs);
    layout->addWidget(new QLabel(QStringLiteral("Ώρα προσέλευσης:"), inputs), 0, 0);
    layout->addWidget(arrival_, 0, 1);
    layout->addWidget(ui::requiredMark(inputs), 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("Ώρα αποχώρησης:"), inputs), 1, 0);
    layout->addWidget(departure_, 1, 1);
    layout->addWidget(ui::requiredMark(inputs), 1, 2);
    connect(arrival_, &QComboBox::currentIndexChanged, this, &TForm50::hourChosen);
    connect(departure_, &QComboBox::currentIndexChanged, this, &TForm50::hourChosen);
    return inputs;
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
