#include "app/program_lock.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>

#include "support/program_copy.h"
#include "support/temp_database.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kWaitMs = 5000;

// Starts a copy of the program on the directory and waits until it holds it.
std::unique_ptr<QProcess> startHolding(const QString& directory) {
    auto copy = testsupport::startProgramCopy({u"hold"_s, directory});
    EXPECT_TRUE(copy->waitForReadyRead(kWaitMs));
    EXPECT_EQ(QString::fromUtf8(copy->readLine()).trimmed(), u"held"_s);
    return copy;
}

struct Refusal {
    bool ended = false;
    int exitCode = -1;
    QString said;
};

// Starts a copy of the program on the directory and waits for it to end.
Refusal startRefused(const QString& directory) {
    auto copy = testsupport::startProgramCopy({u"hold"_s, directory});
    Refusal refusal;
    refusal.ended = copy->waitForFinished(kWaitMs);
    refusal.exitCode = copy->exitCode();
    refusal.said = QString::fromUtf8(copy->readAllStandardOutput()).trimmed();
    return refusal;
}

void end(QProcess& copy) {
    copy.closeWriteChannel();
    ASSERT_TRUE(copy.waitForFinished(kWaitMs));
    EXPECT_EQ(copy.exitCode(), 0);
}

TEST(ProgramLock, ASecondCopyOnTheDirectoryEndsWithTheMessageAndTheFirstGoesOn) {
    testsupport::TempProgramDir dir;
    testsupport::TempProgramDir otherDir;
    const auto first = startHolding(dir.path());

    const Refusal second = startRefused(dir.path());
    EXPECT_TRUE(second.ended);
    EXPECT_EQ(second.exitCode, 3);
    EXPECT_EQ(second.said, app::programAlreadyOpenMessage());
    EXPECT_EQ(second.said.section(u'\n', 0, 0),
              u"Το πρόγραμμα είναι ήδη ανοιχτό σε αυτόν τον φάκελο."_s);

    // The first copy still holds its directory, and only that one.
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_TRUE(startRefused(dir.path()).ended);
    const auto elsewhere = startHolding(otherDir.path());
    end(*elsewhere);

    end(*first);
    EXPECT_FALSE(QFile::exists(app::programLockFile(dir.path())));
    end(*startHolding(dir.path()));
}

TEST(ProgramLock, ALockLeftByAKilledCopyIsTakenOverAtTheNextStart) {
    testsupport::TempProgramDir dir;
    const auto killed = startHolding(dir.path());
    killed->kill();
    ASSERT_TRUE(killed->waitForFinished(kWaitMs));
    ASSERT_TRUE(QFile::exists(app::programLockFile(dir.path())));

    end(*startHolding(dir.path()));
}

// A copy that has been running for hours is not taken over for the age of its lock, even where
// the file system keeps no lock of its own on the file (a network share): the lock file is then
// all there is.
TEST(ProgramLock, TheLockOfACopyRunningForHoursStillHolds) {
    testsupport::TempProgramDir dir;
    testsupport::TempProgramDir runningDir;
    const auto running = startHolding(runningDir.path());
    const QString lockFile = app::programLockFile(dir.path());
    ASSERT_TRUE(QFile::copy(app::programLockFile(runningDir.path()), lockFile));
    QFile lock(lockFile);
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3 * 3600),
                                 QFileDevice::FileModificationTime));
    lock.close();

    EXPECT_EQ(startRefused(dir.path()).exitCode, 3);
    end(*running);
}

}  // namespace
