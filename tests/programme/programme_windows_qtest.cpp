// The teaching programme and food menu windows headless on a real delivered database: the
// order of the rows, what "the selected" print selects, and a forbidden character typed into a
// menu name.
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "common/forbidden_characters.h"
#include "db/query.h"
#include "programme/food_menu.h"
#include "programme/food_menu_print_window.h"
#include "programme/food_menu_window.h"
#include "programme/weekly_programme_print_window.h"
#include "programme/weekly_programme_window.h"
#include "programme/yearly_programme_print_window.h"
#include "programme/yearly_programme_window.h"
#include "reports/report_output.h"
#include "support/delivered_database.h"
#include "ui/bound_table.h"
#include "ui/long_lived_windows.h"
#include "ui/modal_answers.h"
#include "ui/navigator.h"

using namespace Qt::StringLiterals;

namespace {

bool fitsTheScreen(const QWidget& window) {
    return window.width() <= 1024 && window.height() <= 740;
}

QStringList keyColumn(const ui::BoundTable* rows) {
    QStringList texts;
    for (int row = 0; row < rows->rows().rowCount(); ++row) {
        texts.append(rows->rows().textAt(row, rows->rows().columnIndex(u"APO"_s)));
    }
    return texts;
}

void typeCharacter(QWidget* field, QChar character) {
    QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, character, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, field, Qt::Key_unknown, character, Qt::NoModifier);
}

}  // namespace

class ProgrammeWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        database = std::make_unique<testsupport::DeliveredDatabase>();
        context = database->dir().programContext();
        for (const QString file : {u"EBDOMADIAIO.RAV"_s, u"ETHSIO.RAV"_s, u"FAGHTO.RAV"_s}) {
            QVERIFY(QFile::copy(
                qEnvironmentVariable("VELORIMA_SOURCE_DIR") + u"/report-files/"_s + file,
                database->dir().path() + u'/' + file));
        }
        std::vector<std::unique_ptr<QDialog>> windows;
        windows.push_back(std::make_unique<programme::WeeklyProgrammePrintWindow>(context));
        windows.push_back(std::make_unique<programme::YearlyProgrammePrintWindow>(context));
        windows.push_back(std::make_unique<programme::FoodMenuPrintWindow>(context));
        longLived = std::make_unique<ui::LongLivedWindows>(std::move(windows));
        answers = std::make_unique<testsupport::ModalAnswers>();
        seam = std::make_unique<ui::ScopedModalSeam>(*answers);
        recording = std::make_unique<reports::RecordingOutput>();
        output = std::make_unique<reports::ScopedOutput>(*recording);
    }
    void cleanup() {
        output.reset();
        seam.reset();
        answers.reset();
        longLived.reset();
        database.reset();
        recording.reset();
    }

    void printingTheSelectedWeekPrintsExactlyThatWeek() {
        db::Connection& connection = database->connection();
        connection.execute(
            u"INSERT INTO EBDOMADIAIO(APO,MEXRI,KEIMENO) VALUES(#5/20/2024#,#5/24/2024#,'Χρώματα')"_s);
        connection.execute(
            u"INSERT INTO EBDOMADIAIO(APO,MEXRI,KEIMENO) VALUES(#5/20/2024#,#5/26/2024#,'Ζώα')"_s);
        connection.execute(
            u"INSERT INTO EBDOMADIAIO(APO,MEXRI,KEIMENO) VALUES(#6/3/2024#,#6/7/2024#,'Θάλασσα')"_s);
        programme::WeeklyProgrammeWindow window(context);
        window.show();
        QCOMPARE(window.windowTitle(), u"Εβδομαδιαίο πρόγραμμα διδασκαλίας"_s);
        QVERIFY(fitsTheScreen(window));
        QCOMPARE(keyColumn(window.rows()).first(), u"03/06/2024"_s);

        auto* print = ui::longLivedWindow<programme::WeeklyProgrammePrintWindow>();
        answers->onShow = [print](QDialog*) {
            QTest::mouseClick(print->printSelectedButton(), Qt::LeftButton);
            QTest::mouseClick(print->printSelectedButton(), Qt::LeftButton);
            return int(QDialog::Rejected);
        };
        const db::RowSet& rows = window.rows()->rows();
        for (int row = 0; row < rows.rowCount(); ++row) {
            if (rows.textAt(row, rows.columnIndex(u"KEIMENO"_s)) == u"Ζώα"_s) {
                window.rows()->moveTo(row);
            }
        }
        QCOMPARE(window.textField()->toPlainText(), u"Ζώα"_s);
        QTest::mouseClick(window.printButton(), Qt::LeftButton);
        QCOMPARE(print->keyTexts(), (QStringList{u"20/05/2024"_s, u"26/05/2024"_s}));
        QCOMPARE(recording->printed().size(), 2);
        for (const auto& report : recording->printed()) {
            QVERIFY(report.text.contains(u"Ζώα"_s));
            QVERIFY(!report.text.contains(u"Χρώματα"_s));
            QCOMPARE(report.pages, 1);
        }

        // Every programme, newest first, whichever is current.
        answers->onShow = [print](QDialog*) {
            QTest::mouseClick(print->printAllButton(), Qt::LeftButton);
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(window.printButton(), Qt::LeftButton);
        QCOMPARE(recording->printed().last().pages, 3);
        QVERIFY(recording->printed().last().text.indexOf(u"Θάλασσα"_s) <
                recording->printed().last().text.indexOf(u"Ζώα"_s));
    }

    void theSelectedProgrammeCannotBePrintedWithoutOne() {
        programme::YearlyProgrammeWindow window(context);
        window.show();
        auto* print = ui::longLivedWindow<programme::YearlyProgrammePrintWindow>();
        bool selectable = true;
        answers->onShow = [&](QDialog*) {
            selectable = print->printSelectedButton()->isEnabled();
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(window.printButton(), Qt::LeftButton);
        QVERIFY(!selectable);

        window.keyField(0)->setText(u"2024"_s);
        emit window.keyField(0)->textEdited(u"2024"_s);
        window.textField()->setPlainText(u"Σχολική χρονιά"_s);
        QVERIFY(window.rows()->post());
        QTest::mouseClick(window.printButton(), Qt::LeftButton);
        QVERIFY(selectable);
    }

    void aForbiddenCharacterInTheMenuNameKeepsTheTypedMeals() {
        programme::FoodMenuWindow window(context);
        window.show();
        QCOMPARE(window.windowTitle(), u"Εβδομαδιαίος κατάλογος προσφερομένων φαγητών"_s);
        QVERIFY(fitsTheScreen(window));

        for (const QChar letter : u"Μάιος"_s) {
            typeCharacter(window.nameField(), letter);
        }
        for (int day = 0; day < programme::kSchoolDays; ++day) {
            for (int meal = 0; meal < programme::kMeals; ++meal) {
                window.mealField(day, meal)->setPlainText(u"φαγητό %1.%2"_s.arg(day).arg(meal));
            }
        }
        typeCharacter(window.nameField(), u'\'');
        QCOMPARE(answers->warnings, QStringList{common::forbiddenCharactersMessage()});
        QCOMPARE(window.nameField()->text(), u"Μάιος"_s);
        QCOMPARE(window.mealField(5, 2)->toPlainText(), u"φαγητό 5.2"_s);
        typeCharacter(window.nameField(), u'1');
        QCOMPARE(window.nameField()->text(), u"Μάιος1"_s);

        QVERIFY(window.menus()->post());
        db::Query stored(database->connection(), u"SELECT * FROM FAGHTO"_s);
        stored.open();
        QCOMPARE(stored.rowCount(), 1);
        QCOMPARE(stored.text(u"PROGRAMMA"_s), u"Μάιος1"_s);
        QCOMPARE(stored.text(u"DEYTERA_1"_s), u"φαγητό 0.0"_s);
        QCOMPARE(stored.text(u"SABBATO_3"_s), u"φαγητό 5.2"_s);

        // A stored name with a quote shows without a message and prints.
        database->connection().execute(u"INSERT INTO FAGHTO(PROGRAMMA) VALUES('Ιούνιος ''24')"_s);
        window.menus()->reload();
        window.menus()->sortBy(u"PROGRAMMA ASC"_s);
        window.menus()->moveTo(0);
        QCOMPARE(window.nameField()->text(), u"Ιούνιος '24"_s);
        QCOMPARE(answers->warnings.size(), 1);
        auto* print = ui::longLivedWindow<programme::FoodMenuPrintWindow>();
        answers->onShow = [print](QDialog*) {
            QTest::mouseClick(print->printSelectedButton(), Qt::LeftButton);
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(window.printButton(), Qt::LeftButton);
        QCOMPARE(recording->printed().size(), 1);
        QVERIFY(recording->printed().first().text.contains(u"Ιούνιος '24"_s));
        QVERIFY(!recording->printed().first().text.contains(u"φαγητό"_s));
    }

private:
    std::unique_ptr<testsupport::DeliveredDatabase> database;
    common::ProgramContext context;
    std::unique_ptr<ui::LongLivedWindows> longLived;
    std::unique_ptr<testsupport::ModalAnswers> answers;
    std::unique_ptr<ui::ScopedModalSeam> seam;
    std::unique_ptr<reports::RecordingOutput> recording;
    std::unique_ptr<reports::ScopedOutput> output;
};

QTEST_MAIN(ProgrammeWindowsTest)
#include "programme_windows_qtest.moc"
