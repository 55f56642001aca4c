#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "finance/issued_receipts_window.h"
#include "finance/payment.h"
#include "ui/count_label.h"
#include "window_fixture.h"

using financetest::ProgramDirectory;
using financetest::RecordingPrinter;

class IssuedReceiptsWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramDirectory> program_;
    std::unique_ptr<financetest::AnsweredMessages> seam_;
    std::unique_ptr<financetest::InstalledPrinter> printer_;

    // Pays March for a child with the counter's number at the current rate.
    void pay(int child, const QString& amount) {
        const finance::PaymentRequest request{QString::number(child),
                                              QStringLiteral("Νίκος"),
                                              QStringLiteral("Αλεξίου"),
                                              QStringLiteral("03"),
                                              QStringLiteral("2008"),
                                              amount,
                                              QStringLiteral("Γιώργος Αλεξίου"),
                                              QStringLiteral("15"),
                                              QString::number(program_->counter())};
        RecordingPrinter ignored;
        finance::payTuition(program_->connection, request, ignored);
    }
    static QString currentReceipt(finance::IssuedReceiptsWindow& window) {
        return window.receipts()->rows().text(QStringLiteral("ARITHMOS_APODEIKSHS"));
    }
    static QString buttons(finance::IssuedReceiptsWindow& window) {
        return QString(window.cancelButton()->isEnabled() ? u'C' : u'-') +
               (window.reprintButton()->isEnabled() ? u'P' : u'-');
    }
    int valid(int receipt) {
        return program_
            ->scalar(QStringLiteral("SELECT EGKYRO FROM APODEIKSEIS_HISTORY WHERE "
                                    "ARITHMOS_APODEIKSHS='%1'")
                         .arg(receipt))
            .toInt();
    }

private slots:
    void init() {
        program_ = std::make_unique<ProgramDirectory>();
        program_->setCounter(41);
        seam_ = std::make_unique<financetest::AnsweredMessages>();
        printer_ = std::make_unique<financetest::InstalledPrinter>();
    }
    void cleanup() {
        printer_.reset();
        seam_.reset();
        program_.reset();
    }

    void anEmptyArchiveListsNothingAndAllowsNothing() {
        finance::IssuedReceiptsWindow window(program_->context);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Αποδείξεις που εκδόθηκαν"));
        QCOMPARE(window.countLabel()->text(), QStringLiteral("Βρέθηκαν 0 αποδείξεις"));
        QCOMPARE(buttons(window), QStringLiteral("--"));
    }

    void theButtonsFollowTheCurrentReceipt() {
        pay(1, QStringLiteral("100.00"));  // 41
        pay(2, QStringLiteral("7.50"));    // 42: its pounds give back VAT 1.13, not 1.12
        finance::IssuedReceiptsWindow window(program_->context);
        window.show();
        QCOMPARE(window.countLabel()->text(), QStringLiteral("Βρέθηκαν 2 αποδείξεις"));
        QCOMPARE(currentReceipt(window), QStringLiteral("41"));
        QCOMPARE(buttons(window), QStringLiteral("CP"));
        window.receipts()->next();
        QCOMPARE(currentReceipt(window), QStringLiteral("42"));
        QCOMPARE(buttons(window), QStringLiteral("C-"));
    }

    void reprintsTheCurrentReceipt() {
        pay(1, QStringLiteral("100.00"));
        finance::IssuedReceiptsWindow window(program_->context);
        window.show();
        window.reprintButton()->click();
        QCOMPARE(printer_->printed, QList<int>{41});
    }

    void cancelsAfterAskingAndKeepsTheReceiptListed() {
        pay(1, QStringLiteral("100.00"));  // 41
        pay(2, QStringLiteral("100.00"));  // 42
        finance::IssuedReceiptsWindow window(program_->context);
        window.show();
        window.receipts()->next();

        seam_->defaultAnswer = false;
        window.cancelButton()->click();
        QCOMPARE(seam_->questions,
                 QStringList{QStringLiteral("Να ακυρώσω την απόδειξη με αριθμό\n42;")});
        QCOMPARE(valid(42), 1);

        seam_->defaultAnswer = true;
        window.cancelButton()->click();
        QCOMPARE(valid(42), 0);
        QCOMPARE(valid(41), 1);
        QCOMPARE(program_
                     ->scalar(QStringLiteral("SELECT COUNT(*) FROM APODEIKSEIS_DIDAKTRWN WHERE "
                                             "ARITHMOS_APODEIKSHS='42'"))
                     .toInt(),
                 0);
        QCOMPARE(currentReceipt(window), QStringLiteral("41"));  // read again, first row current
        QCOMPARE(window.countLabel()->text(), QStringLiteral("Βρέθηκαν 2 αποδείξεις"));
        window.receipts()->next();
        QCOMPARE(window.receipts()->rows().text(QStringLiteral("EGKYRO")), QStringLiteral("0"));
        QCOMPARE(buttons(window), QStringLiteral("--"));
    }

    void sortsByReceiptNumberAsText() {
        program_->setCounter(9);
        db::Clock::set(QDateTime(QDate(2008, 3, 10), QTime(9, 0)));
        pay(1, QStringLiteral("100.00"));  // 9, on 10/03
        db::Clock::set(QDateTime(QDate(2008, 3, 20), QTime(9, 0)));
        pay(2, QStringLiteral("7.50"));  // 10, on 20/03
        finance::IssuedReceiptsWindow window(program_->context);
        window.show();
        QCOMPARE(currentReceipt(window), QStringLiteral("9"));
        window.sortOption(finance::ReceiptOrder::ByReceiptNumber)->setChecked(true);
        QCOMPARE(currentReceipt(window), QStringLiteral("10"));
        QCOMPARE(buttons(window), QStringLiteral("C-"));  // the rule follows the sort
        window.sortOption(finance::ReceiptOrder::ByDate)->setChecked(true);
        QCOMPARE(currentReceipt(window), QStringLiteral("9"));
        QCOMPARE(buttons(window), QStringLiteral("CP"));
    }
};

QTEST_MAIN(IssuedReceiptsWindowTest)
#include "issued_receipts_window_qtest.moc"
