#include "app/splash_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "app/shell_artwork.h"

namespace app {

SplashWindow::SplashWindow(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setModal(true);
    const QSize client(977, 735);
    setFixedSize(client);
    auto* picture = new QLabel(this);
    picture->setPixmap(app::kindergartenPicture(QSize(960, 720), app::programName()));
    picture->setGeometry(
        QRect(QPoint((client.width() - 960) / 2, (client.height() - 720) / 2), QSize(960, 720)));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() -
             QPoint(client.width() / 2, client.height() / 2));
    }

    timer_.setSingleShot(true);
    timer_.setInterval(3000);
    connect(&timer_, &QTimer::timeout, this, &QDialog::accept);
    timer_.start();
}

}  // namespace app
