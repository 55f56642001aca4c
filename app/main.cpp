#include <QDir>
#include <QLocale>
#include <exception>
#include <optional>

#include "app/greek_translation.h"
#include "app/main_window.h"
#include "app/program_lock.h"
#include "app/shell_application.h"
#include "app/shell_command_map.h"
#include "app/shell_long_lived.h"
#include "app/startup_timing.h"
#include "common/program_context.h"
#include "ui/long_lived_windows.h"
#include "ui/modal.h"

int main(int argc, char* argv[]) {
    // Inactive unless the benchmark asks for it: see startup_timing.h.
    const app::StartupTiming startupTiming;
    app::Application application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velorima created by Quornbeck"));
    app::installGreekTranslation(application);
    // The staff read Greek: month and day names, the calendar's first weekday.
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));

    // One copy per program directory, checked before anything opens the database; the lock is
    // held until the program ends.
    const app::ProgramDirectoryLock programLock(QDir::currentPath());
    if (programLock.heldElsewhere()) {
        ui::warn(nullptr, app::programAlreadyOpenMessage());
        return 0;
    }

    app::tieChildWindows();
    // What every window needs to know of the program; the start-up fills it.
    common::ProgramContext context;
    app::MainWindow mainWindow(context);
    switch (mainWindow.start(QDir::currentPath())) {
        case app::StartupOutcome::Running:
            break;
        case app::StartupOutcome::AccessRefused:
            return 0;
        case app::StartupOutcome::DatabaseProblem:
        case app::StartupOutcome::Failed:
            return 1;
    }
    // The long-lived windows belong to the start-up as well: a failure there ends the program
    // as quietly as one of the start-up sequence.
    std::optional<ui::LongLivedWindows> longLivedWindows;
    try {
        longLivedWindows.emplace(app::createLongLivedWindows(context));
    } catch (const std::exception&) {
        mainWindow.abandon();
        return 1;
    }
    mainWindow.show();
    startupTiming.reportWhenShown(mainWindow);
    return QApplication::exec();
}
