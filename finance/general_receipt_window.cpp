#include "finance/general_receipt_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/error_report.h"
#include "common/forbidden_characters.h"
#include "finance/general_receipt.h"
#include "finance/tuition_ledger.h"
#include "ui/labels.h"
#include "ui/modal.h"

namespace finance {

GeneralReceiptWindow::GeneralReceiptWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent) {
    setWindowTitle(QStringLiteral("Έκδοση απόδειξης γενικής φύσεως"));
    buildLayout();
    vatRate_ = vatRateText(connection());
    receiptNumber_ = nextReceiptNumberText(connection());
    for (QLineEdit* field : {firstName_, surname_, recipient_, description_, amount_}) {
        connect(field, &QLineEdit::textChanged, this, &GeneralReceiptWindow::updateIssueButton);
    }
    connect(issue_, &QPushButton::clicked, this, &GeneralReceiptWindow::issue);
    fixSizeAndCentre();
}

void GeneralReceiptWindow::buildLayout() {
    firstName_ = new QLineEdit(this);
    surname_ = new QLineEdit(this);
    recipient_ = new QLineEdit(this);
    description_ = new QLineEdit(this);
    description_->setMinimumWidth(520);
    amount_ = new QLineEdit(this);
    amount_->setMaximumWidth(110);
    issue_ = new QPushButton(QStringLiteral("Καταχώρηση"), this);
    issue_->setEnabled(false);
    setMainAction(issue_);
    QPushButton* exit = makeExitButton();

    auto* grid = new QGridLayout;
    const std::tuple<QString, QLineEdit*, QString> rows[] = {
        {QStringLiteral("Όνομα παιδιού:"), firstName_, QStringLiteral("*")},
        {QStringLiteral("Επώνυμο παιδιού:"), surname_, QStringLiteral("*")},
        {QStringLiteral("Παραλήπτης:"), recipient_, QStringLiteral("*")},
        {QStringLiteral("Περιγραφή:"), description_, QStringLiteral("*")},
        {QStringLiteral("Ποσό:"), amount_, QStringLiteral("* (EUR)")},
    };
    int row = 0;
    for (const auto& [caption, field, mark] : rows) {
        grid->addWidget(new QLabel(caption, this), row, 0);
        auto* fieldAndMark = new QHBoxLayout;
        fieldAndMark->addWidget(field);
        fieldAndMark->addWidget(ui::redLabel(mark, this));
        if (field == amount_) {
            fieldAndMark->addStretch();
        }
        grid->addLayout(fieldAndMark, row, 1);
        ++row;
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(issue_);
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setTabOrder(firstName_, surname_);
    setTabOrder(surname_, recipient_);
    setTabOrder(recipient_, description_);
    setTabOrder(description_, amount_);
    setTabOrder(amount_, issue_);
    setTabOrder(issue_, exit);
    firstName_->setFocus();
}

void GeneralReceiptWindow::updateIssueButton() {
    bool allowed = !amount_->text().trimmed().isEmpty();
    for (const QLineEdit* field : {firstName_, surname_, recipient_, description_}) {
        const QString text = field->text().trimmed();
        allowed = allowed && !text.isEmpty() && common::passesForbiddenCharacterTest(text);
    }
    issue_->setEnabled(allowed);
}

void GeneralReceiptWindow::issue() {
    const GeneralReceiptRequest request{firstName_->text().trimmed(),
                                        surname_->text().trimmed(),
                                        recipient_->text().trimmed(),
                                        description_->text().trimmed(),
                                        amount_->text(),
                                        vatRate_.trimmed(),
                                        receiptNumber_.trimmed()};
    try {
        if (issueGeneralReceipt(connection(), request, installedGeneralReceiptPrinter()) ==
            PaymentOutcome::AmountRefused) {
            ui::warn(this, amountRefusedMessage());
            amount_->clear();
            return;
        }
    } catch (const ReceiptNotPrinted& failure) {
        // The receipt is recorded and the counter has moved on: staying open would offer a
        // second receipt for the same payment.
        ui::reportError(this, receiptNotPrintedMessage(failure));
        accept();
        return;
    } catch (const ReceiptNumberMoved& moved) {
        receiptNumber_ = QString::number(moved.currentNumber());
        ui::warn(this, receiptNumberMovedMessage(moved));
        return;
    } catch (const db::Error& failure) {
        ui::warn(this,
                 failure.isBusy() ? common::databaseBusyMessage(failure) : paymentFailedMessage());
        return;
    } catch (const std::exception&) {
        ui::warn(this, paymentFailedMessage());
        return;
    }
    accept();
}

}  // namespace finance
