#include "searches/hour_search_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/labels.h"

namespace searches {

QComboBox* makeHourList(const QStringList& hours, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->addItems(hours);
    list->setCurrentIndex(-1);
    return list;
}

HourSearchWindow::HourSearchWindow(const common::ProgramContext& context, const QString& caption,
                                   const QString& label, const QStringList& hours, Builder build,
                                   SearchResultsWindow* results, QWidget* parent)
    : SearchWindow(context, results, parent), build_(build) {
    setWindowTitle(caption);
    searchButton_ = makeSearchButton(QStringLiteral("Eύ&ρεση"));
    searchButton_->setEnabled(false);
    connect(searchButton_, &QPushButton::clicked, this, &HourSearchWindow::search);
    arrange(makeInputs(label, hours), searchButton_);
}

QWidget* HourSearchWindow::makeInputs(const QString& label, const QStringList& hours) {
    auto* inputs = new QWidget(this);
    auto* layout = new QHBoxLayout(inputs);
    hours_ = makeHourList(hours, inputs);
    layout->addWidget(new QLabel(label, inputs));
    layout->addWidget(hours_);
    layout->addWidget(ui::requiredMark(inputs));
    connect(hours_, &QComboBox::currentIndexChanged, this,
            [this](int index) { searchButton_->setEnabled(index >= 0); });
    return inputs;
}

void HourSearchWindow::search() {
    runSearch(build_(hours_->currentText()));
}

}  // namespace searches
