#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace common {

// The daily backup keeps the newest copies of the last days, and the newest copy of each month
// of the last months (today's month among them).
inline constexpr int kDailyBackupsKept = 14;
inline constexpr int kMonthlyBackupsKept = 12;

// The folder BACKUP beside the database file.
QString backupFolder(const QString& databasePath);
// The name of the copy taken on a day: data-yyyy-MM-dd.mdb.
QString backupFileName(const QDate& day);
// The path of the newest copy in the folder; empty when there is none.
QString newestBackup(const QString& folder);

// Of the days that have a copy, those whose copy is removed on `today`: all but the newest
// kDailyBackupsKept, the newest of each of the kMonthlyBackupsKept months up to today's, and
// today's own.
QList<QDate> expiredBackups(const QList<QDate>& days, const QDate& today);

// Takes the copy of the day, unless the backup folder has one already: writes a copy of the
// database (encrypted with the same password) under a temporary name, checks that it opens with
// the password and is whole, gives it the day's name and only then removes the expired copies.
// Returns the warning for the staff when no sound copy could be written (the folder cannot be
// made, the disk is full or read-only), empty otherwise. Never throws.
QString takeDailyBackup(const QString& databasePath, const QString& password, const QDate& today);

QString backupFailedMessage(const QString& folder);
// Ends a start on a damaged database file; names the file and the newest copy to restore.
QString damagedDatabaseMessage(const QString& databasePath, const QString& newestBackupPath);

}  // namespace common
