#include "app/startup.h"

#include <QFileInfo>
#include <exception>

#include "app/access_password.h"
#include "children/birthdays.h"
#include "common/daily_backup.h"
#include "common/program_context.h"
#include "common/today_parts.h"
#include "db/backup.h"
#include "db/clock.h"
#include "db/connection.h"
#include "db/connection_string.h"
#include "db/error.h"
#include "db/query.h"
#include "db/schema.h"
#include "finance/tuition_ledger.h"
#include "organiser/todays_reminder.h"

namespace app {

namespace {

// Every step opens the program's connection for its own statements and closes it afterwards.
class StepConnection {
public:
    explicit StepConnection(const common::ProgramContext& context)
        : connection_(context.connectionString) {
        connection_.open();
    }
    db::Connection& operator*() { return connection_; }

private:
    db::Connection connection_;
};

db::ConnectionSettings databaseSettings(const common::ProgramContext& context) {
    return db::parseConnectionString(context.connectionString);
}

// Why the database cannot be used, or nothing when it can. A file that is there but whose first
// page does not read with the key counts as damaged when the newest copy reads with that key:
// a wrong password and a broken first page look alike to the engine.
QString databaseProblem(const common::ProgramContext& context) {
    const db::ConnectionSettings database = databaseSettings(context);
    const auto check = [&](const QString& path) {
        return db::checkDatabaseFile(path, database.password, db::CheckDepth::Quick);
    };
    const QString newest = common::newestBackup(common::backupFolder(database.dataSource));
    switch (check(database.dataSource)) {
        case db::FileCheck::Sound:
            return {};
        case db::FileCheck::Damaged:
            return common::damagedDatabaseMessage(database.dataSource, newest);
        case db::FileCheck::DoesNotOpen:
            break;
    }
    if (QFileInfo::exists(database.dataSource) && !newest.isEmpty() &&
        check(newest) == db::FileCheck::Sound) {
        return common::damagedDatabaseMessage(database.dataSource, newest);
    }
    return databaseProblemMessage();
}

void runDailyBackup(const common::ProgramContext& context, StartupScreens& screens) {
    const db::ConnectionSettings database = databaseSettings(context);
    const QString warning =
        common::takeDailyBackup(database.dataSource, database.password, db::Clock::today());
    if (!warning.isEmpty()) {
        screens.showMessage(warning);
    }
}

void runDailyDuties(const common::ProgramContext& context, StartupScreens& screens) {
    const common::TodayParts today = common::todayParts(db::Clock::today());
    int reminders = 0;
    int birthdays = 0;
    {
        StepConnection connection(context);
        // A count statement that returns no row counts 0.
        reminders = db::scalar(*connection, organiser::todaysReminderCountStatement(today)).toInt();
        birthdays =
            db::scalar(*connection, children::birthdaysCountStatement(today.day, today.month))
                .toInt();
    }
    // The popup shows one reminder; on a day with several it is not shown at all.
    if (reminders == 1) {
        screens.showTodaysReminder(organiser::todaysReminderTextStatement(today));
    }
    if (birthdays != 0) {
        screens.showTodaysBirthdays();
    }
    StepConnection connection(context);
    finance::addThisMonthsTuitionRows(*connection, today);
}

StartupOutcome runSteps(common::ProgramContext& context, const QString& currentDirectory,
                        StartupScreens& screens) {
    context.setProgramDirectory(currentDirectory);
    screens.showSplash();
    screens.showMessage(startupNotice());
    const QString problem = databaseProblem(context);
    if (!problem.isEmpty()) {
        screens.showProblem(problem);
        return StartupOutcome::DatabaseProblem;
    }
    QString storedPassword;
    {
        StepConnection connection(context);
        storedPassword = readStoredPassword(*connection);
    }
    if (storedPassword == factoryDefaultPassword()) {
        screens.showSetPassword();
    }
    if (!screens.showAccessCheck()) {
        return StartupOutcome::AccessRefused;
    }
    if (runReceiptNumberingCheck(context)) {
        screens.showReceiptNumberingSet();
    }
    screens.prepareMainWindow();
    runDailyBackup(context, screens);
    {
        // After the copy of the day, which keeps the file as it was.
        StepConnection connection(context);
        db::upgradeSchema(*connection);
    }
    runDailyDuties(context, screens);
    return StartupOutcome::Running;
}

}  // namespace

StartupOutcome runStartup(common::ProgramContext& context, const QString& currentDirectory,
                          StartupScreens& screens) {
    StartupOutcome outcome = StartupOutcome::Failed;
    try {
        outcome = runSteps(context, currentDirectory, screens);
    } catch (const db::Error& error) {
        // A lock held by another program past the busy wait is no fault of the program: the
        // staff are told, so that they try again, rather than seeing it vanish.
        if (error.kind() == db::Error::Kind::Busy) {
            screens.showProblem(databaseBusyAtStartupMessage(error));
            outcome = StartupOutcome::DatabaseProblem;
        }
    } catch (const std::exception&) {
        outcome = StartupOutcome::Failed;
    }
    if (outcome != StartupOutcome::Running) {
        screens.abandonMainWindow();
    }
    return outcome;
}

bool runReceiptNumberingCheck(common::ProgramContext& context) {
    StepConnection connection(context);
    if (finance::receiptNumberingIsSet(*connection)) {
        context.receiptNumberingSet = true;
    }
    return context.receiptNumberingSet;
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

QString databaseBusyAtStartupMessage(const db::Error& error) {
    return QStringLiteral(
               "Η βάση δεδομένων χρησιμοποιείται αυτή τη στιγμή από άλλο πρόγραμμα.\n"
               "Το λογισμικό θα τερματίσει την λειτουργία του· ανοίξτε το ξανά σε λίγο.\n\n"
               "Λεπτομέρειες: ") +
           error.message();
}

QString databaseProblemMessage() {
    return QStringLiteral(
        "Υπάρχει πρόβλημα με την βάση δεδομένων.\n"
        "Το λογισμικό θα τερματίσει την λειτουργία του.");
}

}  // namespace app
