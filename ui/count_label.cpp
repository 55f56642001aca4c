#include "ui/count_label.h"

#include "ui/labels.h"

namespace ui {

CountLabel::CountLabel(const QString& noun, QWidget* parent) : QLabel(parent), noun_(noun) {
    makeRed(this);
}

QString CountLabel::countText(int count, const QString& noun) {
    return QStringLiteral("Βρέθηκαν ") + QString::number(count) + u' ' + noun;
}

void CountLabel::setCount(int count) {
    setText(countText(count, noun_));
}

}  // namespace ui
