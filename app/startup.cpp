#include "app/startup.h"

#include <QFileInfo>
#include <exception>

#include "app/access_password.h"
#include "app/daily_backup.h"
#include "app/program_context.h"
#include "app/startup_queries.h"
#include "db/backup.h"
#include "db/clock.h"
#include "db/connection.h"
#include "db/connection_string.h"

namespace app {

namespace {

// Every step opens the program's connection for its own statements and closes it afterwards.
class StepConnection {
public:
    StepConnection() : connection_(context().connectionString) { connection_.open(); }
    db::Connection& operator*() { return connection_; }

private:
    db::Connection connection_;
};

db::ConnectionSettings databaseSettings() {
    return db::parseConnectionString(context().connectionString);
}

// Why the database cannot be used, or nothing when it can. A file that is there but whose first
// page does not read with the key counts as damaged when the newest copy reads with that key:
// a wrong password and a broken first page look alike to the engine.
QString databaseProblem() {
    const db::ConnectionSettings database = databaseSettings();
    const auto check = [&](const QString& path) {
        return db::checkDatabaseFile(path, database.password, db::CheckDepth::Quick);
    };
    const QString newest = newestBackup(backupFolder(database.dataSource));
    switch (check(database.dataSource)) {
        case db::FileCheck::Sound:
            return {};
        case db::FileCheck::Damaged:
            return damagedDatabaseMessage(database.dataSource, newest);
        case db::FileCheck::DoesNotOpen:
            break;
    }
    if (QFileInfo::exists(database.dataSource) && !newest.isEmpty() &&
        check(newest) == db::FileCheck::Sound) {
        return damagedDatabaseMessage(database.dataSource, newest);
    }
    return databaseProblemMessage();
}

void runDailyBackup(StartupScreens& screens) {
    const db::ConnectionSettings database = databaseSettings();
    const QString warning =
        takeDailyBackup(database.dataSource, database.password, db::Clock::today());
    if (!warning.isEmpty()) {
        screens.showMessage(warning);
    }
}

void runDailyDuties(StartupScreens& screens) {
    const TodayParts today = todayParts(db::Clock::today());
    int reminders = 0;
    int birthdays = 0;
    {
        StepConnection connection;
        reminders = countOf(*connection, todaysReminderCountStatement(today));
        birthdays = countOf(*connection, todaysBirthdaysCountStatement(today));
    }
    // The popup shows one reminder; on a day with several it is not shown at all.
    if (reminders == 1) {
        screens.showTodaysReminder(todaysReminderTextStatement(today));
    }
    if (birthdays != 0) {
        screens.showTodaysBirthdays();
    }
    StepConnection connection;
    addThisMonthsTuitionRows(*connection, today);
}

StartupOutcome runSteps(const QString& currentDirectory, StartupScreens& screens) {
    setProgramDirectory(currentDirectory);
    screens.showSplash();
    screens.showMessage(startupNotice());
    const QString problem = databaseProblem();
    if (!problem.isEmpty()) {
        screens.showMessage(problem);
        return StartupOutcome::DatabaseProblem;
    }
    {
        StepConnection connection;
        context().storedPassword = readStoredPassword(*connection);
    }
    if (context().storedPassword == factoryDefaultPassword()) {
        screens.showSetPassword();
    }
    context().accessGranted = false;
    screens.showAccessCheck();
    if (!context().accessGranted) {
        return StartupOutcome::AccessRefused;
    }
    if (runReceiptNumberingCheck()) {
        screens.showReceiptNumberingSet();
    }
    screens.prepareMainWindow();
    runDailyBackup(screens);
    runDailyDuties(screens);
    return StartupOutcome::Running;
}

}  // namespace

StartupOutcome runStartup(const QString& currentDirectory, StartupScreens& screens) {
    StartupOutcome outcome = StartupOutcome::Failed;
    try {
        outcome = runSteps(currentDirectory, screens);
    } catch (const std::exception&) {
        outcome = StartupOutcome::Failed;
    }
    if (outcome != StartupOutcome::Running) {
        screens.abandonMainWindow();
    }
    return outcome;
}

bool runReceiptNumberingCheck() {
    StepConnection connection;
    if (receiptNumberingIsSet(*connection)) {
        context().receiptNumberingSet = true;
    }
    return context().receiptNumberingSet;
}

QString startupNotice() {
    return QStringLiteral(
        "Important Information\n\n"
        "Please read carefully\n\n"
        "1) If you see rubbish (unreadable characters) instead of Greek characters you must "
        "reconfigure your Windows operating system to support Greek system characters.\n\n"
        "2) The recommended screen resolution is 1024 x 768 or higher. Lower resolution may "
        "cause application forms seem incorrect.");
}

QString databaseProblemMessage() {
    return QStringLiteral("Υπάρχει πρόβλημα με την βάση δεδομένων.\n"
                          "Το λογισμικό θα τερματίσει την λειτουργία του.");
}

}  // namespace app
