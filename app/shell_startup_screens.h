#pragma once

#include "app/startup.h"

class TForm3;

namespace app {

// The start-up sequence as the program shows it: every window and message goes through the
// modal seam, so tests answer them without a person.
class MainWindowStartupScreens : public StartupScreens {
public:
    explicit MainWindowStartupScreens(TForm3& mainWindow) : mainWindow_(mainWindow) {}

    void showSplash() override;
    void showMessage(const QString& text) override;
    void showSetPassword() override;
    void showAccessCheck() override;
    void showReceiptNumberingSet() override;
    void prepareMainWindow() override;
    void showTodaysReminder(const QString& reminderStatement) override;
    void showTodaysBirthdays() override;
    void abandonMainWindow() override;

private:
    TForm3& mainWindow_;
};

}  // namespace app
