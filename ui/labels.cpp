#include "ui/labels.h"

#include <QLabel>

namespace ui {

void makeRed(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
}

void makeBold(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
}

QLabel* redLabel(const QString& text, QWidget* parent, bool bold) {
    auto* label = new QLabel(text, parent);
    makeRed(label);
    if (bold) {
        makeBold(label);
    }
    return label;
}

QLabel* boldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    makeBold(label);
    return label;
}

QLabel* requiredMark(QWidget* parent) {
    return redLabel(QStringLiteral("*"), parent, true);
}

}  // namespace ui
