#include "app/shell_analog_clock.h"

#include <QPainter>
#include <algorithm>

namespace app {

namespace {

// The face is drawn on a 200 x 200 square centred on the origin.
constexpr qreal kFace = 100;

void drawMarks(QPainter& painter) {
    for (int minute = 0; minute < 60; ++minute) {
        const bool hour = minute % 5 == 0;
        painter.setPen(QPen(Qt::black, hour ? 3 : 1));
        painter.drawLine(QPointF(0, -kFace + 4), QPointF(0, -kFace + (hour ? 14 : 8)));
        painter.rotate(6.0);
    }
}

void drawHand(QPainter& painter, qreal degrees, qreal length, const QColor& colour, int width) {
    painter.save();
    painter.rotate(degrees);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 10), QPointF(0, -length));
    painter.restore();
}

}  // namespace

AnalogClock::AnalogClock(QWidget* parent) : QWidget(parent), time_(0, 0) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void AnalogClock::setTime(const QTime& time) {
    time_ = time;
    update();
}

void AnalogClock::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    painter.scale(side / (2 * kFace + 4), side / (2 * kFace + 4));

    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), kFace, kFace);
    painter.save();
    drawMarks(painter);
    painter.restore();

    QFont font = painter.font();
    font.setPixelSize(18);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(-kFace, 25, 2 * kFace, 30), Qt::AlignCenter,
                     time_.toString(QStringLiteral("HH:mm:ss")));

    const qreal minutes = time_.minute() + time_.second() / 60.0;
    const qreal hours = (time_.hour() % 12) + minutes / 60.0;
    drawHand(painter, hours * 30.0, 50, QColor(0x00, 0xff, 0xff), 5);
    drawHand(painter, minutes * 6.0, 75, QColor(0x00, 0x80, 0x80), 3);
    drawHand(painter, time_.second() * 6.0, 88, Qt::red, 1);
}

}  // namespace app
