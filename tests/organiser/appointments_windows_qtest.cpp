// The appointments calendar and a day's list headless: the month grid and its marks, a click
// on a day, the counts after saving, and leaving the list with typing not saved.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "common/program_context.h"
#include "db/clock.h"
#include "db/error.h"
#include "db/query.h"
#include "organiser/appointment_list_window.h"
#include "organiser/appointments.h"
#include "organiser/appointments_calendar_window.h"
#include "support/delivered_database.h"
#include "ui/modal_answers.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QColor digitsColour(QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

// The cells whose day number shows in green.
QList<int> markedCells(organiser::AppointmentsCalendarWindow& window) {
    QList<int> cells;
    for (int cell = 1; cell <= organiser::kCalendarCells; ++cell) {
        if (digitsColour(window.dayLabel(cell)) == QColor(0x00, 0x80, 0x00)) {
            cells.append(cell);
        }
    }
    return cells;
}

QString storedSlot(db::Connection& connection, const QString& dayLiteral, const QString& column) {
    db::Query day(connection, organiser::appointmentDayStatement(dayLiteral));
    day.open();
    return day.isEmpty() ? u"<no row>"_s : day.text(column);
}

int rowsOfDay(db::Connection& connection, const QString& dayLiteral) {
    db::Query day(connection, organiser::appointmentDayStatement(dayLiteral));
    day.open();
    return day.rowCount();
}

void save(organiser::AppointmentListWindow& list) {
    QTest::mouseClick(list.navigator()->button(ui::Navigator::Post), Qt::LeftButton);
}

}  // namespace

class AppointmentsWindowsTest : public QObject {
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

    void calendarOpensOnTodaysMonthWithTheMarksOfTheDays() {
        organiser::AppointmentsCalendarWindow window(context);
        QCOMPARE(window.windowTitle(), u"Μηνιαία κατάσταση των ραντεβού"_s);
        QVERIFY(window.width() <= 1024 && window.height() <= 740);
        QCOMPARE(window.yearList()->currentText(), u"2024"_s);
        QCOMPARE(window.monthList()->currentText(), u"Μάρτιος"_s);

        // March 2024 starts on a Friday: cells 1-4 are empty, cell 5 holds the 1st.
        QVERIFY(window.dayLabel(4)->isHidden());
        QVERIFY(window.countLabel(4)->isHidden());
        QCOMPARE(window.dayLabel(5)->text(), u"1"_s);
        QVERIFY(!window.countLabel(5)->isHidden());
        QCOMPARE(window.dayLabel(35)->text(), u"31"_s);
        QVERIFY(window.dayLabel(36)->isHidden());
        QCOMPARE(markedCells(window), QList<int>{19});
        QCOMPARE(digitsColour(window.dayLabel(6)), QColor(0x80, 0x80, 0x80));
        QCOMPARE(digitsColour(window.dayLabel(8)), QColor(Qt::black));

        // Another month of the same year, and the same month of another year, carry no mark.
        window.monthList()->setCurrentIndex(3);
        QCOMPARE(window.dayLabel(1)->text(), u"1"_s);
        QVERIFY(markedCells(window).isEmpty());
        window.monthList()->setCurrentIndex(2);
        window.yearList()->setCurrentText(u"2025"_s);
        QVERIFY(markedCells(window).isEmpty());
        QTest::mouseClick(window.todayButton(), Qt::LeftButton);
        QCOMPARE(window.yearList()->currentText(), u"2024"_s);
        QCOMPARE(markedCells(window), QList<int>{19});

        // March 2009 starts on a Sunday and ends in the last cell.
        window.yearList()->setCurrentText(u"2009"_s);
        QCOMPARE(window.dayLabel(7)->text(), u"1"_s);
        QCOMPARE(window.dayLabel(37)->text(), u"31"_s);

        // After the years the list has always offered, the calendar still opens on today.
        db::Clock::set(QDateTime(QDate(2040, 6, 10), QTime(9, 0)));
        organiser::AppointmentsCalendarWindow later(context);
        QCOMPARE(later.yearList()->currentText(), u"2040"_s);
        QCOMPARE(later.monthList()->currentText(), u"Ιούνιος"_s);
        QCOMPARE(markedCells(later).size(), 1);
    }

    void clickOnADayOpensItsListOnceAndTheCountFollowsWhatWasSaved() {
        testsupport::ModalAnswers answers;
        ui::ScopedModalSeam seam(answers);
        answers.onShow = [](QDialog* dialog) {
            auto* list = qobject_cast<organiser::AppointmentListWindow*>(dialog);
            if (list->heading()->text() != u"5/3/2024"_s) {
                return int(QDialog::Accepted);  // marks a wrong heading for the check below
            }
            for (int slot : {0, 1, 27}) {
                QTest::keyClicks(list->slotField(slot), u"Doctor"_s);
            }
            QTest::keyClicks(list->slotField(5), u"   "_s);
            save(*list);
            return int(QDialog::Rejected);
        };
        organiser::AppointmentsCalendarWindow window(context);
        window.show();
        const int fifthCell = 9;  // March 2024 starts in cell 5
        QTest::mouseClick(window.dayLabel(fifthCell), Qt::LeftButton);
        QCOMPARE(answers.shown, QStringList{u"Αναλυτική κατάσταση των ραντεβού"_s});
        QCOMPARE(window.countLabel(fifthCell)->text(), u"3"_s);

        // A second click finds the row and makes no other; a day left empty shows no count.
        answers.onShow = [](QDialog*) { return int(QDialog::Rejected); };
        QTest::mouseClick(window.dayLabel(fifthCell), Qt::LeftButton);
        QTest::mouseClick(window.dayLabel(fifthCell + 1), Qt::LeftButton);
        const QString fifth = organiser::appointmentDayLiteral(5, 3, 2024);
        QCOMPARE(rowsOfDay(database->connection(), fifth), 1);
        QCOMPARE(rowsOfDay(database->connection(), organiser::appointmentDayLiteral(6, 3, 2024)),
                 1);
        QCOMPARE(window.countLabel(fifthCell)->text(), u"3"_s);
        QVERIFY(window.countLabel(fifthCell + 1)->text().isEmpty());
        QVERIFY(answers.errors.isEmpty());
        QVERIFY(answers.questions.isEmpty());
        QCOMPARE(storedSlot(database->connection(), fifth, u"2130-2200"_s), u"Doctor"_s);

        // A day whose row cannot be made opens no list: the failure goes on to the report.
        database->connection().executeNative(
            u"CREATE TRIGGER refuse_days BEFORE INSERT ON RANTEBOU BEGIN SELECT RAISE(ABORT, "
            "'refused'); END;"_s);
        QVERIFY_THROWS_EXCEPTION(db::Error, window.openDay(7));
        QCOMPARE(answers.shown.size(), 3);
    }

    void leavingTheListWithTypingNotSavedAsksWhetherToSaveIt() {
        testsupport::ModalAnswers answers;
        ui::ScopedModalSeam seam(answers);
        const QString day = organiser::appointmentDayLiteral(5, 3, 2024);
        organiser::createAppointmentDay(database->connection(), day);
        const auto openList = [&] {
            return std::make_unique<organiser::AppointmentListWindow>(
                context, u"5/3/2024"_s, organiser::appointmentDayStatement(day));
        };

        auto untouched = openList();
        untouched->show();
        QCOMPARE(untouched->size(), QSize(790, 689));
        untouched->reject();
        QVERIFY(answers.questions.isEmpty());

        answers.answers = {false};
        auto dropped = openList();
        dropped->show();
        QTest::keyClicks(dropped->slotField(2), u"Parents"_s);
        dropped->reject();
        QCOMPARE(answers.questions,
                 QStringList{organiser::AppointmentListWindow::unsavedQuestion()});
        QVERIFY(storedSlot(database->connection(), day, u"0900-0930"_s).isEmpty());

        answers.answers = {true};
        auto kept = openList();
        kept->show();
        QTest::keyClicks(kept->slotField(2), u"Parents"_s);
        kept->reject();
        QCOMPARE(answers.questions.size(), 2);
        QVERIFY(!kept->connection().isOpen());
        QCOMPARE(storedSlot(database->connection(), day, u"0900-0930"_s), u"Parents"_s);
    }

private:
    std::unique_ptr<testsupport::DeliveredDatabase> database;
    common::ProgramContext context;
};

QTEST_MAIN(AppointmentsWindowsTest)
#include "appointments_windows_qtest.moc"
