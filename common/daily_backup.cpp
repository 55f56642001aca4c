#include "common/daily_backup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <exception>
#include <functional>

#include "db/backup.h"

namespace common {

namespace {

const QString kPartialSuffix = QStringLiteral(".part");

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The days of the copies in the folder, read from their names; other files are not ours.
QList<QDate> backupDays(const QString& folder) {
    QList<QDate> days;
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("data-*.mdb")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QDate day = QDate::fromString(name.mid(5, 10), QStringLiteral("yyyy-MM-dd"));
        if (day.isValid() && name == backupFileName(day)) {
            days.append(day);
        }
    }
    return days;
}

int monthsBefore(const QDate& today, const QDate& day) {
    return (today.year() - day.year()) * 12 + today.month() - day.month();
}

// What a copy interrupted by a power cut or a killed program left behind.
void removePartialCopies(const QDir& folder) {
    const QStringList leftovers =
        folder.entryList({QStringLiteral("data-*.mdb") + kPartialSuffix + u'*'}, QDir::Files);
    for (const QString& name : leftovers) {
        QFile::remove(folder.filePath(name));
    }
}

bool writeCheckedCopy(const QString& databasePath, const QString& password, const QString& target) {
    const QString partial = target + kPartialSuffix;
    try {
        db::backupDatabase(databasePath, partial, password);
    } catch (const std::exception&) {
        return false;
    }
    if (db::checkDatabaseFile(partial, password, db::CheckDepth::Full) == db::FileCheck::Sound &&
        QFile::rename(partial, target)) {
        return true;
    }
    QFile::remove(partial);
    return false;
}

void removeExpiredBackups(const QString& folder, const QDate& today) {
    for (const QDate& day : expiredBackups(backupDays(folder), today)) {
        QFile::remove(folder + u'/' + backupFileName(day));
    }
}

}  // namespace

QString backupFolder(const QString& databasePath) {
    return QFileInfo(databasePath).absolutePath() + QStringLiteral("/BACKUP");
}

QString backupFileName(const QDate& day) {
    return QStringLiteral("data-") + day.toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(".mdb");
}

QString newestBackup(const QString& folder) {
    const QList<QDate> days = backupDays(folder);
    return days.isEmpty() ? QString() : folder + u'/' + backupFileName(days.last());
}

QList<QDate> expiredBackups(const QList<QDate>& days, const QDate& today) {
    QList<QDate> newestFirst = days;
    std::sort(newestFirst.begin(), newestFirst.end(), std::greater<>());
    QList<QDate> expired;
    QList<int> monthsKept;
    for (qsizetype i = 0; i < newestFirst.size(); ++i) {
        const QDate day = newestFirst.at(i);
        const int month = monthsBefore(today, day);
        const bool newestOfItsMonth =
            month >= 0 && month < kMonthlyBackupsKept && !monthsKept.contains(month);
        if (newestOfItsMonth) {
            monthsKept.append(month);
        }
        if (i >= kDailyBackupsKept && !newestOfItsMonth && day != today) {
            expired.append(day);
        }
    }
    return expired;
}

QString takeDailyBackup(const QString& databasePath, const QString& password, const QDate& today) {
    const QString folder = backupFolder(databasePath);
    const QString target = folder + u'/' + backupFileName(today);
    if (QFileInfo::exists(target)) {
        return {};
    }
    if (!QDir().mkpath(folder)) {
        return backupFailedMessage(folder);
    }
    removePartialCopies(QDir(folder));
    if (!writeCheckedCopy(databasePath, password, target)) {
        return backupFailedMessage(folder);
    }
    removeExpiredBackups(folder, today);
    return {};
}

QString backupFailedMessage(const QString& folder) {
    return QStringLiteral(
               "Δεν ήταν δυνατό να γραφτεί το σημερινό αντίγραφο ασφαλείας της βάσης δεδομένων "
               "στον φάκελο\n%1\n\n"
               "Ίσως ο δίσκος είναι γεμάτος ή δεν επιτρέπει την εγγραφή. Το πρόγραμμα θα "
               "λειτουργήσει κανονικά· μέχρι να λυθεί το πρόβλημα, αντιγράφετε το αρχείο "
               "data.mdb με το χέρι (Επιλογές, Backup).")
        .arg(shown(folder));
}

QString damagedDatabaseMessage(const QString& databasePath, const QString& newestBackupPath) {
    QString text = QStringLiteral(
                       "Το αρχείο της βάσης δεδομένων\n%1\nείναι κατεστραμμένο και δεν μπορεί "
                       "να χρησιμοποιηθεί.\n\n")
                       .arg(shown(databasePath));
    if (newestBackupPath.isEmpty()) {
        text += QStringLiteral("Δεν βρέθηκε αντίγραφο ασφαλείας στον φάκελο\n%1")
                    .arg(shown(backupFolder(databasePath)));
    } else {
        text += QStringLiteral(
                    "Το νεότερο αντίγραφο ασφαλείας είναι το\n%1\n"
                    "Για να το επαναφέρετε, μετονομάστε το κατεστραμμένο αρχείο και αντιγράψτε "
                    "το αντίγραφο στη θέση του με το όνομα data.mdb.")
                    .arg(shown(newestBackupPath));
    }
    return text + QStringLiteral("\n\nΤο λογισμικό θα τερματίσει την λειτουργία του.");
}

}  // namespace common
