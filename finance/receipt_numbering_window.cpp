#include "finance/receipt_numbering_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "finance/receipt_settings.h"
#include "finance/tuition_ledger.h"
#include "ui/labels.h"
#include "ui/modal.h"

namespace finance {

ReceiptNumberingWindow::ReceiptNumberingWindow(const common::ProgramContext& context,
                                               QWidget* parent)
    : ui::DataWindow(context, parent) {
    setWindowTitle(QStringLiteral("Καθορισμός αρίθμησης των αποδείξεων"));
    numberField_ = new QLineEdit(QStringLiteral("1"), this);
    storeButton_ = new QPushButton(QStringLiteral("Κ&αταχώρηση"), this);
    setMainAction(storeButton_);
    connect(storeButton_, &QPushButton::clicked, this, &ReceiptNumberingWindow::storeFirstNumber);

    auto* field = new QHBoxLayout;
    field->addWidget(new QLabel(QStringLiteral("Έναρξη από τον αριθμό:"), this));
    field->addWidget(numberField_);
    field->addWidget(ui::requiredMark(this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(storeButton_);
    buttons->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);
    fixSizeAndCentre();
}

void ReceiptNumberingWindow::storeFirstNumber() {
    const std::optional<int> first = finance::receiptNumberingStart(numberField_->text());
    if (!first) {
        ui::warn(this, finance::numberingRefusedMessage());
        return;
    }
    finance::storeReceiptNumbering(connection(), *first);  // a refusal reaches the error report
    stored_ = true;
    ui::inform(this, finance::numberingStoredMessage());
    accept();
}

}  // namespace finance
