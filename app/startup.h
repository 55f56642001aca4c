#pragma once

#include <QString>

namespace common {
struct ProgramContext;
}
namespace db {
class Error;
}

namespace app {

// What the start-up sequence shows. The main window implements it with the real windows; each
// call returns when what it showed has been closed. The sequence itself runs every statement.
class StartupScreens {
public:
    virtual ~StartupScreens() = default;
    virtual void showSplash() = 0;
    virtual void showMessage(const QString& text) = 0;
    // A problem that ends the start: the database missing, damaged or locked. Shown as a
    // message unless the screens show problems their own way.
    virtual void showProblem(const QString& text) { showMessage(text); }
    virtual void showSetPassword() = 0;
    // The access check; true when the stored password was given, false when it was left.
    virtual bool showAccessCheck() = 0;
    // The receipt numbering is set: the menu offers the general receipts instead of the
    // numbering command.
    virtual void showReceiptNumberingSet() = 0;
    // The main window's look once access is granted: maker's notice, maximised, calendar today.
    virtual void prepareMainWindow() = 0;
    virtual void showTodaysReminder(const QString& reminderStatement) = 0;
    virtual void showTodaysBirthdays() = 0;
    // The program ends before the main window was shown: it is disabled, hidden and minimised.
    virtual void abandonMainWindow() = 0;
};

enum class StartupOutcome {
    Running,          // the main window may be shown
    DatabaseProblem,  // the database could not be opened, is damaged or stayed locked by
                      // another program; the user was told
    AccessRefused,    // the access check was left without the password
    Failed,           // an unexpected failure ended the start-up quietly
};

// Runs the whole start-up sequence for a program started in `currentDirectory`: program
// directory and connection string (written into `context`), splash, notice, database check (a
// missing, unreadable or damaged file ends the start with a message), password, access check,
// receipt numbering, the copy of the day into the backup folder (a failed copy is reported, the
// start goes on), the upgrade of a file written by an earlier version, and the daily duties. Any
// failure it does not handle itself ends the start-up quietly (StartupOutcome::Failed), unless
// another program held the database locked past the busy wait, which the staff are told.
StartupOutcome runStartup(common::ProgramContext& context, const QString& currentDirectory,
                          StartupScreens& screens);

// Reads whether the receipt numbering is set and records it in the program context; the flag
// is never cleared. Returns the flag.
bool runReceiptNumberingCheck(common::ProgramContext& context);

QString startupNotice();
QString databaseProblemMessage();
// Another program held the database locked past the busy wait during the start.
QString databaseBusyAtStartupMessage(const db::Error& error);

}  // namespace app
