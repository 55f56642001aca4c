// The birthdays window headless: it opens on today, follows its sliders and goes back to today.
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTest>

#include "children/birthdays_window.h"
#include "common/program_context.h"
#include "db/clock.h"
#include "db/command.h"
#include "support/delivered_database.h"
#include "ui/count_label.h"

class BirthdaysWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnTodayFollowsTheSlidersAndGoesBackToToday() {
        db::Clock::set(QDateTime(QDate(2024, 2, 29), QTime(8, 0)));
        testsupport::DeliveredDatabase database;
        const common::ProgramContext context = database.dir().programContext();
        db::Command add(database.connection());
        const QString child = QStringLiteral(
            "INSERT INTO "
            "CHILDREN(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY,HMEROMHNIA_GENNHSEWS,ENERGO) "
            "VALUES(%1,'Όνομα','%2',%3,'ΝΑΙ')");
        add.execute(child.arg(1).arg(QStringLiteral("Μιχαήλ"), QStringLiteral("#2/29/2020#")));
        add.execute(child.arg(2).arg(QStringLiteral("Αβραάμ"), QStringLiteral("#3/31/2019#")));

        children::BirthdaysWindow window(context);
        QCOMPARE(window.windowTitle(), QStringLiteral("Γενέθλια παιδιών"));
        QCOMPARE(window.monthSlider()->value(), 2);
        QCOMPARE(window.daySlider()->value(), 29);
        QCOMPARE(window.monthNameLabel()->text(), QStringLiteral("Φεβρουάριος"));
        QCOMPARE(window.dayLabel()->text(), QStringLiteral("29"));
        QCOMPARE(window.grid()->model()->rowCount(), 1);
        QCOMPARE(window.grid()->model()->index(0, 3).data().toString(),
                 QStringLiteral("29/02/2020"));
        QCOMPARE(window.countLabel()->text(), QStringLiteral("Βρέθηκαν 1 καταχωρήσεις"));
        QVERIFY(window.todayButton()->isDefault());

        window.daySlider()->setValue(31);
        window.monthSlider()->setValue(4);
        QCOMPARE(window.monthNameLabel()->text(), QStringLiteral("Απρίλιος"));
        QCOMPARE(window.grid()->model()->rowCount(), 0);
        QCOMPARE(window.countLabel()->text(), QStringLiteral("Βρέθηκαν 0 καταχωρήσεις"));
        window.monthSlider()->setValue(5);
        QCOMPARE(window.monthNameLabel()->text(), QStringLiteral("Μάϊος"));  // as always spelt here
        window.monthSlider()->setValue(3);
        QCOMPARE(window.grid()->model()->rowCount(), 1);

        QTest::mouseClick(window.todayButton(), Qt::LeftButton);
        QCOMPARE(window.monthSlider()->value(), 2);
        QCOMPARE(window.daySlider()->value(), 29);
        QCOMPARE(window.grid()->model()->rowCount(), 1);
        db::Clock::reset();
    }
};

QTEST_MAIN(BirthdaysWindowTest)
#include "birthdays_window_qtest.moc"
