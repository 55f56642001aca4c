#include "finance/vat_rate_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "finance/receipt_settings.h"
#include "finance/tuition_ledger.h"
#include "ui/labels.h"
#include "ui/modal.h"
#include "ui/navigator.h"

namespace finance {

VatRateWindow::VatRateWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent), endProgram_([] { QCoreApplication::exit(0); }) {
    setWindowTitle(QStringLiteral("Συντελεστής Φ.Π.Α"));
    rate_ = bindTable(finance::vatRateTable());
    rateField_ = new QLineEdit(this);
    rate_->bind(rateField_, QStringLiteral("VAT_RATIO"));
    // Only the store button: the window stores itself, so the navigator is not attached to
    // the table, and the store is followed by the end of the program.
    navigator_ = new ui::Navigator(ui::Navigator::Post, this);
    navigator_->setButtonEnabled(ui::Navigator::Post, false);
    connect(rate_, &ui::BoundTable::changed, this,
            [this] { navigator_->setButtonEnabled(ui::Navigator::Post, rate_->isEditing()); });
    connect(navigator_, &ui::Navigator::clicked, this, &VatRateWindow::storeClicked);

    auto* field = new QHBoxLayout;
    field->addWidget(new QLabel(QStringLiteral("Συντελεστής Φ.Π.Α (%):"), this));
    field->addWidget(rateField_);
    field->addWidget(ui::requiredMark(this));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(navigator_);
    buttons->addStretch();
    buttons->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);
    fixSizeAndCentre();
}

void VatRateWindow::storeClicked() {
    if (!rate_->isEditing() || !rate_->post()) {
        return;  // nothing typed, or the typing was refused and stays
    }
    ui::inform(this, finance::vatRateStoredMessage());
    accept();
    endProgram_();
}

}  // namespace finance
