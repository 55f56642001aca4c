#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include "children/birth_year_deletion_window.h"
#include "children/de_enrolment_window.h"
#include "children/enrolment_history_window.h"
#include "children/enrolments_and_de_enrolments_report_window.h"
#include "children/envelopes_window.h"
#include "children/measurements_window.h"
#include "children/re_enrolment_window.h"
#include "children_fixture.h"
#include "children_window_fixture.h"
#include "reports/report_output.h"
#include "ui/count_label.h"
#include "ui/navigator.h"

using namespace Qt::StringLiterals;

// The windows of a child's enrolment history, the enrolment reports, the body measurements,
// the envelopes and the deletion by birth year, driven as the staff drive them.
class EnrolmentWindowsTest : public QObject {
    Q_OBJECT

private:
    static void click(ui::Navigator* navigator, ui::Navigator::Button which) {
        navigator->button(which)->click();
    }

private slots:
    void theHistoryButtonsFollowTheCurrentRowAndTheOpenPeriod() {
        childrentest::DeliveredProgram program;
        program.addChild(7, u"Άννα"_s, u"Βασιλείου"_s, {2006, 1, 5}, false);
        program.connection.execute(
            u"insert into CHILDREN_EGG_DIAG VALUES(7,#9/1/2009#,#6/20/2010#,'Μετακόμιση')"_s);
        program.connection.execute(
            u"insert into CHILDREN_EGG_DIAG VALUES(7,#9/1/2008#,#6/20/2009#,'Διακοπές')"_s);
        testsupport::ModalAnswers seam;
        ui::ScopedModalSeam scoped(seam);

        children::EnrolmentHistoryWindow history(program.context, u"7"_s, u"Άννα"_s,
                                                 u"Βασιλείου"_s);
        QCOMPARE(history.windowTitle(), u"Επανεγγραφές / Διαγραφές"_s);
        QCOMPARE(history.countLabel()->text(), u"Βρέθηκαν 2 εγγραφές"_s);
        QCOMPARE(history.rows().text(u"HMEROMHNIA_EGGRAFHS"_s), u"01/09/2008"_s);
        QVERIFY(history.reEnrolButton()->isEnabled());
        QVERIFY(!history.deEnrolButton()->isEnabled());
        click(history.navigator(), ui::Navigator::Last);
        QVERIFY(!history.deEnrolButton()->isEnabled());

        // Re-enrolment: a date that is not one is refused and the window stays; a date is taken.
        seam.onShow = [](QDialog* dialog) {
            auto* window = qobject_cast<children::ReEnrolmentWindow*>(dialog);
            window->dateField()->setText(u"31/02/2011"_s);
            window->storeButton()->click();
            if (window->result() == QDialog::Accepted) {
                return -1;
            }
            window->dateField()->setText(u"15/09/2010"_s);
            window->storeButton()->click();
            return window->result();
        };
        history.reEnrolButton()->click();
        QCOMPARE(seam.warnings, QStringList({u"Η καταχώρηση δεν έγινε."_s}));
        QCOMPARE(history.countLabel()->text(), u"Βρέθηκαν 3 εγγραφές"_s);
        QVERIFY(!history.reEnrolButton()->isEnabled());
        QVERIFY(!history.deEnrolButton()->isEnabled());  // the first row, closed
        click(history.navigator(), ui::Navigator::Last);
        QVERIFY(history.deEnrolButton()->isEnabled());
        history.grid()->selectRow(0);
        QVERIFY(!history.deEnrolButton()->isEnabled());
        history.grid()->selectRow(2);
        QVERIFY(history.deEnrolButton()->isEnabled());

        // De-enrolment of the open period: the reason's forbidden character keeps the button
        // disabled whichever field changed last.
        QList<bool> enabled;
        seam.onShow = [&enabled](QDialog* dialog) {
            auto* window = qobject_cast<children::DeEnrolmentWindow*>(dialog);
            enabled.append(window->deEnrolButton()->isEnabled());
            window->reasonField()->setText(u"   "_s);
            window->dateField()->setText(u"30/06/2011"_s);
            enabled.append(window->deEnrolButton()->isEnabled());
            window->reasonField()->setText(u"Μετακόμιση'"_s);
            window->dateField()->setText(u"30/06/2011 "_s);
            enabled.append(window->deEnrolButton()->isEnabled());
            window->reasonField()->setText(u"Μετακόμιση"_s);
            enabled.append(window->deEnrolButton()->isEnabled());
            window->deEnrolButton()->click();
            return window->result();
        };
        history.deEnrolButton()->click();
        QCOMPARE(seam.shown.last(), u"Διαγραφή"_s);
        QCOMPARE(enabled, QList<bool>({false, false, false, true}));
        QCOMPARE(program.count(u"select count(*) from CHILDREN_EGG_DIAG WHERE "
                               u"HMEROMHNIA_EGGRAFHS=#9/15/2010# AND "
                               u"HMEROMHNIA_DIAGRAFHS=#6/30/2011# AND "
                               u"LOGOS_DIAGRAFHS='Μετακόμιση'"_s),
                 1);
        QCOMPARE(program.count(u"select count(*) from CHILDREN WHERE ENERGO='ΟΧΙ'"_s), 1);
        QVERIFY(history.reEnrolButton()->isEnabled());
        QVERIFY(!history.deEnrolButton()->isEnabled());
    }

    void theCombinedReportWantsTwoDates() {
        childrentest::DeliveredProgram program;
        program.addChild(1, u"Άννα"_s, u"Αντωνίου"_s, {2006, 1, 5});
        program.connection.execute(
            u"insert into CHILDREN_EGG_DIAG VALUES(1,#9/2/2010#,#9/10/2010#,'Α')"_s);
        testsupport::ModalAnswers seam;
        ui::ScopedModalSeam scoped(seam);
        children::EnrolmentsAndDeEnrolmentsReportWindow report(program.context);
        QCOMPARE(report.windowTitle(), u"Εγγραφές και διαγραφές μεταξύ δυο ημερομηνιών"_s);
        QVERIFY(report.searchButton()->isEnabled());
        report.fromField()->setText(u"01/09/2010"_s);
        report.toField()->setText(u"30/09/2010"_s);
        report.searchButton()->click();
        QCOMPARE(report.countLabel()->text(), u"Βρέθηκαν 1 καταχωρήσεις"_s);
        QCOMPARE(report.grid()->model()->headerData(12, Qt::Horizontal).toString(),
                 u"Λόγος διαγραφής"_s);

        report.toField()->setText(u"30.09.2010"_s);
        QVERIFY(!report.searchButton()->isEnabled());
        report.toField()->setText(u"  "_s);
        report.searchButton()->click();
        QCOMPARE(seam.warnings, QStringList({u"Λανθασμένα κριτήρια."_s}));
        QCOMPARE(report.rows().rowCount(), 0);
        QCOMPARE(report.countLabel()->text(), u"Βρέθηκαν 1 καταχωρήσεις"_s);
    }

    void twoMeasurementsOfOneDayAreDeletedOneByOne() {
        childrentest::DeliveredProgram program;
        program.addChild(5, u"Νίκος"_s, u"Νικολάου"_s, {2007, 2, 6});
        program.connection.execute(
            u"insert into CHILDREN_METRHSEIS VALUES(6, #3/1/2011#, 1.1, 20)"_s);
        testsupport::ModalAnswers seam;
        ui::ScopedModalSeam scoped(seam);
        children::MeasurementsWindow window(program.context, u"5"_s, u"Νίκος"_s, u"Νικολάου"_s);
        QCOMPARE(window.countLabel()->text(), u"Βρέθηκαν 0 μετρήσεις"_s);
        const auto measure = [&window](const QString& day, const QString& height,
                                       const QString& weight) {
            childrentest::typeInto(window.dateField(), day);
            childrentest::typeInto(window.heightField(), height);
            childrentest::typeInto(window.weightField(), weight);
            click(window.entryNavigator(), ui::Navigator::Post);
        };
        measure(u"01/03/2011"_s, u"1.05"_s, u"18.5"_s);
        QVERIFY(window.dateField()->text().isEmpty() && window.weightField()->text().isEmpty());
        measure(u"01/09/2010"_s, u"0.98"_s, u"16"_s);
        measure(u"01/09/2010"_s, u"0.99"_s, u"16.2"_s);
        QCOMPARE(window.countLabel()->text(), u"Βρέθηκαν 3 μετρήσεις"_s);
        QCOMPARE(window.list().text(u"HMEROMHNIA"_s), u"01/09/2010"_s);
        QCOMPARE(program.count(u"select count(*) from CHILDREN_METRHSEIS WHERE "
                               u"ARITHMOS_MHTRWOY=5"_s),
                 3);

        // A height that is not a number is refused by its label and nothing is saved.
        measure(u"02/09/2010"_s, u"ψηλός"_s, u"16"_s);
        QCOMPARE(seam.errors.size(), 1);
        QVERIFY(seam.errors.first().contains(u"Ύψος"_s));
        QCOMPARE(window.countLabel()->text(), u"Βρέθηκαν 3 μετρήσεις"_s);

        click(window.listNavigator(), ui::Navigator::Next);  // the second of 01/09/2010
        QCOMPARE(window.list().text(u"YPSOS"_s), u"0.99"_s);
        seam.answers = {false};
        click(window.listNavigator(), ui::Navigator::Delete);
        QCOMPARE(window.countLabel()->text(), u"Βρέθηκαν 3 μετρήσεις"_s);
        click(window.listNavigator(), ui::Navigator::Delete);
        QCOMPARE(window.countLabel()->text(), u"Βρέθηκαν 2 μετρήσεις"_s);
        QCOMPARE(program.count(u"select count(*) from CHILDREN_METRHSEIS WHERE "
                               u"HMEROMHNIA=#9/1/2010# AND YPSOS=0.98"_s),
                 1);
        QCOMPARE(program.count(u"select count(*) from CHILDREN_METRHSEIS"_s), 3);
    }

    void theDeletionByBirthYearAsksFirst() {
        childrentest::DeliveredProgram program;
        program.addChild(1, u"Άννα"_s, u"Αντωνίου"_s, {2004, 1, 5});
        program.addChild(2, u"Νίκος"_s, u"Βασιλείου"_s, {2005, 2, 6});
        testsupport::ModalAnswers seam;
        ui::ScopedModalSeam scoped(seam);
        children::BirthYearDeletionWindow window(program.context);
        QCOMPARE(window.yearList()->currentText(), u"2003"_s);
        window.yearList()->setCurrentIndex(window.yearList()->findText(u"2004"_s));
        seam.answers = {false, true};
        window.deleteButton()->click();
        QCOMPARE(program.count(u"select count(*) from CHILDREN"_s), 2);
        window.deleteButton()->click();
        QCOMPARE(seam.questions,
                 QStringList({u"Να διαγράψω τα δεδομένα;"_s, u"Να διαγράψω τα δεδομένα;"_s}));
        QCOMPARE(program.count(u"select count(*) from CHILDREN"_s), 1);
    }

    void theEnvelopesAreAddressedToTheActiveChildrensGuardians() {
        childrentest::DeliveredProgram program;
        QVERIFY(QFile::copy(
            qEnvironmentVariable("VELORIMA_SOURCE_DIR") + u"/report-files/FAKELLOI.rav"_s,
            program.dir.path() + u"/FAKELLOI.rav"_s));
        program.addChild(1, u"Άννα"_s, u"Αντωνίου"_s, {2004, 1, 5});
        program.addChild(2, u"Νίκος"_s, u"Βασιλείου"_s, {2005, 2, 6});
        program.addChild(3, u"Ελένη"_s, u"Γεωργίου"_s, {2005, 2, 6}, false);
        for (const auto& [number, guardian] :
             {std::pair{1, u"Ζήσης Αντωνίου"_s}, std::pair{2, u"Άλκης Βασιλείου"_s},
              std::pair{3, u"Γεωργίου Ελένη"_s}}) {
            program.connection.execute(
                u"update CHILDREN SET ONOMA_KHDEMONA='%1', "
                u"DIEYTHYNSH_KHDEMONA='Οδός %2' WHERE "
                u"ARITHMOS_MHTRWOY=%2"_s.arg(guardian)
                    .arg(number));
        }
        reports::RecordingOutput output;
        reports::ScopedOutput scoped(output);
        children::EnvelopesWindow window(program.context);
        window.printButton()->click();
        QCOMPARE(output.printed().size(), 1);
        const QString text = output.printed().first().text;
        QCOMPARE(output.printed().first().pages, 2);
        QVERIFY(text.indexOf(u"Άλκης Βασιλείου"_s) < text.indexOf(u"Ζήσης Αντωνίου"_s));
        QVERIFY(text.contains(u"Οδός 2"_s));
        QVERIFY(!text.contains(u"Γεωργίου"_s));
    }
};

QTEST_MAIN(EnrolmentWindowsTest)
#include "enrolment_windows_qtest.moc"
