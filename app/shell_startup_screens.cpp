#include "app/shell_startup_screens.h"

#include "app/access_check_window.h"
#include "app/main_window.h"
#include "app/set_password_window.h"
#include "app/splash_window.h"
#include "children/birthdays_window.h"
#include "organiser/todays_reminder_window.h"
#include "ui/modal.h"

namespace app {

namespace {

// The main window is not shown yet: the start-up windows stand on their own.
template <class W, class... Arguments>
void showOnItsOwn(const Arguments&... arguments) {
    W window(arguments...);
    ui::showModal(&window);
}

}  // namespace

void MainWindowStartupScreens::showSplash() {
    showOnItsOwn<SplashWindow>();
}

void MainWindowStartupScreens::showMessage(const QString& text) {
    ui::inform(nullptr, text);
}

void MainWindowStartupScreens::showProblem(const QString& text) {
    ui::reportError(nullptr, text);
}

void MainWindowStartupScreens::showSetPassword() {
    showOnItsOwn<SetPasswordWindow>(context_);
}

bool MainWindowStartupScreens::showAccessCheck() {
    AccessCheckWindow window(context_);
    ui::showModal(&window);
    return window.accessGranted();
}

void MainWindowStartupScreens::showReceiptNumberingSet() {
    mainWindow_.showReceiptNumberingSet();
}

void MainWindowStartupScreens::prepareMainWindow() {
    mainWindow_.prepareForUse();
}

void MainWindowStartupScreens::showTodaysReminder(const QString& reminderStatement) {
    organiser::TodaysReminderWindow popup(context_, reminderStatement);
    ui::showModal(&popup);
}

void MainWindowStartupScreens::showTodaysBirthdays() {
    showOnItsOwn<children::BirthdaysWindow>(context_);
}

void MainWindowStartupScreens::abandonMainWindow() {
    mainWindow_.abandon();
}

}  // namespace app
