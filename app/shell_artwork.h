#pragma once

#include <QPixmap>
#include <QString>

namespace app {

// The program's own picture: a kindergarten yard under a rainbow, with the program name across
// the sky when a title is given. Drawn at any size, so the splash, the main window and the
// About window share it.
QPixmap kindergartenPicture(const QSize& size, const QString& title = {});

// The program name as the pictures and the About window show it.
QString programName();
QString programVersion();
QString makersAddress();

}  // namespace app
