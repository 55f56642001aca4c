#include "app/shell_artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace app {

namespace {

// The scene is drawn on a canvas 720 high and as wide as the picture's proportions ask, the
// yard in the middle 960 of it; sky and grass run across the whole width.
constexpr qreal kSceneWidth = 960;
constexpr qreal kHeight = 720;

void drawSky(QPainter& painter, qreal width) {
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(0x87, 0xce, 0xfa));
    sky.setColorAt(1, QColor(0xe0, 0xf4, 0xff));
    painter.fillRect(QRectF(0, 0, width, kHeight), sky);
}

void drawSun(QPainter& painter) {
    painter.setPen(QPen(QColor(0xff, 0xc1, 0x07), 6, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(820, 120);
    for (int ray = 0; ray < 12; ++ray) {
        painter.save();
        painter.translate(centre);
        painter.rotate(ray * 30.0);
        painter.drawLine(QPointF(0, 70), QPointF(0, 100));
        painter.restore();
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xd5, 0x4f));
    painter.drawEllipse(centre, 60, 60);
}

void drawRainbow(QPainter& painter) {
    const std::array<QColor, 6> colours = {QColor(0xe5, 0x39, 0x35), QColor(0xfb, 0x8c, 0x00),
                                           QColor(0xfd, 0xd8, 0x35), QColor(0x43, 0xa0, 0x47),
                                           QColor(0x1e, 0x88, 0xe5), QColor(0x8e, 0x24, 0xaa)};
    painter.setBrush(Qt::NoBrush);
    for (std::size_t band = 0; band < colours.size(); ++band) {
        painter.setPen(QPen(colours[band], 16));
        const qreal radius = 330 - static_cast<qreal>(band) * 16;
        painter.drawArc(QRectF(120 - radius, 560 - radius, 2 * radius, 2 * radius), 0, 180 * 16);
    }
}

void drawGrass(QPainter& painter, qreal width) {
    QPainterPath hill;
    hill.moveTo(0, 520);
    hill.cubicTo(width / 4, 460, width / 2, 560, width, 500);
    hill.lineTo(width, kHeight);
    hill.lineTo(0, kHeight);
    hill.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x7c, 0xc5, 0x4a));
    painter.drawPath(hill);
}

void drawSchool(QPainter& painter) {
    painter.setPen(QPen(QColor(0x5d, 0x40, 0x37), 3));
    painter.setBrush(QColor(0xff, 0xf3, 0xe0));
    painter.drawRect(QRectF(560, 360, 260, 180));
    QPolygonF roof({QPointF(540, 365), QPointF(690, 250), QPointF(840, 365)});
    painter.setBrush(QColor(0xe5, 0x39, 0x35));
    painter.drawPolygon(roof);
    painter.setBrush(QColor(0x8d, 0x6e, 0x63));
    painter.drawRect(QRectF(665, 450, 50, 90));
    painter.setBrush(QColor(0xb3, 0xe5, 0xfc));
    painter.drawRect(QRectF(585, 400, 55, 45));
    painter.drawRect(QRectF(740, 400, 55, 45));
}

void drawChild(QPainter& painter, QPointF feet, const QColor& shirt, bool armsUp) {
    painter.setPen(QPen(QColor(0x3e, 0x27, 0x23), 5, Qt::SolidLine, Qt::RoundCap));
    const QPointF hip = feet + QPointF(0, -45);
    const QPointF neck = hip + QPointF(0, -50);
    painter.drawLine(hip, feet + QPointF(-14, 0));
    painter.drawLine(hip, feet + QPointF(14, 0));
    const qreal handY = armsUp ? -40 : 25;
    painter.drawLine(neck + QPointF(0, 10), neck + QPointF(-30, handY));
    painter.drawLine(neck + QPointF(0, 10), neck + QPointF(30, handY));
    painter.setBrush(shirt);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(hip.x() - 16, neck.y(), 32, 52), 8, 8);
    painter.setBrush(QColor(0xff, 0xcc, 0xbc));
    painter.drawEllipse(neck + QPointF(0, -20), 20, 20);
}

void drawBalloon(QPainter& painter, QPointF centre, const QColor& colour) {
    painter.setPen(QPen(QColor(0x75, 0x75, 0x75), 2));
    painter.drawLine(centre + QPointF(0, 38), centre + QPointF(-10, 140));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, 30, 38);
}

void drawTitle(QPainter& painter, qreal width, const QString& title) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(110);
    font.setBold(true);
    painter.setFont(font);
    const QRectF box(0, 130, width, 150);
    painter.setPen(QColor(255, 255, 255, 200));
    painter.drawText(box.translated(5, 5), Qt::AlignCenter, title);
    painter.setPen(QColor(0x1a, 0x23, 0x7e));
    painter.drawText(box, Qt::AlignCenter, title);
}

// Children playing on both sides of the yard when the picture is wider than the scene.
void drawSideChildren(QPainter& painter, qreal width) {
    const qreal margin = (width - kSceneWidth) / 2;
    if (margin < 200) {
        return;
    }
    const std::array<QColor, 4> shirts = {QColor(0xff, 0xa7, 0x26), QColor(0x26, 0xa6, 0x9a),
                                          QColor(0xec, 0x40, 0x7a), QColor(0x5c, 0x6b, 0xc0)};
    for (int side = 0; side < 2; ++side) {
        const qreal left = side == 0 ? 0 : margin + kSceneWidth;
        const int count = static_cast<int>(margin / 220);
        for (int child = 0; child < count; ++child) {
            const qreal x = left + (child + 0.5) * margin / count;
            drawChild(painter, QPointF(x, 625 + 15 * (child % 2)),
                      shirts[static_cast<std::size_t>(child + 2 * side) % shirts.size()],
                      child % 2 == 0);
            if (child % 2 == 1) {
                drawBalloon(painter, QPointF(x + 40, 330),
                            shirts[static_cast<std::size_t>(child) % shirts.size()]);
            }
        }
    }
}

}  // namespace

QPixmap kindergartenPicture(const QSize& size, const QString& title) {
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = size.height() / kHeight;
    const qreal width = std::max(kSceneWidth, size.width() / scale);
    painter.scale(size.width() / width, scale);
    const qreal sceneLeft = (width - kSceneWidth) / 2;
    drawSky(painter, width);
    painter.save();
    painter.translate(sceneLeft, 0);
    drawRainbow(painter);
    drawSun(painter);
    painter.restore();
    drawGrass(painter, width);
    drawSideChildren(painter, width);
    painter.save();
    painter.translate(sceneLeft, 0);
    drawSchool(painter);
    drawBalloon(painter, QPointF(110, 330), QColor(0xef, 0x53, 0x50));
    drawBalloon(painter, QPointF(470, 300), QColor(0x42, 0xa5, 0xf5));
    drawChild(painter, QPointF(150, 620), QColor(0xff, 0x70, 0x43), true);
    drawChild(painter, QPointF(260, 640), QColor(0x29, 0xb6, 0xf6), false);
    drawChild(painter, QPointF(370, 615), QColor(0xab, 0x47, 0xbc), true);
    drawChild(painter, QPointF(480, 645), QColor(0x66, 0xbb, 0x6a), false);
    painter.restore();
    if (!title.isEmpty()) {
        drawTitle(painter, width, title);
    }
    return picture;
}

QString programName() {
    return QStringLiteral("velorima");
}

QString programVersion() {
    return QStringLiteral("Version 2.0.0");
}

QString makersAddress() {
    return QStringLiteral("https://velorima.example/");
}

}  // namespace app
