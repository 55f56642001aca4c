#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "finance/receipt_header_window.h"
#include "finance/receipt_numbering_window.h"
#include "finance/receipt_print_window.h"
#include "finance/tuition_ledger.h"
#include "finance/vat_rate_window.h"
#include "reports/report_output.h"
#include "ui/navigator.h"
#include "window_fixture.h"

using financetest::ProgramDirectory;

class ReceiptSettingsWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramDirectory> program_;
    std::unique_ptr<financetest::AnsweredMessages> seam_;

    static void store(ui::Navigator* navigator) { navigator->button(ui::Navigator::Post)->click(); }
    double rate() {
        return program_->scalar(QStringLiteral("SELECT VAT_RATIO FROM SYNTELESTHS_VAT")).toDouble();
    }

private slots:
    void init() {
        program_ = std::make_unique<ProgramDirectory>();
        seam_ = std::make_unique<financetest::AnsweredMessages>();
    }
    void cleanup() {
        seam_.reset();
        program_.reset();
    }

    void aStoredRateIsAnnouncedAndEndsTheProgram() {
        finance::VatRateWindow window(program_->context);
        int ends = 0;
        window.setEndProgram([&ends] { ++ends; });
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Συντελεστής Φ.Π.Α"));
        QCOMPARE(window.rateField()->text(), QStringLiteral("15"));

        window.rateField()->selectAll();
        QTest::keyClicks(window.rateField(), QStringLiteral("x1"));
        store(window.navigator());
        QCOMPARE(ends, 0);  // refused: the typing stays and the rate is unchanged
        QCOMPARE(seam_->errors.size(), 1);
        QCOMPARE(window.rateField()->text(), QStringLiteral("x1"));
        QCOMPARE(rate(), 15.0);

        window.rateField()->selectAll();
        QTest::keyClicks(window.rateField(), QStringLiteral("18"));
        store(window.navigator());
        QCOMPARE(rate(), 18.0);
        QCOMPARE(seam_->informations,
                 QStringList{QStringLiteral("Η καταχώρηση έγινε με επιτυχία.\nΗ λειτουργία του "
                                            "προγράμματος θα τερματιστεί.\nΓια να μπορέσεις να "
                                            "εργαστείς τρέξε ξανά το πρόγραμμα.")});
        QCOMPARE(ends, 1);
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void aRateTypedIntoAnEmptyTableCreatesItsRow() {
        program_->run(QStringLiteral("DELETE FROM SYNTELESTHS_VAT"));
        finance::VatRateWindow window(program_->context);
        window.setEndProgram([] {});
        window.show();
        QVERIFY(window.rateField()->text().isEmpty());
        QTest::keyClicks(window.rateField(), QStringLiteral("0"));
        store(window.navigator());
        QCOMPARE(program_->scalar(QStringLiteral("SELECT COUNT(*) FROM SYNTELESTHS_VAT")).toInt(),
                 1);
        QCOMPARE(rate(), 0.0);
    }

    void theNumberingRefusesAnythingButANumberAboveZero() {
        finance::ReceiptNumberingWindow window(program_->context);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Καθορισμός αρίθμησης των αποδείξεων"));
        QCOMPARE(window.numberField()->text(), QStringLiteral("1"));
        for (const QString& refused :
             {QStringLiteral("0"), QStringLiteral("-3"), QStringLiteral("abc")}) {
            seam_->warnings.clear();
            window.numberField()->setText(refused);
            window.storeButton()->click();
            // The message begins with a Latin capital H.
            QCOMPARE(seam_->warnings, QStringList{QStringLiteral("H τιμή δεν είναι αποδεκτή")});
            QVERIFY(window.isVisible());
            QVERIFY(!window.stored());
            QVERIFY(!finance::receiptNumberingIsSet(program_->connection));
        }
    }

    void theNumberingSetsTheFirstReceiptNumber() {
        finance::ReceiptNumberingWindow window(program_->context);
        QSignalSpy closed(&window, &QDialog::finished);
        window.show();
        window.storeButton()->click();
        QCOMPARE(seam_->informations,
                 QStringList{QStringLiteral("Η καταχώρηση έγινε με επιτυχία")});
        QVERIFY(window.stored());
        QCOMPARE(closed.count(), 1);
        QVERIFY(finance::receiptNumberingIsSet(program_->connection));
        QCOMPARE(program_->counter(), 1);
    }

    void theHeaderIsStoredAndPreviewedWithoutAReceipt() {
        program_->copyReceiptLayouts();
        reports::RecordingOutput output;
        reports::ScopedOutput outputInPlace(output);
        finance::ReceiptPrintWindow print(program_->context);
        finance::ReceiptHeaderWindow window(program_->context);
        window.show();
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Διαμόρφωση των στοιχείων που θα εμφανίζονται στις αποδείξεις"));

        QTest::keyClicks(window.field(QStringLiteral("TITLE")), QStringLiteral("Little Stars"));
        QTest::keyClicks(window.field(QStringLiteral("EXTRA7")), QStringLiteral("Thank you"));
        store(window.navigator());
        QCOMPARE(program_->scalar(QStringLiteral("SELECT TITLE FROM INFORMATION")).toString(),
                 QStringLiteral("Little Stars"));

        QTest::keyClicks(window.field(QStringLiteral("PHONE")),
                         QStringLiteral("22 123456"));  // not stored
        window.previewButton()->click();
        QCOMPARE(output.printed().size(), 1);
        const QString printed = output.printed().first().text;
        QVERIFY2(printed.contains(QStringLiteral("Little Stars")), qPrintable(printed));
        QVERIFY(printed.contains(QStringLiteral("Thank you")));
        QVERIFY(!printed.contains(QStringLiteral("22 123456")));
        QVERIFY(!printed.contains(QStringLiteral("Αριθμός απόδειξης")));
    }
};

QTEST_MAIN(ReceiptSettingsWindowTest)
#include "receipt_settings_window_qtest.moc"
