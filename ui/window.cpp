#include "ui/window.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace ui {

Window::Window(QWidget* parent) : QDialog(parent) {
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    applyLook(this);
}

QColor Window::skyBlue() {
    return QColor(0xA6, 0xCA, 0xF0);
}

void Window::applyLook(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, skyBlue());
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPushButton* Window::makeExitButton() {
    auto* button = new QPushButton(QStringLiteral("Έ&ξοδος"), this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, &QDialog::reject);
    return button;
}

void Window::setMainAction(QPushButton* button) {
    button->setDefault(true);
    button->setAutoDefault(true);
}

void Window::fixSizeAndCentre(QSize size) {
    if (!size.isValid()) {
        adjustSize();
        size = sizeHint().expandedTo(minimumSizeHint());
    }
    setFixedSize(size);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(size.width() / 2, size.height() / 2));
    }
}

}  // namespace ui
