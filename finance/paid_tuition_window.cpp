#include "finance/paid_tuition_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "db/query.h"
#include "finance/child_identity_lines.h"
#include "finance/tuition_views.h"
#include "ui/labels.h"
#include "ui/navigator.h"

namespace finance {

namespace {

QList<ui::GridColumn> paidColumns() {
    return {
        {QStringLiteral("ARITHMOS_APODEIKSHS"), QStringLiteral("Αριθμός απόδειξης"), 125,
         ui::kCentred},
        {QStringLiteral("HMEROMHNIA"), QStringLiteral("Ημερομηνία απόδειξης"), 145, ui::kCentred},
        {QStringLiteral("MHNAS"), QStringLiteral("Μήνας"), 55, ui::kCentred},
        {QStringLiteral("ETOS"), QStringLiteral("Έτος"), 55, ui::kCentred},
        {QStringLiteral("POSO"), QStringLiteral("Δίδακτρα (EUR)"), 110, ui::kRight},
        {QStringLiteral("VAT"), QStringLiteral("Φ.Π.Α (EUR)"), 95, ui::kRight},
        {QStringLiteral("POSOVAT"), QStringLiteral("Ολικό (EUR)"), 95, ui::kRight},
    };
}

}  // namespace

PaidTuitionWindow::PaidTuitionWindow(const common::ProgramContext& context,
                                     const QString& childNumber, const QString& firstName,
                                     const QString& surname, QWidget* parent)
    : ui::DataWindow(context, parent), childNumber_(childNumber) {
    setWindowTitle(QStringLiteral("Εξοφληθέντα δίδακτρα"));
    months_ = bindQuery();
    buildLayout(firstName, surname);
    fixSizeAndCentre();
}

void PaidTuitionWindow::buildLayout(const QString& firstName, const QString& surname) {
    auto* identity = new QGridLayout;
    addChildIdentityLines(identity, 0, childNumber_, firstName, surname, this);
    identity->setColumnStretch(2, 1);

    auto* grid = new QTableView(this);
    grid->setMinimumSize(720, 280);
    months_->attachGrid(grid, paidColumns());
    auto* navigator = new ui::Navigator(ui::Navigator::moving(), this);
    months_->attachNavigator(navigator);

    receiptCount_ = ui::redLabel(QString(), this, true);
    income_ = ui::redLabel(QString(), this, true);
    vat_ = ui::redLabel(QString(), this, true);
    total_ = ui::redLabel(QString(), this, true);
    auto* totals = new QGridLayout;
    const std::pair<QString, QLabel*> lines[] = {
        {QStringLiteral("Συνολικός αριθμός αποδείξεων:"), receiptCount_},
        {QStringLiteral("Συνολικές εισπράξεις από τα δίδακτρα (EUR):"), income_},
        {QStringLiteral("Συνολικό Φ.Π.Α (EUR):"), vat_},
        {QStringLiteral("Συνολικό ποσό από εισπράξεις διδάκτρων + Φ.Π.Α (EUR):"), total_},
    };
    int row = 0;
    for (const auto& [caption, value] : lines) {
        totals->addWidget(new QLabel(caption, this), row, 0);
        totals->addWidget(value, row, 1);
        ++row;
    }
    totals->setColumnStretch(2, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(navigator);
    bottom->addStretch();
    bottom->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(identity);
    layout->addWidget(grid);
    layout->addLayout(totals);
    layout->addLayout(bottom);
}

void PaidTuitionWindow::formShow() {
    months_->setStatement(paidMonthsStatement(childNumber_));
    db::Query totals(connection(), paidTotalsStatement(childNumber_));
    totals.open();
    receiptCount_->setText(totals.text(QStringLiteral("SYNOLO")));
    income_->setText(totals.text(QStringLiteral("EISPRAKSEIS")));
    vat_->setText(totals.text(QStringLiteral("VAT")));
    total_->setText(totals.text(QStringLiteral("POSOVAT")));
}

}  // namespace finance
