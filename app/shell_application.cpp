#include "app/shell_application.h"

#include <exception>

#include "db/error.h"
#include "ui/modal.h"

namespace app {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const db::Error& error) {
        ui::reportError(activeWindow(), error.message());
    } catch (const std::exception& error) {
        ui::reportError(activeWindow(), QString::fromLocal8Bit(error.what()));
    }
    return false;
}

}  // namespace app
