#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "finance/owed_tuition_window.h"
#include "finance/paid_tuition_window.h"
#include "finance/payment.h"
#include "finance/tuition_takings_window.h"
#include "finance/yearly_status_window.h"
#include "reports/report_output.h"
#include "window_fixture.h"

using financetest::ProgramDirectory;

class TuitionReportWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramDirectory> program_;
    std::unique_ptr<financetest::AnsweredMessages> seam_;

    void payMarch(int child, const QString& amount) {
        financetest::RecordingPrinter ignored;
        finance::payTuition(
            program_->connection,
            {QString::number(child), QStringLiteral("Ελένη"), QStringLiteral("Παπαδάκη"),
             QStringLiteral("03"), QStringLiteral("2008"), amount, QStringLiteral("Μαρία"),
             QStringLiteral("15"), QString::number(program_->counter())},
            ignored);
    }
    void addOwed(int child, int month) {
        program_->run(QStringLiteral("INSERT INTO APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,MHNAS,"
                                     "ETOS,CHECKER) VALUES(%1,%2,2008,'Χ')")
                          .arg(child)
                          .arg(month));
    }
    static void typeInto(QLineEdit* field, const QString& text) {
        field->setText(text);  // Greek and digits alike; keyClicks aborts on Greek
    }

private slots:
    void init() {
        program_ = std::make_unique<ProgramDirectory>();
        program_->setCounter(41);
        seam_ = std::make_unique<financetest::AnsweredMessages>();
    }
    void cleanup() {
        seam_.reset();
        program_.reset();
    }

    void theChildsPaidAndOwedMonths() {
        payMarch(7, QStringLiteral("100"));
        addOwed(7, 4);
        addOwed(7, 5);
        finance::PaidTuitionWindow paid(program_->context, QStringLiteral("7"),
                                        QStringLiteral("Ελένη"), QStringLiteral("Παπαδάκη"));
        paid.show();
        QCOMPARE(paid.windowTitle(), QStringLiteral("Εξοφληθέντα δίδακτρα"));
        QCOMPARE(paid.months()->rows().rowCount(), 1);
        QCOMPARE(paid.months()->rows().text(QStringLiteral("POSOVAT")), QStringLiteral("115.00"));
        QCOMPARE(paid.receiptCount()->text(), QStringLiteral("1"));
        QCOMPARE(paid.income()->text(), QStringLiteral("100.00"));
        QCOMPARE(paid.vat()->text(), QStringLiteral("15.00"));
        QCOMPARE(paid.total()->text(), QStringLiteral("115.00"));
        QVERIFY(paid.width() <= 1024 && paid.height() <= 768);

        finance::OwedTuitionWindow owed(program_->context, QStringLiteral("7"),
                                        QStringLiteral("Ελένη"), QStringLiteral("Παπαδάκη"));
        owed.show();
        QCOMPARE(owed.windowTitle(), QStringLiteral("Οφειλόμενα δίδακτρα"));
        QCOMPARE(owed.months()->rows().rowCount(), 2);
        QCOMPARE(owed.owedCount()->text(), QStringLiteral("2"));
    }

    void takingsBetweenTwoDates() {
        payMarch(7, QStringLiteral("100"));
        finance::TuitionTakingsWindow window(program_->context);
        window.show();
        QVERIFY(window.findButton()->isEnabled());
        QVERIFY(window.width() <= 1024 && window.height() <= 768);

        window.findButton()->click();  // both fields empty
        QCOMPARE(seam_->warnings, QStringList{QStringLiteral("Λανθασμένα κριτήρια.")});

        typeInto(window.fromField(), QStringLiteral("01.03.2008"));
        QVERIFY(!window.findButton()->isEnabled());
        typeInto(window.fromField(), QStringLiteral("01/03/2008"));
        typeInto(window.toField(), QStringLiteral("15/03/2008"));
        QVERIFY(window.findButton()->isEnabled());
        window.findButton()->click();
        QCOMPARE(window.income()->text(), QStringLiteral("100.00"));
        QCOMPARE(window.vat()->text(), QStringLiteral("15.00"));
        QCOMPARE(window.third()->text(), QStringLiteral("85.00"));
        QCOMPARE(seam_->warnings.size(), 1);
    }

    void theYearlyStatusIsBuiltAndPrinted() {
        program_->copyReportFiles({QStringLiteral("DIDAKTRA.RAV")});
        program_->run(
            QStringLiteral("INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,"
                           "EPWNYMO_PAIDIOY,ENERGO) VALUES(7,'Ελένη','Παπαδάκη','ΝΑΙ')"));
        program_->run(
            QStringLiteral("INSERT INTO CHILDREN_EGG_DIAG(ARITHMOS_MHTRWOY,"
                           "HMEROMHNIA_EGGRAFHS) VALUES(7,#9/1/2007#)"));
        payMarch(7, QStringLiteral("100"));
        reports::RecordingOutput output;
        reports::ScopedOutput outputInPlace(output);

        finance::YearlyStatusWindow window(program_->context);
        window.yearList()->setCurrentIndex(0);
        window.show();
        QCOMPARE(window.yearList()->currentText(), QStringLiteral("2008"));
        window.showButton()->click();
        QCOMPARE(output.printed().size(), 1);
        const reports::RecordingOutput::Printed& status = output.printed().first();
        QVERIFY(status.sourcePath.endsWith(QStringLiteral("/DIDAKTRA.RAV")));
        for (const QString& shown :
             {QStringLiteral("ΚΑΤΑΣΤΑΣΗ ΠΛΗΡΩΜΗΣ ΔΙΔΑΚΤΡΩΝ ΓΙΑ ΤΟ ΕΤΟΣ 2008"),
              QStringLiteral("Παπαδάκη"), QStringLiteral("100,00"), QStringLiteral("15/03/2008")}) {
            QVERIFY2(status.text.contains(shown), qPrintable(shown + u'\n' + status.text));
        }

        window.yearList()->setCurrentIndex(window.yearList()->findText(QStringLiteral("2009")));
        window.showButton()->click();  // the window can present again
        QCOMPARE(output.printed().size(), 2);
        QVERIFY(!output.printed().last().text.contains(QStringLiteral("15/03/2008")));
    }
};

QTEST_MAIN(TuitionReportWindowsTest)
#include "tuition_report_windows_qtest.moc"
