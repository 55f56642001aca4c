#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "finance/general_receipt_print_window.h"
#include "finance/general_receipt_window.h"
#include "finance/general_receipts_window.h"
#include "finance/general_takings_window.h"
#include "reports/report_output.h"
#include "ui/count_label.h"
#include "ui/navigator.h"
#include "window_fixture.h"

using financetest::ProgramDirectory;

class GeneralReceiptWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramDirectory> program_;
    std::unique_ptr<financetest::AnsweredMessages> seam_;
    std::unique_ptr<reports::RecordingOutput> output_;
    std::unique_ptr<reports::ScopedOutput> outputInPlace_;
    std::unique_ptr<finance::GeneralReceiptPrintWindow> print_;

    static void fill(finance::GeneralReceiptWindow& window, const QString& description,
                     const QString& amount) {
        window.firstNameField()->setText(QStringLiteral("Νίκος"));
        window.surnameField()->setText(QStringLiteral("Αλεξίου"));
        window.recipientField()->setText(QStringLiteral("Γιώργος Αλεξίου"));
        window.descriptionField()->setText(description);
        window.amountField()->setText(amount);
    }
    // Issues a receipt through the window, as the staff do.
    void issue(const QString& amount) {
        finance::GeneralReceiptWindow window(program_->context);
        fill(window, QStringLiteral("Εκδρομή"), amount);
        window.issueButton()->click();
    }
    int receipts() {
        return program_->scalar(QStringLiteral("SELECT COUNT(*) FROM APODEIKSEIS_GEN")).toInt();
    }
    static QString buttons(finance::GeneralReceiptsWindow& window) {
        return QString(window.cancelButton()->isEnabled() ? u'C' : u'-') +
               (window.reprintButton()->isEnabled() ? u'P' : u'-');
    }
    static QString current(finance::GeneralReceiptsWindow& window, const QString& column) {
        return window.receipts()->rows().text(column);
    }
    static void navigate(finance::GeneralReceiptsWindow& window, ui::Navigator::Button button) {
        window.findChild<ui::Navigator*>()->button(button)->click();
    }

private slots:
    void init() {
        program_ = std::make_unique<ProgramDirectory>();
        program_->setCounter(120);
        program_->copyReportFiles(
            {QStringLiteral("APODEIKSEIS_GEN.RAV"), QStringLiteral("APODEIKSEIS_GEN_VAT.RAV")});
        seam_ = std::make_unique<financetest::AnsweredMessages>();
        output_ = std::make_unique<reports::RecordingOutput>();
        outputInPlace_ = std::make_unique<reports::ScopedOutput>(*output_);
        print_ = std::make_unique<finance::GeneralReceiptPrintWindow>(program_->context);
    }
    void cleanup() {
        print_.reset();
        outputInPlace_.reset();
        output_.reset();
        seam_.reset();
        program_.reset();
    }

    void theIssueWindowAllowsIssuingOnceEveryTextIsFitAndIssues() {
        finance::GeneralReceiptWindow window(program_->context);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Έκδοση απόδειξης γενικής φύσεως"));
        QVERIFY(window.width() <= 1024 && window.height() <= 768);
        QVERIFY(!window.issueButton()->isEnabled());
        fill(window, QStringLiteral("Εκδρομή, Τρόοδος"), QStringLiteral("0"));
        QVERIFY(!window.issueButton()->isEnabled());  // a comma in the description
        window.descriptionField()->setText(QStringLiteral("Εκδρομή στο Τρόοδος"));
        QVERIFY(window.issueButton()->isEnabled());

        window.issueButton()->click();
        QCOMPARE(seam_->warnings, QStringList{QStringLiteral("Μη αποδεκτή τιμή")});
        QCOMPARE(window.amountField()->text(), QString());
        QCOMPARE(window.descriptionField()->text(), QStringLiteral("Εκδρομή στο Τρόοδος"));
        QCOMPARE(window.recipientField()->text(), QStringLiteral("Γιώργος Αλεξίου"));
        QCOMPARE(receipts(), 0);

        window.amountField()->setText(QStringLiteral("50"));
        window.issueButton()->click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(program_->counter(), 121);
        QCOMPARE(output_->printed().size(), 1);
        const reports::RecordingOutput::Printed& printed = output_->printed().first();
        QVERIFY(printed.sourcePath.endsWith(QStringLiteral("/APODEIKSEIS_GEN_VAT.RAV")));
        for (const QString& shown : {QStringLiteral("120"), QStringLiteral("Εκδρομή στο Τρόοδος"),
                                     QStringLiteral("57,50"), QStringLiteral("15/03/2008")}) {
            QVERIFY2(printed.text.contains(shown), qPrintable(shown + u'\n' + printed.text));
        }

        program_->run(QStringLiteral("UPDATE SYNTELESTHS_VAT SET VAT_RATIO=0"));
        print_->printGeneralReceipt(120);
        QVERIFY(
            output_->printed().last().sourcePath.endsWith(QStringLiteral("/APODEIKSEIS_GEN.RAV")));
    }

    void aFailureKeepsTheTextsAndAFailedPrintClosesWithTheRecordedNumber() {
        finance::GeneralReceiptWindow window(program_->context);
        fill(window, QStringLiteral("Εκδρομή"), QStringLiteral("50"));
        program_->connection.executeNative(
            QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON APODEIKSH_LAST BEGIN SELECT "
                           "RAISE(ABORT, 'refused'); END"));
        window.issueButton()->click();
        QCOMPARE(seam_->warnings, QStringList{QStringLiteral("Η καταχώρηση δεν έγινε")});
        QCOMPARE(window.amountField()->text(), QStringLiteral("50"));
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(receipts(), 0);

        program_->connection.executeNative(QStringLiteral("DROP TRIGGER refuse"));
        QFile::remove(QDir(program_->path()).filePath(QStringLiteral("APODEIKSEIS_GEN_VAT.RAV")));
        window.issueButton()->click();
        QCOMPARE(seam_->errors.size(), 1);
        QVERIFY2(seam_->errors.first().contains(QStringLiteral("120")),
                 qPrintable(seam_->errors.first()));
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(receipts(), 1);
    }

    void theListCancelsKeepsAndReprintsAndItsButtonsFollowEveryMove() {
        program_->setCounter(9);
        issue(QStringLiteral("50"));  // 9
        issue(QStringLiteral("60"));  // 10
        issue(QStringLiteral("70"));  // 11
        QCOMPARE(output_->printed().size(), 3);

        finance::GeneralReceiptsWindow window(program_->context);
        window.show();
        QVERIFY(window.width() <= 1024 && window.height() <= 768);
        QCOMPARE(window.countLabel()->text(), QStringLiteral("Βρέθηκαν 3 αποδείξεις"));
        QCOMPARE(current(window, QStringLiteral("AR_APODEIKSHS")), QStringLiteral("9"));
        QCOMPARE(buttons(window), QStringLiteral("CP"));
        navigate(window, ui::Navigator::Next);
        QCOMPARE(current(window, QStringLiteral("AR_APODEIKSHS")), QStringLiteral("11"));

        seam_->defaultAnswer = false;
        window.cancelButton()->click();
        QCOMPARE(seam_->questions,
                 QStringList{QStringLiteral("Να ακυρώσω την απόδειξη με αριθμό\n11;")});
        seam_->defaultAnswer = true;
        window.cancelButton()->click();
        QCOMPARE(window.countLabel()->text(), QStringLiteral("Βρέθηκαν 3 αποδείξεις"));
        QCOMPARE(current(window, QStringLiteral("AR_APODEIKSHS")), QStringLiteral("9"));

        navigate(window, ui::Navigator::Next);  // onto the cancelled 11
        QCOMPARE(current(window, QStringLiteral("EGKYRO")), QStringLiteral("False"));
        QCOMPARE(buttons(window), QStringLiteral("--"));
        navigate(window, ui::Navigator::Last);
        QCOMPARE(buttons(window), QStringLiteral("CP"));
        window.reprintButton()->click();
        QCOMPARE(output_->printed().size(), 4);
        QVERIFY(output_->printed().last().text.contains(QStringLiteral("69,00")));  // 10

        finance::GeneralTakingsWindow takings(program_->context);
        takings.fromField()->setText(QStringLiteral("01/03/2008"));
        takings.toField()->setText(QStringLiteral("31/03/2008"));
        takings.findButton()->click();
        QCOMPARE(takings.income()->text(), QStringLiteral("110.00"));  // 9 and 10, not 11
        QCOMPARE(takings.third()->text(), QStringLiteral("126.50"));
    }
};

QTEST_MAIN(GeneralReceiptWindowsTest)
#include "general_receipt_windows_qtest.moc"
