#include "finance/payment_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/error_report.h"
#include "common/forbidden_characters.h"
#include "db/clock.h"
#include "finance/payment.h"
#include "finance/tuition_ledger.h"
#include "finance/tuition_receipt.h"
#include "ui/labels.h"
#include "ui/modal.h"

namespace finance {

PaymentWindow::PaymentWindow(const common::ProgramContext& context, const QString& childNumber,
                             const QString& firstName, const QString& surname, QWidget* parent)
    : ui::DataWindow(context, parent),
      childNumber_(childNumber),
      firstName_(firstName),
      surname_(surname) {
    setWindowTitle(QStringLiteral("Πληρωμή διδάκτρων"));
    buildLayout();
    readSettings();
    connect(amountField_, &QLineEdit::textChanged, this, &PaymentWindow::updatePayButton);
    connect(recipientField_, &QLineEdit::textChanged, this, &PaymentWindow::updatePayButton);
    connect(payButton_, &QPushButton::clicked, this, &PaymentWindow::pay);
    fixSizeAndCentre();
}

void PaymentWindow::buildLayout() {
    monthList_ = new QComboBox(this);
    monthList_->addItems(finance::paymentMonths());
    monthList_->setCurrentIndex(finance::paymentMonthIndex(db::Clock::today()));
    yearList_ = new QComboBox(this);
    yearList_->addItems(finance::paymentYears(db::Clock::today()));
    yearList_->setCurrentIndex(finance::paymentYearIndex(db::Clock::today()));
    amountField_ = new QLineEdit(this);
    recipientField_ = new QLineEdit(this);
    payButton_ = new QPushButton(QStringLiteral("Κατα&χώρηση"), this);
    payButton_->setEnabled(false);
    setMainAction(payButton_);
    exit_ = makeExitButton();
    receiptNumber_ = ui::redLabel(QString(), this, true);
    vatRate_ = ui::redLabel(QString(), this, true);

    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const QString& label, QWidget* field, QWidget* after = nullptr) {
        grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(field, row, 1);
        if (after) {
            grid->addWidget(after, row, 2);
        }
        ++row;
    };
    addRow(QStringLiteral("Αρ. Μητρώου:"), ui::redLabel(childNumber_, this, true));
    addRow(QStringLiteral("Όνομα:"), ui::redLabel(firstName_, this, true));
    addRow(QStringLiteral("Επώνυμο:"), ui::redLabel(surname_, this, true));
    addRow(QStringLiteral("Αριθμός απόδειξης:"), receiptNumber_);
    grid->addWidget(new QLabel(QStringLiteral("Πληρωμή για:"), this), row++, 0);
    addRow(QStringLiteral("Μήνα:"), monthList_);
    addRow(QStringLiteral("Έτος:"), yearList_, ui::requiredMark(this));
    addRow(QStringLiteral("Ποσό:"), amountField_, ui::redLabel(QStringLiteral("* (Σε EUR)"), this));
    addRow(QStringLiteral("Συντελεστής Φ.Π.Α (%):"), vatRate_);
    addRow(QStringLiteral("Παραλήπτης:"), recipientField_);
    // Why the payment button stays disabled for a recipient such as "Γ. Αλεξίου".
    grid->addWidget(ui::forbiddenCharacterNote(recipientField_, this), row++, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(payButton_);
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setTabOrder(monthList_, yearList_);
    setTabOrder(yearList_, amountField_);
    setTabOrder(amountField_, recipientField_);
    setTabOrder(recipientField_, payButton_);
    setTabOrder(payButton_, exit_);
    amountField_->setFocus();
}

void PaymentWindow::readSettings() {
    vatRate_->setText(finance::vatRateText(connection()));
    receiptNumber_->setText(finance::nextReceiptNumberText(connection()));
}

QString PaymentWindow::receiptNumberText() const {
    return receiptNumber_->text();
}

QString PaymentWindow::vatRateText() const {
    return vatRate_->text();
}

void PaymentWindow::updatePayButton() {
    const QString amount = amountField_->text().trimmed();
    const QString recipient = recipientField_->text().trimmed();
    payButton_->setEnabled(!amount.isEmpty() && !recipient.isEmpty() &&
                           common::passesForbiddenCharacterTest(recipient));
}

void PaymentWindow::pay() {
    const finance::PaymentRequest request{childNumber_,
                                          firstName_,
                                          surname_,
                                          monthList_->currentText(),
                                          yearList_->currentText(),
                                          amountField_->text(),
                                          recipientField_->text().trimmed(),
                                          vatRateText().trimmed(),
                                          receiptNumberText().trimmed()};
    try {
        if (finance::payTuition(connection(), request, finance::installedReceiptPrinter()) ==
            finance::PaymentOutcome::AmountRefused) {
            ui::warn(this, finance::amountRefusedMessage());
            clearEntry();
            return;
        }
    } catch (const finance::ReceiptNotPrinted& failure) {
        // The payment is recorded and the counter has moved on: staying open would offer the
        // same receipt number again.
        ui::reportError(this, finance::receiptNotPrintedMessage(failure));
        accept();
        return;
    } catch (const finance::ReceiptNumberMoved& moved) {
        // Nothing was written: the entry stays, to be paid under the number the counter holds.
        receiptNumber_->setText(QString::number(moved.currentNumber()));
        ui::warn(this, finance::receiptNumberMovedMessage(moved));
        return;
    } catch (const db::Error& failure) {
        if (failure.isBusy()) {
            // Nothing was written and nothing is wrong with the entry: it stays for another try.
            ui::warn(this, common::databaseBusyMessage(failure));
        } else {
            reportFailedPayment();
        }
        return;
    } catch (const std::exception&) {
        reportFailedPayment();
        return;
    }
    accept();
}

void PaymentWindow::reportFailedPayment() {
    ui::warn(this, finance::paymentFailedMessage());
    clearEntry();
}

void PaymentWindow::clearEntry() {
    amountField_->clear();
    recipientField_->clear();
}

}  // namespace finance
