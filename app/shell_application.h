#pragma once

#include <QApplication>

namespace app {

// The program's application object. It is the general error report: an exception that no
// window handles reaches notify(), is shown as a message box with its text, and the program
// goes on with the event that raised it abandoned.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace app
