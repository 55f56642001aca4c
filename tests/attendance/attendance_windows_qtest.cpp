// The attendance windows on a real delivered database: what they record, the rules of their
// buttons, their messages, what they hand to the search results window and what they print.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "attendance/absence_check_window.h"
#include "attendance/absences_window.h"
#include "attendance/register_request_window.h"
#include "attendance/register_window.h"
#include "attendance_fixture.h"
#include "reports/report_output.h"
#include "searches/search_results_window.h"
#include "ui/bound_table.h"
#include "ui/count_label.h"
#include "ui/modal_answers.h"
#include "ui/navigator.h"

using namespace Qt::StringLiterals;

class AttendanceWindowsTest : public QObject {
    Q_OBJECT

    void copyReportFile(const QString& name) {
        QVERIFY(
            QFile::copy(qEnvironmentVariable("VELORIMA_SOURCE_DIR") + u"/report-files/"_s + name,
                        database->dir().path() + u'/' + name));
    }

    static bool fitsTheScreen(QWidget& window) {
        window.show();
        return window.width() <= 1024 && window.height() <= 768;
    }

private slots:
    void init() {
        database = std::make_unique<attendancetest::AttendanceDatabase>();
        database->addChild(12, u"Άννα"_s, u"Ιωάννου"_s);
        database->addChild(13, u"Νίκος"_s, u"Αλεξίου"_s);
        database->addChild(14, u"Ελένη"_s, u"Δήμου"_s, false);
        database->connection().execute(u"UPDATE PERIGRAFH SET KEIMENO1='πριν',KEIMENO2='πριν'"_s);
        answers = std::make_unique<testsupport::ModalAnswers>();
        seam = std::make_unique<ui::ScopedModalSeam>(*answers);
    }

    void cleanup() {
        seam.reset();
        answers.reset();
        database.reset();
    }

    void absencesAreRecordedListedLatestFirstAndDeleted() {
        attendance::AbsencesWindow window(database->context, u"12"_s, u"Άννα"_s, u"Ιωάννου"_s);
        QVERIFY(fitsTheScreen(window));
        QCOMPARE(window.windowTitle(), u"Απουσίες"_s);
        QStringList labels;
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            labels << label->text();
        }
        for (const QString& shown :
             {u"Αριθμός Mητρώου:"_s, u"12"_s, u"Άννα"_s, u"Ιωάννου"_s, u"* (π.χ 28/12/2007)"_s}) {
            QVERIFY2(labels.contains(shown), qPrintable(shown));
        }
        QVERIFY(window.recordButton()->isDefault());
        QCOMPARE(window.countLabel()->text(), u"Βρέθηκαν 0 απουσίες"_s);

        for (const QString& day : {u"03/05/2010"_s, u" 04/05/2010"_s}) {
            window.dayField()->setText(day);
            QTest::mouseClick(window.recordButton(), Qt::LeftButton);
            QVERIFY(window.dayField()->text().isEmpty());
        }
        QCOMPARE(window.countLabel()->text(), u"Βρέθηκαν 2 απουσίες"_s);
        QCOMPARE(window.absences().valueAt(0, 1).toDate(), QDate(2010, 5, 4));
        QVERIFY(answers->warnings.isEmpty());

        for (const QString& refused : {u"31/02/2010"_s, u"03/05/2010"_s}) {
            window.dayField()->setText(refused);
            QTest::mouseClick(window.recordButton(), Qt::LeftButton);
            QVERIFY(window.dayField()->text().isEmpty());
        }
        QCOMPARE(answers->warnings, QStringList(2, u"Η καταχώρηση δεν έγινε."_s));
        QCOMPARE(database->count(u"SELECT COUNT(*) FROM APOYSIES"_s), 2);

        answers->answers = {false, true};
        window.navigator()->button(ui::Navigator::Delete)->click();
        QCOMPARE(database->count(u"SELECT COUNT(*) FROM APOYSIES"_s), 2);
        window.navigator()->button(ui::Navigator::Delete)->click();
        QCOMPARE(answers->questions.size(), 2);
        QCOMPARE(database->count(u"SELECT COUNT(*) FROM APOYSIES WHERE HMEROMHNIA=#5/3/2010#"_s),
                 1);
        QCOMPARE(window.countLabel()->text(), u"Βρέθηκαν 1 απουσίες"_s);
    }

    void absenceCheckIsGuardedAndHandsItsSelectToTheResults() {
        copyReportFile(u"EREYNA.rav"_s);
        database->addAbsences(14, {u"5/3/2010"_s, u"5/4/2010"_s, u"5/5/2010"_s});
        database->addAbsences(12, {u"5/3/2010"_s});
        searches::SearchResultsWindow results(database->context);
        attendance::AbsenceCheckWindow window(database->context, &results);
        QVERIFY(fitsTheScreen(window));
        QCOMPARE(window.windowTitle(), u"Έλεγχος απουσιών"_s);
        QCOMPARE(window.searchButton()->text(), u"Eύ&ρεση"_s);
        QVERIFY(window.searchButton()->isEnabled());
        window.highestCountField()->setText(u"9;"_s);
        QVERIFY(!window.searchButton()->isEnabled());

        window.fromDayField()->setText(u"01/05/2010"_s);
        window.toDayField()->setText(u"31/05/2010"_s);
        window.lowestCountField()->setText(u"3"_s);
        window.highestCountField()->setText(u"x"_s);
        QVERIFY(window.searchButton()->isEnabled());
        QTest::mouseClick(window.searchButton(), Qt::LeftButton);
        QCOMPARE(answers->warnings, QStringList{u"Λανθασμένα κριτήρια."_s});
        QCOMPARE(database->titleLines(), (QStringList{u"πριν"_s, u"πριν"_s}));
        QVERIFY(answers->shown.isEmpty());

        reports::RecordingOutput printed;
        reports::ScopedOutput output(printed);
        answers->onShow = [&](QDialog*) {
            QTest::mouseClick(results.printButton(), Qt::LeftButton);
            return int(QDialog::Rejected);
        };
        window.highestCountField()->setText(u"99"_s);
        QTest::mouseClick(window.searchButton(), Qt::LeftButton);
        QCOMPARE(answers->shown, QStringList{u"Έρευνα"_s});
        QCOMPARE(results.firstTitleLine(), u"ΕΛΕΓΧΟΣ ΑΠΟΥΣΙΩΝ"_s);
        QCOMPARE(results.countText(), u"Βρέθηκαν 1 παιδιά"_s);  // the child who left
        QCOMPARE(printed.printed().size(), 1);
        QVERIFY(printed.printed().first().text.contains(u"ΕΛΕΓΧΟΣ ΑΠΟΥΣΙΩΝ"_s));
        QVERIFY(printed.printed().first().text.contains(u"Δήμου"_s));
        QVERIFY(!printed.printed().first().text.contains(u"Ιωάννου"_s));
    }

    void registerIsBuiltShownInSurnameOrderAndPrinted() {
        copyReportFile(u"PAROYSIOLOGIO.RAV"_s);
        database->addAbsences(12, {u"2/3/2012"_s, u"2/17/2012"_s});
        attendance::RegisterWindow registerWindow(database->context);
        attendance::RegisterRequestWindow request(database->context, &registerWindow);
        QVERIFY(fitsTheScreen(request));
        QVERIFY(fitsTheScreen(registerWindow));
        QCOMPARE(registerWindow.grid()->model()->columnCount(), 34);
        QVERIFY(!request.buildButton()->isEnabled());
        QVERIFY(request.buildButton()->isDefault());
        QCOMPARE(request.monthList()->count(), 12);
        QCOMPARE(request.monthList()->currentText(), u"Ιανουάριος"_s);

        request.yearField()->setText(u"2012'"_s);
        QVERIFY(!request.buildButton()->isEnabled());
        request.yearField()->setText(u"20a2"_s);
        QVERIFY(request.buildButton()->isEnabled());
        QTest::mouseClick(request.buildButton(), Qt::LeftButton);
        QCOMPARE(answers->warnings, QStringList{u"Λανθασμένα κριτήρια."_s});
        QCOMPARE(database->titleLines(), (QStringList{u"πριν"_s, u"πριν"_s}));

        reports::RecordingOutput printed;
        reports::ScopedOutput output(printed);
        QStringList listed;
        answers->onShow = [&](QDialog*) {
            for (int row = 0; row < registerWindow.rows().rowCount(); ++row) {
                listed << registerWindow.rows().textAt(row, 2);
            }
            QTest::mouseClick(registerWindow.printButton(), Qt::LeftButton);
            return int(QDialog::Rejected);
        };
        request.yearField()->setText(u"2012"_s);
        request.monthList()->setCurrentText(u"Φεβρουάριος"_s);
        QTest::mouseClick(request.buildButton(), Qt::LeftButton);
        QCOMPARE(answers->shown, QStringList{u"Παρουσιολόγιο"_s});
        QCOMPARE(listed, (QStringList{u"Αλεξίου"_s, u"Ιωάννου"_s}));
        QCOMPARE(registerWindow.secondTitleLine(), u"Σχολική χρονιά: 2012, Μήνας: Φεβρουάριος"_s);
        QCOMPARE(printed.printed().size(), 1);
        const QString text = printed.printed().first().text;
        QVERIFY2(text.contains(u"Σχολική χρονιά: 2012, Μήνας: Φεβρουάριος"_s), qPrintable(text));
        // One cell a line; the 30th and 31st of February are blank.
        const auto printedRow = [](const QString& child, const QList<int>& absent) {
            QStringList cells = child.split(u' ');
            for (int day = 1; day <= 31; ++day) {
                cells << (day > 29 ? QString() : absent.contains(day) ? u"Α"_s : u"Π"_s);
            }
            return cells.join(u'\n') + u'\n';
        };
        QVERIFY2(text.contains(printedRow(u"13 Αλεξίου Νίκος"_s, {})), qPrintable(text));
        QVERIFY2(text.contains(printedRow(u"12 Ιωάννου Άννα"_s, {3, 17})), qPrintable(text));
        QVERIFY(text.indexOf(u"Αλεξίου"_s) < text.indexOf(u"Ιωάννου"_s));
    }

    void aRefusedBuildShowsTheMessageAndKeepsTheRegisterHidden() {
        database->addAbsences(12, {u"3/3/2011"_s});
        database->connection().executeNative(
            u"CREATE TRIGGER refuse BEFORE UPDATE OF M3 ON APOYSIES_TEMP "
            "BEGIN SELECT RAISE(ABORT, 'planted'); END"_s);
        attendance::RegisterWindow registerWindow(database->context);
        attendance::RegisterRequestWindow request(database->context, &registerWindow);
        request.yearField()->setText(u"2011"_s);
        request.monthList()->setCurrentIndex(2);
        QTest::mouseClick(request.buildButton(), Qt::LeftButton);
        QCOMPARE(answers->warnings, QStringList{u"Λανθασμένα κριτήρια."_s});
        QVERIFY(answers->shown.isEmpty());
        QCOMPARE(database->titleLines(), (QStringList{u"πριν"_s, u"πριν"_s}));
    }

private:
    std::unique_ptr<attendancetest::AttendanceDatabase> database;
    std::unique_ptr<testsupport::ModalAnswers> answers;
    std::unique_ptr<ui::ScopedModalSeam> seam;
};

QTEST_MAIN(AttendanceWindowsTest)
#include "attendance_windows_qtest.moc"
