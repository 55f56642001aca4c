#include "finance/takings_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/error_report.h"
#include "common/forbidden_characters.h"
#include "db/error.h"
#include "searches/parametrised_searches.h"
#include "ui/labels.h"
#include "ui/modal.h"

namespace finance {

TakingsWindow::TakingsWindow(const common::ProgramContext& context, TakingsSource source,
                             const QString& title, const QString& thirdCaption, QWidget* parent)
    : ui::DataWindow(context, parent), source_(source) {
    setWindowTitle(title);
    buildLayout(thirdCaption);
    connect(from_, &QLineEdit::textChanged, this, &TakingsWindow::updateFindButton);
    connect(to_, &QLineEdit::textChanged, this, &TakingsWindow::updateFindButton);
    connect(find_, &QPushButton::clicked, this, &TakingsWindow::find);
    fixSizeAndCentre();
}

void TakingsWindow::buildLayout(const QString& thirdCaption) {
    from_ = new QLineEdit(this);
    to_ = new QLineEdit(this);
    from_->setToolTip(QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/03/2007)"));
    to_->setToolTip(QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/12/2007)"));
    find_ = new QPushButton(QStringLiteral("Eύ&ρεση"), this);
    setMainAction(find_);
    income_ = ui::redLabel(QString(), this, true);
    vat_ = ui::redLabel(QString(), this, true);
    third_ = ui::redLabel(QString(), this, true);

    auto* dates = new QGridLayout;
    dates->addWidget(new QLabel(QStringLiteral("Από:"), this), 0, 0);
    dates->addWidget(from_, 0, 1);
    dates->addWidget(ui::requiredMark(this), 0, 2);
    dates->addWidget(new QLabel(QStringLiteral("Μέχρι:"), this), 1, 0);
    dates->addWidget(to_, 1, 1);
    dates->addWidget(ui::requiredMark(this), 1, 2);
    dates->addWidget(find_, 1, 3);

    auto* results = new QGridLayout;
    const std::pair<QString, QLabel*> lines[] = {
        {QStringLiteral("Έσοδα (EUR):"), income_},
        {QStringLiteral("Φ.Π.Α (EUR):"), vat_},
        {thirdCaption, third_},
    };
    int row = 0;
    for (const auto& [caption, value] : lines) {
        results->addWidget(new QLabel(caption, this), row, 0);
        results->addWidget(value, row, 1);
        ++row;
    }
    results->setColumnMinimumWidth(1, 120);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dates);
    layout->addSpacing(12);
    layout->addLayout(results);
    layout->addLayout(bottom);
}

void TakingsWindow::updateFindButton() {
    find_->setEnabled(common::passesForbiddenCharacterTest(from_->text()) &&
                      common::passesForbiddenCharacterTest(to_->text()));
}

void TakingsWindow::find() {
    std::optional<Takings> takings;
    try {
        takings = findTakings(connection(), source_, from_->text(), to_->text());
    } catch (const db::Error& failure) {
        if (failure.isBusy()) {
            ui::warn(this, common::databaseBusyMessage(failure));
            return;
        }
        takings.reset();  // a query the engine refuses is told like a wrong date
    }
    if (!takings) {
        ui::warn(this, searches::wrongCriteriaMessage());
        return;
    }
    income_->setText(takings->income);
    vat_->setText(takings->vat);
    third_->setText(takings->third);
}

}  // namespace finance
