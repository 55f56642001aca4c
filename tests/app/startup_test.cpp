#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "app/access_password.h"
#include "app/startup.h"
#include "common/daily_backup.h"
#include "common/program_context.h"
#include "db/clock.h"
#include "db/connection.h"
#include "db/connection_string.h"
#include "db/query.h"
#include "support/delivered_database.h"

using namespace Qt::StringLiterals;

namespace {

// Stands in for the windows of the start-up: records what is shown, in order, and answers the
// set-password window and the access check as a user would.
class RecordingScreens : public app::StartupScreens {
public:
    QStringList shown;
    QStringList messages;
    QString reminderStatement;
    QString passwordToSet;  // stored by the set-password window when not empty
    bool grantAccess = true;
    const common::ProgramContext* context = nullptr;  // the one the start-up fills

    void showSplash() override { shown << u"splash"_s; }
    void showMessage(const QString& text) override {
        shown << u"message"_s;
        messages << text;
    }
    void showSetPassword() override {
        shown << u"set password"_s;
        if (!passwordToSet.isEmpty()) {
            db::Connection connection(context->connectionString);
            connection.open();
            app::storePassword(connection, passwordToSet);
        }
    }
    bool showAccessCheck() override {
        shown << u"access check"_s;
        if (onAccessCheck) {
            onAccessCheck();
        }
        return grantAccess;
    }
    std::function<void()> onAccessCheck;
    void showReceiptNumberingSet() override { shown << u"numbering set"_s; }
    void prepareMainWindow() override { shown << u"main window"_s; }
    void showTodaysReminder(const QString& statement) override {
        shown << u"reminder"_s;
        reminderStatement = statement;
    }
    void showTodaysBirthdays() override { shown << u"birthdays"_s; }
    void abandonMainWindow() override { shown << u"abandoned"_s; }
};

class StartupTest : public ::testing::Test {
protected:
    StartupTest() {
        screens.context = &context;
        setToday(QDate(2024, 3, 15));
    }
    ~StartupTest() override { db::Clock::reset(); }

    static void setToday(const QDate& date) { db::Clock::set(QDateTime(date, QTime(8, 30))); }

    app::StartupOutcome start() {
        screens.shown.clear();
        screens.messages.clear();
        screens.reminderStatement.clear();
        return app::runStartup(context, database.dir().path(), screens);
    }

    void run(const QString& statement) { database.connection().execute(statement); }
    int number(const QString& statement) {
        return db::scalar(database.connection(), statement).toInt();
    }

    void enrol(int child, const QString& enrolled, const QString& leftOn = u"NULL"_s) {
        run(u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY) VALUES(%1)"_s.arg(child));
        enrolWithoutCard(child, enrolled, leftOn);
    }
    // The enrolment of a child whose card was deleted: its enrolment row stays behind.
    void enrolWithoutCard(int child, const QString& enrolled, const QString& leftOn = u"NULL"_s) {
        run(u"INSERT INTO CHILDREN_EGG_DIAG(ARITHMOS_MHTRWOY,HMEROMHNIA_EGGRAFHS,HMEROMHNIA_DIAGRAFHS) VALUES(%1,%2,%3)"_s
                .arg(child)
                .arg(enrolled, leftOn));
    }
    int ledgerRows(int child, int month, const QString& mark = u"Χ"_s) {
        return number(
            u"SELECT count(*) FROM APODEIKSEIS_DIDAKTRWN WHERE ARITHMOS_MHTRWOY=%1 AND MHNAS=%2 AND ETOS=2024 AND CHECKER='%3'"_s
                .arg(child)
                .arg(month)
                .arg(mark));
    }

    testsupport::DeliveredDatabase database;
    common::ProgramContext context;
    RecordingScreens screens;
};

TEST_F(StartupTest, FactoryDefaultAsksForANewPasswordBeforeTheAccessCheckOnlyUntilOneIsSet) {
    screens.passwordToSet = u"Σοφία2024"_s;
    ASSERT_EQ(start(), app::StartupOutcome::Running);
    EXPECT_EQ(screens.shown, (QStringList{u"splash"_s, u"message"_s, u"set password"_s,
                                          u"access check"_s, u"main window"_s}));
    EXPECT_EQ(screens.messages.first(), app::startupNotice());
    EXPECT_TRUE(screens.messages.first().startsWith(
        u"Important Information\n\nPlease read carefully\n\n1) "_s));

    ASSERT_EQ(start(), app::StartupOutcome::Running);
    EXPECT_EQ(screens.shown,
              (QStringList{u"splash"_s, u"message"_s, u"access check"_s, u"main window"_s}));
    EXPECT_EQ(app::readStoredPassword(database.connection()), u"Σοφία2024"_s);
}

TEST_F(StartupTest, LeavingTheAccessCheckEndsTheStartBeforeTheDailyDuties) {
    enrol(1, u"#9/1/2023#"_s);
    screens.grantAccess = false;
    EXPECT_EQ(start(), app::StartupOutcome::AccessRefused);
    EXPECT_EQ(screens.shown.last(), u"abandoned"_s);
    EXPECT_FALSE(screens.shown.contains(u"main window"_s));
    EXPECT_EQ(number(u"SELECT count(*) FROM APODEIKSEIS_DIDAKTRWN"_s), 0);
}

TEST_F(StartupTest, EveryOpenEnrolmentOwesOneRowPerMonthHoweverOftenTheProgramStarts) {
    enrol(1, u"#9/1/2023#"_s);                   // enrolled last year
    enrol(2, u"#4/1/2024#"_s);                   // enrolled from next month
    enrol(3, u"#9/1/2023#"_s, u"#2/1/2024#"_s);  // de-enrolled
    enrol(4, u"#3/15/2024#"_s);                  // enrolled today
    enrol(5, u"#9/1/2023#"_s);                   // has paid this month already
    enrolWithoutCard(6, u"#9/1/2023#"_s);        // deleted: billed no more
    run(u"INSERT INTO APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,MHNAS,ETOS,CHECKER) VALUES(5,3,2024,'Π')"_s);

    ASSERT_EQ(start(), app::StartupOutcome::Running);
    ASSERT_EQ(start(), app::StartupOutcome::Running);
    setToday(QDate(2024, 3, 28));
    ASSERT_EQ(start(), app::StartupOutcome::Running);

    EXPECT_EQ(ledgerRows(1, 3), 1);
    EXPECT_EQ(ledgerRows(2, 3), 0);
    EXPECT_EQ(ledgerRows(3, 3), 0);
    EXPECT_EQ(ledgerRows(4, 3), 1);
    EXPECT_EQ(ledgerRows(5, 3), 0);
    EXPECT_EQ(ledgerRows(5, 3, u"Π"_s), 1);
    EXPECT_EQ(number(u"SELECT count(*) FROM APODEIKSEIS_DIDAKTRWN"_s), 3);

    setToday(QDate(2024, 4, 2));
    ASSERT_EQ(start(), app::StartupOutcome::Running);
    EXPECT_EQ(ledgerRows(1, 4), 1);
    EXPECT_EQ(ledgerRows(2, 4), 1);
    EXPECT_EQ(ledgerRows(3, 4), 0);
    EXPECT_EQ(ledgerRows(5, 4), 1);
    EXPECT_EQ(number(u"SELECT count(*) FROM APODEIKSEIS_DIDAKTRWN WHERE ARITHMOS_MHTRWOY=6"_s), 0);
}

TEST_F(StartupTest, TodaysReminderShowsOnlyWhenExactlyOneIsDue) {
    run(u"INSERT INTO REMINDER(HMEROMHNIA,KEIMENO) VALUES(#3/15/2023#,'Πέρσι')"_s);
    ASSERT_EQ(start(), app::StartupOutcome::Running);
    EXPECT_FALSE(screens.shown.contains(u"reminder"_s));

    run(u"INSERT INTO REMINDER(HMEROMHNIA,KEIMENO) VALUES(#3/15/2024#,'Εκδρομή στο δάσος')"_s);
    ASSERT_EQ(start(), app::StartupOutcome::Running);
    ASSERT_TRUE(screens.shown.contains(u"reminder"_s));
    db::Query reminder(database.connection(), screens.reminderStatement);
    reminder.open();
    ASSERT_EQ(reminder.rowCount(), 1);
    EXPECT_EQ(reminder.text(u"KEIMENO"_s), u"Εκδρομή στο δάσος"_s);

    run(u"INSERT INTO REMINDER(HMEROMHNIA,KEIMENO) VALUES(#3/15/2024#,'Γιορτή')"_s);
    ASSERT_EQ(start(), app::StartupOutcome::Running);
    EXPECT_FALSE(screens.shown.contains(u"reminder"_s));
}

TEST_F(StartupTest, BirthdaysWindowOpensForActiveChildrenOnly) {
    run(u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,HMEROMHNIA_GENNHSEWS,ENERGO) VALUES(1,#3/15/2019#,'ΟΧΙ')"_s);
    run(u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,HMEROMHNIA_GENNHSEWS,ENERGO) VALUES(2,#3/14/2020#,'ΝΑΙ')"_s);
    ASSERT_EQ(start(), app::StartupOutcome::Running);
    EXPECT_FALSE(screens.shown.contains(u"birthdays"_s));

    run(u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,HMEROMHNIA_GENNHSEWS,ENERGO) VALUES(3,#3/15/2021#,'ΝΑΙ')"_s);
    ASSERT_EQ(start(), app::StartupOutcome::Running);
    EXPECT_TRUE(screens.shown.contains(u"birthdays"_s));
}

TEST_F(StartupTest, ReceiptNumberingIsSetOnceTheCounterHoldsARow) {
    ASSERT_EQ(start(), app::StartupOutcome::Running);
    EXPECT_FALSE(screens.shown.contains(u"numbering set"_s));
    EXPECT_FALSE(context.receiptNumberingSet);
    EXPECT_FALSE(app::runReceiptNumberingCheck(context));

    run(u"INSERT INTO APODEIKSH_LAST(LAST_NUMBER) VALUES(100)"_s);
    EXPECT_TRUE(app::runReceiptNumberingCheck(context));
    EXPECT_TRUE(context.receiptNumberingSet);

    ASSERT_EQ(start(), app::StartupOutcome::Running);
    EXPECT_EQ(screens.shown.indexOf(u"numbering set"_s) + 1,
              screens.shown.indexOf(u"main window"_s));
}

TEST_F(StartupTest, ARefusedTuitionRowIsPassedOverAndTheOthersAreWritten) {
    enrol(1, u"#9/1/2023#"_s);
    enrol(2, u"#9/1/2023#"_s);
    database.connection().executeNative(
        u"CREATE TRIGGER refuse_two BEFORE INSERT ON APODEIKSEIS_DIDAKTRWN "
        "WHEN NEW.ARITHMOS_MHTRWOY = 1 BEGIN SELECT RAISE(ABORT, 'disk I/O'); END;"_s);
    ASSERT_EQ(start(), app::StartupOutcome::Running);
    EXPECT_EQ(ledgerRows(1, 3), 0);
    EXPECT_EQ(ledgerRows(2, 3), 1);
}

TEST_F(StartupTest, AnUnexpectedFailureEndsTheStartQuietly) {
    database.connection().executeNative(u"DROP TABLE REMINDER;"_s);
    EXPECT_EQ(start(), app::StartupOutcome::Failed);
    EXPECT_EQ(screens.messages, QStringList{app::startupNotice()});
    EXPECT_EQ(screens.shown.last(), u"abandoned"_s);
}

TEST_F(StartupTest, ALockHeldByAnotherProgramPastTheWaitIsToldInGreek) {
    // Another program takes the file while the access check is open and keeps it.
    screens.onAccessCheck = [this] { database.connection().executeNative(u"BEGIN EXCLUSIVE"_s); };
    EXPECT_EQ(start(), app::StartupOutcome::DatabaseProblem);
    database.connection().executeNative(u"ROLLBACK"_s);
    ASSERT_EQ(screens.messages.size(), 2);
    EXPECT_TRUE(screens.messages.last().startsWith(
        u"Η βάση δεδομένων χρησιμοποιείται αυτή τη στιγμή από άλλο πρόγραμμα.\n"_s));
    EXPECT_TRUE(screens.messages.last().contains(u"Λεπτομέρειες: database is locked"_s));
    EXPECT_EQ(screens.shown.last(), u"abandoned"_s);
}

TEST_F(StartupTest, TheFirstStartOfTheDayCopiesTheDatabaseSilentlyBeforeTheDailyDuties) {
    enrol(1, u"#9/1/2023#"_s);
    const QString folder = common::backupFolder(database.dir().databasePath());
    ASSERT_EQ(start(), app::StartupOutcome::Running);
    EXPECT_EQ(screens.messages, QStringList{app::startupNotice()});
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{u"data-2024-03-15.mdb"_s});
    EXPECT_EQ(ledgerRows(1, 3), 1);
    {
        db::Connection copy(
            db::fileConnectionString(common::newestBackup(folder), db::databasePassword()));
        copy.open();
        EXPECT_EQ(db::scalar(copy, u"SELECT count(*) FROM APODEIKSEIS_DIDAKTRWN"_s).toInt(), 0);
        EXPECT_EQ(db::scalar(copy, u"SELECT count(*) FROM CHILDREN_EGG_DIAG"_s).toInt(), 1);
    }

    ASSERT_EQ(start(), app::StartupOutcome::Running);
    setToday(QDate(2024, 3, 16));
    ASSERT_EQ(start(), app::StartupOutcome::Running);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
              (QStringList{u"data-2024-03-15.mdb"_s, u"data-2024-03-16.mdb"_s}));
}

TEST_F(StartupTest, ACopyThatCannotBeWrittenIsReportedOnceAndTheProgramStartsAnyway) {
    enrol(1, u"#9/1/2023#"_s);
    const QString folder = common::backupFolder(database.dir().databasePath());
    QFile blocker(folder);  // a file where the folder belongs
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ASSERT_EQ(start(), app::StartupOutcome::Running);
    EXPECT_EQ(screens.messages,
              (QStringList{app::startupNotice(), common::backupFailedMessage(folder)}));
    EXPECT_EQ(screens.shown.indexOf(u"message"_s, 2), screens.shown.indexOf(u"main window"_s) + 1);
    EXPECT_EQ(ledgerRows(1, 3), 1);
}

// Damage as a power cut or a failing disk leaves it: the file cut short, or bytes overwritten
// inside a table or on the first page. The program then ends with the file and the copy to
// restore named, instead of failing at the first statement.
TEST_F(StartupTest, ADamagedDatabaseEndsTheStartNamingTheFileAndTheNewestCopy) {
    const QString path = database.dir().databasePath();
    const QString folder = common::backupFolder(path);
    ASSERT_EQ(start(), app::StartupOutcome::Running);
    setToday(QDate(2024, 3, 18));
    ASSERT_EQ(start(), app::StartupOutcome::Running);
    database.connection().close();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray sound = file.readAll();
    file.close();

    struct Damage {
        const char* what;
        std::function<QByteArray(QByteArray)> apply;
    };
    const auto overwrite = [](qsizetype at) {
        return [at](QByteArray bytes) {
            for (qsizetype i = at; i < at + 8; ++i) {
                bytes[i] = static_cast<char>(~bytes[i]);
            }
            return bytes;
        };
    };
    const Damage damages[] = {
        {"cut in half", [](QByteArray bytes) { return bytes.left(bytes.size() / 2); }},
        {"cut inside the first page", [](QByteArray bytes) { return bytes.left(700); }},
        {"cut to nothing", [](QByteArray) { return QByteArray(); }},
        {"bytes overwritten in a table", overwrite(sound.size() / 2 + 300)},
        {"bytes overwritten on the first page", overwrite(200)},
    };
    const QString expected =
        common::damagedDatabaseMessage(path, folder + u"/data-2024-03-18.mdb"_s);
    EXPECT_TRUE(expected.contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(expected.contains(QDir::toNativeSeparators(folder + u"/data-2024-03-18.mdb"_s)));
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damage.apply(sound));
        file.close();
        EXPECT_EQ(start(), app::StartupOutcome::DatabaseProblem);
        EXPECT_EQ(screens.shown,
                  (QStringList{u"splash"_s, u"message"_s, u"message"_s, u"abandoned"_s}));
        EXPECT_EQ(screens.messages.last(), expected);
    }

    // Without a copy the message says so; a first page that does not read with the key is then
    // indistinguishable from a file of another program.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(damages[3].apply(sound));
    file.close();
    EXPECT_EQ(start(), app::StartupOutcome::DatabaseProblem);
    EXPECT_EQ(screens.messages.last(), common::damagedDatabaseMessage(path, QString()));
    EXPECT_TRUE(screens.messages.last().contains(QDir::toNativeSeparators(folder)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(damages[4].apply(sound));
    file.close();
    EXPECT_EQ(start(), app::StartupOutcome::DatabaseProblem);
    EXPECT_EQ(screens.messages.last(), app::databaseProblemMessage());
}

TEST(StartupDatabase, AMissingDatabaseOrAWrongPasswordIsReportedAndEndsTheStart) {
    testsupport::TempProgramDir missing;
    testsupport::TempProgramDir wrongPassword;
    db::Connection::createFile(wrongPassword.databasePath(), u"not the password"_s);

    for (const testsupport::TempProgramDir* dir : {&missing, &wrongPassword}) {
        common::ProgramContext context;
        RecordingScreens screens;
        screens.context = &context;
        EXPECT_EQ(app::runStartup(context, dir->path(), screens),
                  app::StartupOutcome::DatabaseProblem);
        EXPECT_EQ(screens.shown,
                  (QStringList{u"splash"_s, u"message"_s, u"message"_s, u"abandoned"_s}));
        EXPECT_EQ(
            screens.messages.last(),
            u"Υπάρχει πρόβλημα με την βάση δεδομένων.\nΤο λογισμικό θα τερματίσει την λειτουργία του."_s);
    }
}

}  // namespace
