#include "app/desktop_programs.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace app {

QStringList knownCalculators() {
    return {QStringLiteral("gnome-calculator"),
            QStringLiteral("kcalc"),
            QStringLiteral("galculator"),
            QStringLiteral("mate-calc"),
            QStringLiteral("qalculate-gtk"),
            QStringLiteral("qalculate-qt"),
            QStringLiteral("xcalc")};
}

QString findCalculator() {
    for (const QString& name : knownCalculators()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty()) {
            return path;
        }
    }
    return {};
}

bool startCalculator() {
    const QString calculator = findCalculator();
    return !calculator.isEmpty() && QProcess::startDetached(calculator, {});
}

QString noCalculatorMessage() {
    return QStringLiteral("Δεν βρέθηκε πρόγραμμα αριθμομηχανής σε αυτόν τον υπολογιστή.");
}

QString noFileBrowserMessage(const QString& folder) {
    return QStringLiteral(
               "Δεν βρέθηκε πρόγραμμα διαχείρισης αρχείων για να ανοίξει τον φάκελο των "
               "εικόνων.\n\nΟι εικόνες βρίσκονται στον φάκελο:\n") +
           QDir::toNativeSeparators(folder);
}

QString backupAdvice() {
    return QStringLiteral(
        "Για να πάρετε αντίγραφο ασφαλείας (backup) της βάσης δεδομένων, αντιγράψτε το αρχείο "
        "data.mdb, που βρίσκεται στον φάκελο όπου είναι εγκατεστημένο το πρόγραμμα, σε ένα USB "
        "flash drive, σε ένα CD ή αλλού.\n\n"
        "Την ώρα της αντιγραφής το πρόγραμμα δεν πρέπει να λειτουργεί.\n\n"
        "Με το ίδιο αρχείο μπορείτε να μεταφέρετε τα δεδομένα σας και σε άλλους υπολογιστές.");
}

}  // namespace app
