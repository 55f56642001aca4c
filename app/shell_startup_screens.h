#pragma once

#include "app/startup.h"

namespace app {
class MainWindow;
}

namespace common {
struct ProgramContext;
}

namespace app {

// The start-up sequence as the program shows it: every window and message goes through the
// modal seam, so tests answer them without a person.
class MainWindowStartupScreens : public StartupScreens {
public:
    MainWindowStartupScreens(MainWindow& mainWindow, const common::ProgramContext& context)
        : mainWindow_(mainWindow), context_(context) {}

    void showSplash() override;
    void showMessage(const QString& text) override;
    void showProblem(const QString& text) override;
    void showSetPassword() override;
    bool showAccessCheck() override;
    void showReceiptNumberingSet() override;
    void prepareMainWindow() override;
    void showTodaysReminder(const QString& reminderStatement) override;
    void showTodaysBirthdays() override;
    void abandonMainWindow() override;

private:
    MainWindow& mainWindow_;
    const common::ProgramContext& context_;
};

}  // namespace app
