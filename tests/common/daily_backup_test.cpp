#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/daily_backup.h"
#include "db/backup.h"
#include "db/connection.h"
#include "db/connection_string.h"
#include "db/query.h"
#include "support/delivered_database.h"

using namespace Qt::StringLiterals;

namespace {

class DailyBackupTest : public ::testing::Test {
protected:
    QString databasePath() const { return database.dir().databasePath(); }
    QString folder() const { return common::backupFolder(databasePath()); }
    QString copyOf(const QDate& day) const { return folder() + u'/' + common::backupFileName(day); }
    QStringList filesInFolder() const {
        return QDir(folder()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }
    QString takeBackup(const QDate& day) {
        return common::takeDailyBackup(databasePath(), db::databasePassword(), day);
    }
    void addNote(const QString& text) {
        database.connection().execute(u"INSERT INTO NOTES(KEIMENO) VALUES('%1')"_s.arg(text));
    }
    static int notesIn(const QString& path, const QString& password = db::databasePassword()) {
        db::Connection connection(db::fileConnectionString(path, password));
        connection.open();
        return db::scalar(connection, u"SELECT count(*) FROM NOTES"_s).toInt();
    }

    testsupport::DeliveredDatabase database;
};

TEST_F(DailyBackupTest, TheDaysCopyIsAWholeEncryptedCopyTakenOncePerDay) {
    const QDate day(2024, 3, 15);
    addNote(u"πριν το αντίγραφο"_s);
    EXPECT_EQ(takeBackup(day), QString());
    EXPECT_EQ(filesInFolder(), QStringList{u"data-2024-03-15.mdb"_s});
    EXPECT_EQ(db::checkDatabaseFile(copyOf(day), db::databasePassword(), db::CheckDepth::Full),
              db::FileCheck::Sound);
    EXPECT_EQ(notesIn(copyOf(day)), 1);
    EXPECT_EQ(db::checkDatabaseFile(copyOf(day), u"other"_s, db::CheckDepth::Quick),
              db::FileCheck::DoesNotOpen);

    // A second start that day leaves the morning's copy as it is.
    addNote(u"μετά"_s);
    EXPECT_EQ(takeBackup(day), QString());
    EXPECT_EQ(notesIn(copyOf(day)), 1);
    EXPECT_EQ(takeBackup(day.addDays(1)), QString());
    EXPECT_EQ(notesIn(copyOf(day.addDays(1))), 2);
    EXPECT_EQ(common::newestBackup(folder()), copyOf(day.addDays(1)));
}

// The office starts the program on some days only: twice a month for a year, then every day of
// the first half of March 2024.
TEST_F(DailyBackupTest, KeepsTwoWeeksOfDaysAndTheNewestCopyOfEachOfTwelveMonths) {
    QList<QDate> startDays;
    for (QDate month(2023, 1, 1); month < QDate(2024, 3, 1); month = month.addMonths(1)) {
        for (int day : {10, 28}) {
            startDays.append(QDate(month.year(), month.month(), day));
        }
    }
    for (int day = 1; day <= 15; ++day) {
        startDays.append(QDate(2024, 3, day));
    }
    for (const QDate& day : startDays) {
        ASSERT_EQ(takeBackup(day), QString()) << day.toString().toStdString();
        ASSERT_TRUE(QFileInfo::exists(copyOf(day)));
        ASSERT_LE(filesInFolder().size(), common::kDailyBackupsKept + common::kMonthlyBackupsKept);
    }

    QStringList expected;
    for (QDate month(2023, 4, 1); month < QDate(2024, 3, 1); month = month.addMonths(1)) {
        expected << common::backupFileName(QDate(month.year(), month.month(), 28));
    }
    for (int day = 2; day <= 15; ++day) {
        expected << common::backupFileName(QDate(2024, 3, day));
    }
    EXPECT_EQ(filesInFolder(), expected);

    // Across the turn of the month the March copies become March's one copy.
    ASSERT_EQ(takeBackup(QDate(2024, 4, 20)), QString());
    EXPECT_TRUE(QFileInfo::exists(copyOf(QDate(2024, 3, 15))));
    EXPECT_FALSE(QFileInfo::exists(copyOf(QDate(2024, 3, 2))));
    EXPECT_FALSE(QFileInfo::exists(copyOf(QDate(2023, 4, 28))));
    EXPECT_EQ(filesInFolder().size(), 24);
}

TEST_F(DailyBackupTest, ACopyThatCannotBeWrittenIsReportedNamingTheFolderAndOldCopiesStay) {
    QFile blocker(folder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder belongs
    blocker.close();
    const QString warning = takeBackup(QDate(2024, 3, 15));
    EXPECT_EQ(warning, common::backupFailedMessage(folder()));
    EXPECT_TRUE(warning.contains(QDir::toNativeSeparators(folder()))) << warning.toStdString();
    ASSERT_TRUE(QFile::remove(folder()));

    // A full disk: writing stops at half the database's size.
    for (int day = 1; day <= common::kDailyBackupsKept; ++day) {
        ASSERT_EQ(takeBackup(QDate(2024, 2, day)), QString());
    }
    const QStringList before = filesInFolder();
    rlimit unlimited{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    rlimit full = unlimited;
    full.rlim_cur = static_cast<rlim_t>(QFileInfo(databasePath()).size() / 2);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    const QString fullDiskWarning = takeBackup(QDate(2024, 3, 1));
    setrlimit(RLIMIT_FSIZE, &unlimited);
    signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(fullDiskWarning, common::backupFailedMessage(folder()));
    EXPECT_EQ(filesInFolder(), before);

    EXPECT_EQ(takeBackup(QDate(2024, 3, 1)), QString());
    EXPECT_TRUE(QFileInfo::exists(copyOf(QDate(2024, 3, 1))));
}

// An index out of step with its table: every page reads, but the engine's full check fails.
TEST_F(DailyBackupTest, ACopyThatFailsItsCheckIsNotKeptAndRemovesNoOlderCopy) {
    for (int day = 1; day <= common::kDailyBackupsKept; ++day) {
        ASSERT_EQ(takeBackup(QDate(2024, 2, day)), QString());
    }
    const QStringList before = filesInFolder();
    database.connection().executeNative(
        u"CREATE TABLE T(A TEXT); CREATE INDEX T_A ON T(A); "
        "INSERT INTO T VALUES('b'); INSERT INTO T VALUES('A'); INSERT INTO T VALUES('a'); "
        "PRAGMA writable_schema=ON; "
        "UPDATE sqlite_master SET sql='CREATE INDEX T_A ON T(A COLLATE NOCASE DESC)' "
        "WHERE name='T_A'; PRAGMA writable_schema=OFF;"_s);
    database.connection().close();
    ASSERT_EQ(db::checkDatabaseFile(databasePath(), db::databasePassword(), db::CheckDepth::Full),
              db::FileCheck::Damaged);

    EXPECT_EQ(takeBackup(QDate(2024, 3, 1)), common::backupFailedMessage(folder()));
    EXPECT_EQ(filesInFolder(), before);
}

}  // namespace
