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
    connect(Edit1, &QLineEdit::textChanged, this, &PaymentWindow::EditChange);
    connect(Edit2, &QLineEdit::textChanged, this, &PaymentWindow::EditChange);
    connect(Button1, &QPushButton::clicked, this, &PaymentWindow::Button1Click);
    fixSizeAndCentre();
}

void PaymentWindow::buildLayout() {
    ComboBox1 = new QComboBox(this);
    ComboBox1->addItems(finance::paymentMonths());
    ComboBox1->setCurrentIndex(finance::paymentMonthIndex(db::Clock::today()));
    ComboBox2 = new QComboBox(this);
    ComboBox2->addItems(finance::paymentYears(db::Clock::today()));
    ComboBox2->setCurrentIndex(finance::paymentYearIndex(db::Clock::today()));
    Edit1 = new QLineEdit(this);
    Edit2 = new QLineEdit(this);
    Button1 = new QPushButton(QStringLiteral("Κατα&χώρηση"), this);
    Button1->setEnabled(false);
    setMainAction(Button1);
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
    addRow(QStringLiteral("Μήνα:"), ComboBox1);
    addRow(QStringLiteral("Έτος:"), ComboBox2, ui::requiredMark(this));
    addRow(QStringLiteral("Ποσό:"), Edit1, ui::redLabel(QStringLiteral("* (Σε EUR)"), this));
    addRow(QStringLiteral("Συντελεστής Φ.Π.Α (%):"), vatRate_);
    addRow(QStringLiteral("Παραλήπτης:"), Edit2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, Edit1);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Button1);
    setTabOrder(Button1, exit_);
    Edit1->setFocus();
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

void PaymentWindow::EditChange() {
    const QString amount = Edit1->text().trimmed();
    const QString recipient = Edit2->text().trimmed();
    Button1->setEnabled(!amount.isEmpty() && !recipient.isEmpty() &&
                        common::passesForbiddenCharacterTest(recipient));
}

void PaymentWindow::Button1Click() {
    const finance::PaymentRequest request{childNumber_,
                                          firstName_,
                                          surname_,
                                          ComboBox1->currentText(),
                                          ComboBox2->currentText(),
                                          Edit1->text(),
                                          Edit2->text().trimmed(),
                                          vatRateText().trimmed(),
                                          receiptNumberText().trimmed()};
    try {
        if (finance::payTuition(connection(), request, finance::installedReceiptPrinter()) ==
            finance::PaymentOutcome::AmountRefused) {
            ui::inform(this, finance::amountRefusedMessage());
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
        ui::inform(this, finance::receiptNumberMovedMessage(moved));
        return;
    } catch (const db::Error& failure) {
        if (failure.isBusy()) {
            // Nothing was written and nothing is wrong with the entry: it stays for another try.
            ui::inform(this, common::databaseBusyMessage(failure));
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
    ui::inform(this, finance::paymentFailedMessage());
    clearEntry();
}

void PaymentWindow::clearEntry() {
    Edit1->clear();
    Edit2->clear();
}

}  // namespace finance
