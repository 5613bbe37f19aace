#include "qt/Pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>

namespace stumpcraft::qt {

namespace {

    void PaintBall(QPainter& painter, const QRect& area)
    {
        const qreal size = std::min(area.width(), area.height()) - 2;
        if (size < 4)
            return;
        const QRectF ball(
            area.center().x() - size / 2 + 0.5, area.center().y() - size / 2 + 0.5, size, size);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        // Lit from the top left, so it reads as round at any size.
        QRadialGradient shine(ball.topLeft() + QPointF(size * 0.35, size * 0.3), size * 0.75);
        shine.setColorAt(0, QColor(236, 64, 52));
        shine.setColorAt(1, QColor(140, 12, 16));
        painter.setPen(QPen(QColor(96, 8, 10), 1));
        painter.setBrush(shine);
        painter.drawEllipse(ball);
        // The seam: two stitched lines across the ball.
        painter.setBrush(Qt::NoBrush);
        painter.setClipRegion(QRegion(ball.toAlignedRect(), QRegion::Ellipse));
        QPen seam(QColor(250, 236, 214), std::max<qreal>(1, size / 14));
        seam.setCapStyle(Qt::FlatCap);
        for (const qreal offset : { -size / 12, size / 12 }) {
            QPainterPath path;
            path.moveTo(ball.left() + size * 0.1 + offset, ball.top());
            path.cubicTo(ball.left() + size * 0.65 + offset, ball.top() + size * 0.3,
                ball.left() + size * 0.65 + offset, ball.top() + size * 0.7,
                ball.left() + size * 0.1 + offset, ball.bottom());
            seam.setStyle(offset < 0 ? Qt::SolidLine : Qt::DotLine);
            painter.setPen(seam);
            painter.drawPath(path);
        }
        painter.restore();
    }

} // namespace

bool PaintPicture(QPainter& painter, const QRect& area, const QString& name)
{
    if (name == QLatin1String("ball")) {
        PaintBall(painter, area);
        return true;
    }
    return false;
}

QPixmap BatPixmap(qreal devicePixelRatio)
{
    // Drawn in the screen's own pixels, so a dense screen shows it sharp at its usual size.
    const qreal ratio = std::max<qreal>(1, devicePixelRatio);
    QPixmap pixmap(qCeil(32 * ratio), qCeil(32 * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn upright about the centre, then laid along the diagonal: handle up-left.
    painter.translate(16, 16);
    painter.rotate(-45);
    const QColor outline(60, 40, 20);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(QColor(226, 196, 140)); // willow
    painter.drawRoundedRect(QRectF(-4.5, -3, 9, 18), 2.5, 2.5);
    painter.setPen(QPen(QColor(235, 235, 235), 1)); // keeps the grip visible on dark ground
    painter.setBrush(QColor(40, 40, 40)); // rubber grip
    painter.drawRoundedRect(QRectF(-1.5, -17.5, 3, 15), 1, 1);
    painter.setPen(QPen(QColor(196, 160, 100), 1));
    painter.drawLine(QPointF(0, -1), QPointF(0, 13)); // the spine of the blade
    return pixmap;
}

QCursor BatCursor()
{
    // Made once and kept for the life of the program: a cursor may not outlive the GUI.
    static const QCursor* cursor
        = new QCursor(BatPixmap(qGuiApp ? qGuiApp->devicePixelRatio() : 1), 4, 4);
    return *cursor;
}

} // namespace stumpcraft::qt
