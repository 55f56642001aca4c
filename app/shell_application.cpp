#include "app/shell_application.h"

#include <exception>

#include "common/error_report.h"
#include "ui/modal.h"

namespace app {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ui::reportError(activeWindow(), common::errorReportText(error));
    }
    return false;
}

}  // namespace app
