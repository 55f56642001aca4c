#pragma once

#include <QDialog>
#include <QTimer>

namespace app {

// The splash shown at start and at the end: the program's picture, borderless and above other
// windows, closing itself 3 seconds after it was created.
class SplashWindow : public QDialog {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

private:
    QTimer timer_;
};

}  // namespace app
