#pragma once

#include <QString>
#include <memory>

namespace app {

class MainWindow;

// Timing of the start, for the benchmark: when the environment variable
// VELORIMA_STARTUP_TIMING holds the access password, the start runs without a person. Every
// message is taken as read, the splash closes at once instead of after its fixed wait, the
// access check receives that password (a wrong one ends the start as leaving the check does),
// and the day's popups are closed unread. Once the main window is shown the program prints
// "main window shown after N ms" (from the first line of main) and ends. Without the variable
// nothing changes.
class StartupTiming {
public:
    StartupTiming();
    ~StartupTiming();
    StartupTiming(const StartupTiming&) = delete;
    StartupTiming& operator=(const StartupTiming&) = delete;

    // Prints the time once the shown main window has been laid out and ends the program.
    void reportWhenShown(MainWindow& mainWindow) const;

private:
    bool active() const;
    struct Private;
    std::unique_ptr<Private> d_;
};

}  // namespace app
