#pragma once

#include "qt/MerlinFile.h"

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QSize>

namespace stumpcraft::qt {

// Draws the wizard in a pose: robe, pointed hat with stars, beard, staff with a crystal, and
// a free hand for gestures. Everything is drawn as antialiased vector shapes with a dark
// outline, so the figure has clean edges at any size and on any background.
class MerlinPainter {
public:
    explicit MerlinPainter(const MerlinPalette& colours);

    // Paints the figure scaled to fill a box of size (feet at its bottom edge, centred
    // across). seconds only moves the twinkling of the sparkles.
    void Draw(QPainter& p, const MerlinPose& pose, QSize size, double seconds) const;

    // The figure alone on a transparent image.
    QImage Render(const MerlinPose& pose, QSize size, double seconds, qreal pixelRatio = 1) const;

private:
    void DrawStaff(QPainter& p, const MerlinPose& pose, QPointF hand, double seconds) const;
    void DrawShoes(QPainter& p) const;
    void DrawRobe(QPainter& p, double breath) const;
    void DrawHead(QPainter& p, const MerlinPose& pose) const;
    void DrawFace(QPainter& p, const MerlinPose& pose) const;
    void DrawBeard(QPainter& p, const MerlinPose& pose) const;
    void DrawEyes(QPainter& p, const MerlinPose& pose) const;
    void DrawMouth(QPainter& p, const MerlinPose& pose) const;
    void DrawHat(QPainter& p) const;
    void DrawArm(QPainter& p, QPointF shoulder, double arm, double elbow, int side) const;
    void Shape(QPainter& p, const QPainterPath& path, const QBrush& fill) const;

    MerlinPalette c_;
};

} // namespace stumpcraft::qt
