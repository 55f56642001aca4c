#include "app/program_lock.h"

#include <QDir>

namespace app {

ProgramDirectoryLock::ProgramDirectoryLock(const QString& programDirectory)
    : file_(programLockFile(programDirectory)) {
    // The program runs for hours: a lock is stale only when the process it names is gone,
    // never because of its age.
    file_.setStaleLockTime(0);
    heldElsewhere_ = !file_.tryLock(0) && file_.error() == QLockFile::LockFailedError;
}

QString programLockFile(const QString& programDirectory) {
    return QDir(programDirectory).filePath(QStringLiteral("data.mdb.lock"));
}

QString programAlreadyOpenMessage() {
    return QStringLiteral(
        "Το πρόγραμμα είναι ήδη ανοιχτό σε αυτόν τον φάκελο.\n"
        "Χρησιμοποιήστε το παράθυρο που είναι ήδη ανοιχτό.");
}

}  // namespace app
