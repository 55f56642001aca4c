// The organiser's windows headless: the year box and day count of the date utilities, the
// reminder popup, and the books' order and refused dates.
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "common/program_context.h"
#include "db/clock.h"
#include "db/command.h"
#include "organiser/date_utilities.h"
#include "organiser/date_utilities_window.h"
#include "organiser/notes_window.h"
#include "organiser/reminders_window.h"
#include "organiser/todays_reminder_window.h"
#include "support/delivered_database.h"
#include "ui/date_pick_button.h"
#include "ui/modal_answers.h"

namespace {

void leave(QWidget* widget) {
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &focusOut);
}

void typeYear(QSpinBox* box, const QString& digits) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, digits);
}

QStringList gridColumn(QTableView* grid) {
    QStringList texts;
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        texts.append(grid->model()->index(row, 0).data().toString());
    }
    return texts;
}

}  // namespace

class OrganiserWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        db::Clock::set(QDateTime(QDate(2024, 3, 15), QTime(9, 0)));
        database = std::make_unique<testsupport::DeliveredDatabase>();
        context = database->dir().programContext();
    }
    void cleanup() {
        database.reset();
        db::Clock::reset();
    }

    void yearBoxIsClampedWhenItLosesTheFocus() {
        organiser::DateUtilitiesWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Ημερολογιακά"));
        QCOMPARE(window.size(), QSize(632, 696));
        QCOMPARE(window.yearBox()->value(), 2024);
        QCOMPARE(window.easterLabel()->text(), QStringLiteral("είναι 5 Μαϊου"));

        typeYear(window.yearBox(), QStringLiteral("1582"));
        QCOMPARE(window.yearBox()->text(), QStringLiteral("1582"));
        QVERIFY(window.easterLabel()->text().isEmpty());
        leave(window.yearBox());
        QCOMPARE(window.yearBox()->value(), 1583);
        QCOMPARE(window.yearBox()->text(), QStringLiteral("1583"));
        QCOMPARE(window.easterLabel()->text(), organiser::find_pasxa(1583));

        typeYear(window.yearBox(), QStringLiteral("2105"));
        QVERIFY(window.easterLabel()->text().isEmpty());
        leave(window.yearBox());
        QCOMPARE(window.yearBox()->value(), 2100);
        QCOMPARE(window.easterLabel()->text(), QStringLiteral("είναι 2 Μαϊου"));
        window.yearBox()->stepUp();
        QCOMPARE(window.yearBox()->value(), 2100);

        // The buttons step within the years and the text follows.
        typeYear(window.yearBox(), QStringLiteral("2015"));
        window.yearBox()->stepUp();
        QCOMPARE(window.easterLabel()->text(), QStringLiteral("είναι 1 Μαϊου"));
    }

    void dayCountFollowsThePickedDates() {
        organiser::DateUtilitiesWindow window;
        QCOMPARE(window.fromBox()->text(), QStringLiteral("15/03/2024"));
        QCOMPARE(window.toBox()->text(), QStringLiteral("15/03/2024"));
        QVERIFY(window.dayCountLabel()->text().isEmpty());

        emit window.fromPicker()->calendar()->clicked(QDate(2024, 1, 1));
        emit window.toPicker()->calendar()->clicked(QDate(2024, 3, 1));
        QCOMPARE(window.fromBox()->text(), QStringLiteral("01/01/2024"));
        QCOMPARE(window.toBox()->text(), QStringLiteral("01/03/2024"));
        QCOMPARE(window.dayCountLabel()->text(), QStringLiteral("Αριθμός ημερών=60"));

        emit window.fromPicker()->calendar()->clicked(QDate(2024, 4, 1));
        QVERIFY(window.dayCountLabel()->text().isEmpty());

        // The pickers keep to 1940..2050.
        emit window.toPicker()->calendar()->clicked(QDate(2060, 1, 1));
        QCOMPARE(window.toPicker()->date(), QDate(2050, 1, 1));
    }

    void reminderPopupShowsTheTextOfTheGivenQuery() {
        db::Command(database->connection())
            .execute(QStringLiteral(
                "INSERT INTO REMINDER(HMEROMHNIA,KEIMENO) VALUES(#3/15/2024#,'Πληρωμή ενοικίου')"));
        organiser::TodaysReminderWindow popup(
            context,
            QStringLiteral("select KEIMENO AS KEIMENO from REMINDER where DAY(HMEROMHNIA)=15 AND "
                           "MONTH(HMEROMHNIA)=3 AND YEAR(HMEROMHNIA)=2024"));
        QCOMPARE(popup.windowTitle(), QStringLiteral("Υπενθυμίσεις"));
        QVERIFY(popup.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(popup.textField()->isReadOnly());
        popup.show();
        QCOMPARE(popup.textField()->toPlainText(), QStringLiteral("Πληρωμή ενοικίου"));
        popup.reject();
        QVERIFY(!popup.connection().isOpen());
    }

    void remindersListNewestFirstAndRefuseATextThatIsNoDate() {
        testsupport::ModalAnswers answers;
        ui::ScopedModalSeam seam(answers);
        db::Command add(database->connection());
        add.execute(
            QStringLiteral("INSERT INTO REMINDER(HMEROMHNIA,KEIMENO) VALUES(#12/31/2023#,'a')"));
        add.execute(
            QStringLiteral("INSERT INTO REMINDER(HMEROMHNIA,KEIMENO) VALUES(#1/5/2024#,'b')"));
        organiser::RemindersWindow window(context);
        window.show();
        QCOMPARE(gridColumn(window.grid()),
                 (QStringList{QStringLiteral("05/01/2024"), QStringLiteral("31/12/2023")}));
        QCOMPARE(window.dateField()->text(), QStringLiteral("05/01/2024"));

        window.dateField()->selectAll();
        QTest::keyClicks(window.dateField(), QStringLiteral("32/01/2024"));
        QTest::mouseClick(window.navigator()->button(ui::Navigator::Post), Qt::LeftButton);
        QCOMPARE(answers.errors.size(), 1);
        QCOMPARE(window.dateField()->text(), QStringLiteral("32/01/2024"));
        QTest::mouseClick(window.navigator()->button(ui::Navigator::Cancel), Qt::LeftButton);
        QCOMPARE(window.dateField()->text(), QStringLiteral("05/01/2024"));
    }

    void notesListByHeading() {
        db::Command add(database->connection());
        add.execute(QStringLiteral("INSERT INTO NOTES(TITLE,KEIMENO) VALUES('Ψώνια','γάλα')"));
        add.execute(QStringLiteral("INSERT INTO NOTES(TITLE,KEIMENO) VALUES('άδειες','Ιούλιος')"));
        organiser::NotesWindow window(context);
        window.show();
        QCOMPARE(gridColumn(window.grid()),
                 (QStringList{QStringLiteral("άδειες"), QStringLiteral("Ψώνια")}));
        QCOMPARE(window.textField()->toPlainText(), QStringLiteral("Ιούλιος"));
        QVERIFY(window.grid()->focusPolicy() != Qt::StrongFocus);
    }

private:
    std::unique_ptr<testsupport::DeliveredDatabase> database;
    common::ProgramContext context;
};

QTEST_MAIN(OrganiserWindowsTest)
#include "organiser_windows_qtest.moc"
