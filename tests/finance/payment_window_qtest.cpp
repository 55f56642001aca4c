#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "finance/payment.h"
#include "finance/payment_window.h"
#include "finance/receipt_print_window.h"
#include "reports/report_output.h"
#include "window_fixture.h"

using financetest::ProgramDirectory;

class PaymentWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramDirectory> program_;
    std::unique_ptr<financetest::AnsweredMessages> seam_;

    static void type(finance::PaymentWindow& window, const QString& amount,
                     const QString& recipient) {
        window.amountField()->setText(amount);
        window.recipientField()->setText(recipient);
    }
    bool owedMarchUntouched() {
        return program_->scalar(QStringLiteral("SELECT CHECKER FROM APODEIKSEIS_DIDAKTRWN WHERE "
                                               "ARITHMOS_MHTRWOY=7 AND MHNAS=3 AND ETOS=2008"))
                       .toString() == QStringLiteral("Χ") &&
               program_->receipts() == 0 && program_->counter() == 41;
    }

private slots:
    void init() {
        program_ = std::make_unique<ProgramDirectory>();
        program_->setCounter(41);
        program_->run(
            QStringLiteral("INSERT INTO APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,MHNAS,ETOS,CHECKER) "
                           "VALUES(7,3,2008,'Χ')"));
        seam_ = std::make_unique<financetest::AnsweredMessages>();
    }
    void cleanup() {
        seam_.reset();
        program_.reset();
    }

    void opensWithTheChildTheCounterTheRateAndThisMonth() {
        finance::PaymentWindow window(program_->context, QStringLiteral("7"),
                                      QStringLiteral("Ελένη"), QStringLiteral("Παπαδάκη"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Πληρωμή διδάκτρων"));
        QCOMPARE(window.receiptNumberText(), QStringLiteral("41"));
        QCOMPARE(window.vatRateText(), QStringLiteral("15"));
        QCOMPARE(window.monthList()->count(), 12);
        QCOMPARE(window.monthList()->currentText(), QStringLiteral("03"));
        QCOMPARE(window.yearList()->count(), 24);
        QCOMPARE(window.yearList()->currentText(), QStringLiteral("2008"));
        QVERIFY(!window.payButton()->isEnabled());
        QVERIFY(window.payButton()->isDefault());
        QStringList shown;
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            shown.append(label->text());
        }
        QVERIFY(shown.contains(QStringLiteral("Ελένη")));
        QVERIFY(shown.contains(QStringLiteral("Παπαδάκη")));

        for (const QDate& day : {QDate(2030, 12, 31), QDate(2031, 1, 1)}) {
            db::Clock::set(QDateTime(day, QTime(9, 0)));
            finance::PaymentWindow later(program_->context, QStringLiteral("7"),
                                         QStringLiteral("Ελένη"), QStringLiteral("Παπαδάκη"));
            QCOMPARE(later.yearList()->currentText(), QString::number(day.year()));
            QCOMPARE(later.yearList()->itemText(later.yearList()->count() - 1),
                     QString::number(day.year() + 5));
            QCOMPARE(later.monthList()->currentIndex(), day.month() - 1);
        }
    }

    void enablesThePaymentOnlyWithAmountAndAnAcceptableRecipient() {
        finance::PaymentWindow window(program_->context, QStringLiteral("7"),
                                      QStringLiteral("Ελένη"), QStringLiteral("Παπαδάκη"));
        const struct {
            QString amount;
            QString recipient;
            bool enabled;
            QString note;  // beside the recipient: why the button stays disabled
        } cases[] = {
            {QStringLiteral("100"), QStringLiteral("Μαρία Παπαδάκη"), true, {}},
            {QStringLiteral("100,5"), QStringLiteral(" Μαρία "), true, {}},  // amount not tested
            {QStringLiteral("  "), QStringLiteral("Μαρία"), false, {}},
            {QStringLiteral("100"), QStringLiteral("   "), false, {}},
            {QStringLiteral("100"), QStringLiteral("Μαρία O'Brien"), false, QStringLiteral("'")},
            {QStringLiteral("100"), QStringLiteral("Παπαδάκη, Μαρία"), false, QStringLiteral(",")},
            {QStringLiteral("100"), QStringLiteral("Μ. Παπαδάκη"), false, QStringLiteral(".")},
        };
        for (const auto& c : cases) {
            type(window, c.amount, c.recipient);
            QVERIFY2(window.payButton()->isEnabled() == c.enabled, qPrintable(c.recipient));
            QStringList notes;
            for (const QLabel* label : window.findChildren<QLabel*>()) {
                if (label->text().startsWith(QStringLiteral("Ο χαρακτήρας"))) {
                    notes.append(label->text());
                }
            }
            const QStringList expected =
                c.note.isEmpty() ? QStringList()
                                 : QStringList{QStringLiteral("Ο χαρακτήρας «%1» δεν επιτρέπεται "
                                                              "στο πεδίο «Παραλήπτης».")
                                                   .arg(c.note)};
            QCOMPARE(notes, expected);
        }
    }

    void aPaymentIsRecordedPrintedAndClosesTheWindow() {
        financetest::InstalledPrinter printer;
        finance::PaymentWindow window(program_->context, QStringLiteral("7"),
                                      QStringLiteral("Ελένη"), QStringLiteral("Παπαδάκη"));
        type(window, QStringLiteral("100"), QStringLiteral("Μαρία Παπαδάκη"));
        window.payButton()->click();

        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(printer.printed, QList<int>{41});
        QCOMPARE(program_->counter(), 42);
        QCOMPARE(program_->scalar(QStringLiteral("SELECT POSO_KAI_VATCY FROM APODEIKSEIS_HISTORY"))
                     .toDouble(),
                 67.31);
        QVERIFY(seam_->informations.isEmpty());
    }

    void refusalsAndFailuresClearTheEntryAndKeepTheWindowOpen() {
        financetest::InstalledPrinter printer;
        finance::PaymentWindow window(program_->context, QStringLiteral("7"),
                                      QStringLiteral("Ελένη"), QStringLiteral("Παπαδάκη"));
        const struct {
            QString amount;
            QString message;
        } cases[] = {
            {QStringLiteral("0"), QStringLiteral("Μη αποδεκτή τιμή")},
            {QStringLiteral("-5"), QStringLiteral("Μη αποδεκτή τιμή")},
            {QStringLiteral("1.200"), QStringLiteral("Μη αποδεκτή τιμή")},  // 1200 or 1.20?
            {QStringLiteral("εκατό"), QStringLiteral("Η καταχώρηση δεν έγινε")},
        };
        for (const auto& c : cases) {
            seam_->warnings.clear();
            type(window, c.amount, QStringLiteral("Μαρία Παπαδάκη"));
            window.payButton()->click();
            QCOMPARE(seam_->warnings, QStringList{c.message});
            QVERIFY(window.amountField()->text().isEmpty());
            QVERIFY(window.recipientField()->text().isEmpty());
            QVERIFY(!window.payButton()->isEnabled());
            QCOMPARE(window.result(), int(QDialog::Rejected));
            QVERIFY(owedMarchUntouched());
        }
        QVERIFY(printer.printed.isEmpty());
    }

    void inTheYearsAfter2030TuitionIsTakenForTheCurrentYear() {
        db::Clock::set(QDateTime(QDate(2031, 3, 5), QTime(9, 0)));
        financetest::InstalledPrinter printer;
        finance::PaymentWindow window(program_->context, QStringLiteral("7"),
                                      QStringLiteral("Ελένη"), QStringLiteral("Παπαδάκη"));
        type(window, QStringLiteral("100"), QStringLiteral("Μαρία Παπαδάκη"));
        window.payButton()->click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(program_
                     ->scalar(QStringLiteral("SELECT CHECKER FROM APODEIKSEIS_DIDAKTRWN WHERE "
                                             "ARITHMOS_MHTRWOY=7 AND MHNAS=3 AND ETOS=2031"))
                     .toString(),
                 QStringLiteral("Π"));
    }

    // The payment stands once recorded: the window says so and closes instead of offering the
    // same receipt number a second time.
    void aFailedPrintIsReportedAndTheRecordedPaymentClosesTheWindow() {
        financetest::InstalledPrinter printer;
        printer.fail = true;
        finance::PaymentWindow window(program_->context, QStringLiteral("7"),
                                      QStringLiteral("Ελένη"), QStringLiteral("Παπαδάκη"));
        type(window, QStringLiteral("100"), QStringLiteral("Μαρία Παπαδάκη"));
        window.payButton()->click();
        QCOMPARE(seam_->errors.size(), 1);
        QVERIFY(seam_->errors.first().contains(QStringLiteral("APODEIKSEIS.RAV")));
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(program_->counter(), 42);
        QCOMPARE(program_->receipts(), 1);
    }

    // Another window or copy issued receipt 41 while this window showed it: nothing is written,
    // the staff are told, and the window shows the new number with the entry kept; the next
    // press pays under it.
    void aNumberIssuedMeanwhileIsRefusedAndTheWindowMovesOnToTheNewOne() {
        financetest::InstalledPrinter printer;
        finance::PaymentWindow window(program_->context, QStringLiteral("7"),
                                      QStringLiteral("Ελένη"), QStringLiteral("Παπαδάκη"));
        program_->setCounter(42);
        type(window, QStringLiteral("100"), QStringLiteral("Μαρία Παπαδάκη"));
        window.payButton()->click();

        QCOMPARE(seam_->warnings.size(), 1);
        QVERIFY(
            seam_->warnings.first().startsWith(QStringLiteral("Η αρίθμηση των αποδείξεων άλλαξε")));
        QVERIFY(seam_->warnings.first().contains(QStringLiteral("είναι τώρα 42")));
        QCOMPARE(window.receiptNumberText(), QStringLiteral("42"));
        QCOMPARE(window.amountField()->text(), QStringLiteral("100"));
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(program_->receipts(), 0);
        QVERIFY(printer.printed.isEmpty());

        window.payButton()->click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(printer.printed, QList<int>{42});
        QCOMPARE(program_->counter(), 43);
    }

    // Another program holds the file for longer than the window waits: the staff read why in
    // Greek, with the engine's words kept, and the entry stays for another try.
    void aFileBusyWithAnotherProgramIsToldInGreekAndKeepsTheEntry() {
        financetest::InstalledPrinter printer;
        finance::PaymentWindow window(program_->context, QStringLiteral("7"),
                                      QStringLiteral("Ελένη"), QStringLiteral("Παπαδάκη"));
        window.connection().executeNative(QStringLiteral("PRAGMA busy_timeout = 100"));
        program_->connection.executeNative(QStringLiteral("BEGIN IMMEDIATE"));
        type(window, QStringLiteral("100"), QStringLiteral("Μαρία Παπαδάκη"));
        window.payButton()->click();
        program_->connection.executeNative(QStringLiteral("ROLLBACK"));

        QCOMPARE(seam_->warnings.size(), 1);
        QVERIFY(seam_->warnings.first().startsWith(
            QStringLiteral("Η βάση δεδομένων χρησιμοποιείται αυτή τη στιγμή από άλλο πρόγραμμα")));
        QVERIFY(seam_->warnings.first().endsWith(QStringLiteral("database is locked")));
        QCOMPARE(window.amountField()->text(), QStringLiteral("100"));
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(owedMarchUntouched());

        window.payButton()->click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(printer.printed, QList<int>{41});
    }

    void printsThroughTheReceiptPrintWindowOnTheLayoutOfTheRate() {
        program_->copyReceiptLayouts();
        program_->run(QStringLiteral("UPDATE INFORMATION SET TITLE='Παιδικός Σταθμός Η Χαρά'"));
        reports::RecordingOutput output;
        reports::ScopedOutput outputInPlace(output);
        finance::ReceiptPrintWindow print(program_->context);

        finance::PaymentWindow window(program_->context, QStringLiteral("7"),
                                      QStringLiteral("Ελένη"), QStringLiteral("Παπαδάκη"));
        type(window, QStringLiteral("100"), QStringLiteral("Μαρία Παπαδάκη"));
        window.payButton()->click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(output.printed().size(), 1);
        const reports::RecordingOutput::Printed& receipt = output.printed().first();
        QVERIFY(receipt.sourcePath.endsWith(QStringLiteral("/APODEIKSEIS.RAV")));
        for (const QString& shown :
             {QStringLiteral("Παιδικός Σταθμός Η Χαρά"), QStringLiteral("41"),
              QStringLiteral("Ελένη"), QStringLiteral("Μαρία Παπαδάκη"), QStringLiteral("115,00"),
              QStringLiteral("67,31"), QStringLiteral("15/03/2008")}) {
            QVERIFY2(receipt.text.contains(shown), qPrintable(shown + u'\n' + receipt.text));
        }

        program_->run(QStringLiteral("UPDATE SYNTELESTHS_VAT SET VAT_RATIO=0"));
        print.printReceipt(41);  // a reprint follows the rate in force now
        QVERIFY(
            output.printed().last().sourcePath.endsWith(QStringLiteral("/APODEIKSEISVATFREE.RAV")));

        print.printReceipt(0);  // no such receipt: the header alone
        QVERIFY(output.printed().last().text.contains(QStringLiteral("Παιδικός Σταθμός Η Χαρά")));
        QVERIFY(!output.printed().last().text.contains(QStringLiteral("Μαρία Παπαδάκη")));

        QFile::remove(QDir(program_->path()).filePath(QStringLiteral("APODEIKSEISVATFREE.RAV")));
        QVERIFY_THROWS_EXCEPTION(db::Error, print.printReceipt(41));
    }
};

QTEST_MAIN(PaymentWindowTest)
#include "payment_window_qtest.moc"
