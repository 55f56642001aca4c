#include "db/backup.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>

#include "db/connection.h"
#include "db/connection_string.h"
#include "db/error.h"
#include "db/statement.h"

namespace db {

namespace {

[[noreturn]] void failCopy(int rc, const QString& targetPath) {
    throw Error(QString::fromUtf8(sqlite3_errstr(rc)) + QStringLiteral(": ") + targetPath, rc);
}

// Copies every page in one step, so the source stays read-locked for the whole copy and no
// write can slip in between two pages.
void copyPages(Connection& target, Connection& source, const QString& targetPath) {
    sqlite3_backup* backup = sqlite3_backup_init(target.handle(), "main", source.handle(), "main");
    if (!backup) {
        failCopy(sqlite3_extended_errcode(target.handle()), targetPath);
    }
    const int stepRc = sqlite3_backup_step(backup, -1);
    const int finishRc = sqlite3_backup_finish(backup);
    if (stepRc != SQLITE_DONE) {
        failCopy(stepRc, targetPath);
    }
    if (finishRc != SQLITE_OK) {
        failCopy(finishRc, targetPath);
    }
}

QVariant firstValue(Connection& connection, const QString& engineSql) {
    Statement statement(connection, engineSql);
    return statement.step() ? statement.value(0) : QVariant();
}

// Codes by which the engine reports a broken file, as opposed to a busy or locked one.
bool isDamage(const Error& error) {
    const int code = error.code() & 0xff;
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB || code == SQLITE_IOERR;
}

bool passesCheck(Connection& connection, CheckDepth depth) {
    const QString check = depth == CheckDepth::Quick ? QStringLiteral("PRAGMA quick_check")
                                                     : QStringLiteral("PRAGMA integrity_check");
    return firstValue(connection, check).toString() == u"ok" &&
           firstValue(connection,
                      QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table'"))
                   .toInt() > 0;
}

}  // namespace

void backupDatabase(const QString& sourcePath, const QString& targetPath, const QString& password) {
    if (QFileInfo::exists(targetPath)) {
        throw Error(QStringLiteral("The file exists already and is left alone: ") + targetPath);
    }
    Connection source(fileConnectionString(sourcePath, password));
    source.open();
    try {
        // An empty file opens as an empty database, which takes the key like any other.
        QFile created(targetPath);
        if (!created.open(QIODevice::NewOnly)) {
            throw Error(created.errorString() + QStringLiteral(": ") + targetPath);
        }
        created.close();
        Connection target(fileConnectionString(targetPath, password));
        target.open();
        // A copy cut short is thrown away, so it needs no journal: the engine syncs the file
        // once when the copy is done instead of the journal and the file page after page.
        target.executeNative(QStringLiteral("PRAGMA journal_mode=OFF"));
        copyPages(target, source, targetPath);
    } catch (...) {
        QFile::remove(targetPath);
        QFile::remove(targetPath + QStringLiteral("-journal"));
        throw;
    }
}

FileCheck checkDatabaseFile(const QString& path, const QString& password, CheckDepth depth) {
    Connection connection(fileConnectionString(path, password));
    try {
        connection.open();
    } catch (const Error& error) {
        // The first read of the schema fails with NOTADB on a wrong key; a broken page past
        // the first one fails it otherwise.
        return (error.code() & 0xff) == SQLITE_CORRUPT ? FileCheck::Damaged
                                                       : FileCheck::DoesNotOpen;
    }
    try {
        return passesCheck(connection, depth) ? FileCheck::Sound : FileCheck::Damaged;
    } catch (const Error& error) {
        return isDamage(error) ? FileCheck::Damaged : FileCheck::DoesNotOpen;
    }
}

}  // namespace db
