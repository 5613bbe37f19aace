#include "qt/MerlinPainter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace stumpcraft::qt {

namespace {

    // The figure is laid out in its own units, 140 across with its feet at 147; the drawing's
    // box leaves room round it for raised arms, a raised staff and sparkles.
    constexpr double kFigureWidth = 140;
    constexpr double kGround = 147;
    constexpr double kBoxWidth = 164;
    constexpr double kBoxHeight = 168;
    constexpr QPointF kFigureAt((kBoxWidth - kFigureWidth) / 2, kBoxHeight - 150);
    constexpr double kOutline = 1.5;

    constexpr double kUpperArm = 19.5;
    constexpr double kForearm = 16;
    constexpr double kSleeve = 9;

    // Cloth lit from the viewer's left: light at x0, its own colour at `at` of the way across,
    // shade at x1. The outline is drawn separately.
    void FillLitFromLeft(QPainter& p, const QPainterPath& path, double x0, double x1,
        const QColor& light, const QColor& base, double at, const QColor& shade)
    {
        QLinearGradient gradient(x0, 0, x1, 0);
        gradient.setColorAt(0, light);
        gradient.setColorAt(at, base);
        gradient.setColorAt(1, shade);
        p.setPen(Qt::NoPen);
        p.setBrush(gradient);
        p.drawPath(path);
    }

    double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

    // A unit step at angle degrees from straight down, turning away from the body on the
    // given side (-1 the viewer's left, +1 the right).
    QPointF Direction(double degrees, int side)
    {
        return { side * std::sin(Radians(degrees)), std::cos(Radians(degrees)) };
    }

    struct ArmPoints {
        QPointF elbow, wrist, hand;
    };

    ArmPoints Arm(QPointF shoulder, double arm, double elbow, int side)
    {
        ArmPoints a;
        a.elbow = shoulder + Direction(arm, side) * kUpperArm;
        const QPointF fore = Direction(arm + elbow, side);
        a.wrist = a.elbow + fore * kForearm;
        a.hand = a.wrist + fore * 3.5;
        return a;
    }

    QPointF FreeShoulder(double breath) { return { 57, 88 - breath }; }
    QPointF StaffShoulder(double breath) { return { 83, 88 - breath }; }

    QPainterPath Star(QPointF centre, double outer, double inner, int points, double turn = 0)
    {
        QPainterPath path;
        for (int i = 0; i < points * 2; ++i) {
            const double r = i % 2 == 0 ? outer : inner;
            const double a = Radians(turn + i * 180.0 / points);
            const QPointF at = centre + QPointF(std::sin(a), -std::cos(a)) * r;
            if (i == 0)
                path.moveTo(at);
            else
                path.lineTo(at);
        }
        path.closeSubpath();
        return path;
    }

    QPainterPath Ellipse(QPointF centre, double rx, double ry)
    {
        QPainterPath path;
        path.addEllipse(centre, rx, ry);
        return path;
    }

    // The same path reflected across the figure's centre line.
    QPainterPath Mirrored(const QPainterPath& path)
    {
        QTransform t;
        t.translate(kFigureWidth, 0);
        t.scale(-1, 1);
        return t.map(path);
    }

} // namespace

MerlinPainter::MerlinPainter(const MerlinPalette& colours)
    : c_(colours)
{
}

void MerlinPainter::Shape(QPainter& p, const QPainterPath& path, const QBrush& fill) const
{
    p.setPen(QPen(c_.outline, kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

QImage MerlinPainter::Render(
    const MerlinPose& pose, QSize size, double seconds, qreal pixelRatio) const
{
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Draw(p, pose, size, seconds);
    return image;
}

void MerlinPainter::Draw(QPainter& p, const MerlinPose& pose, QSize size, double seconds) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = std::min(size.width() / kBoxWidth, size.height() / kBoxHeight);
    p.translate((size.width() - kBoxWidth * scale) / 2, size.height() - kBoxHeight * scale);
    p.scale(scale, scale);

    p.translate(kFigureAt);
    p.translate(0, -pose.rise);
    p.translate(kFigureWidth / 2, kGround);
    p.rotate(pose.lean);
    p.translate(-kFigureWidth / 2, -kGround);

    DrawShoes(p);
    DrawRobe(p, pose.breath);
    DrawHead(p, pose);

    const ArmPoints staffHand = Arm(StaffShoulder(pose.breath), pose.staffArm, pose.staffElbow, 1);
    DrawStaff(p, pose, staffHand.hand, seconds);
    DrawArm(p, StaffShoulder(pose.breath), pose.staffArm, pose.staffElbow, 1);
    DrawArm(p, FreeShoulder(pose.breath), pose.arm, pose.elbow, -1);
    p.restore();
}

void MerlinPainter::DrawShoes(QPainter& p) const
{
    // Pointed slippers peep out under the hem.
    for (int side : { -1, 1 }) {
        QPainterPath shoe;
        shoe.moveTo(70 + side * 3, 146);
        shoe.quadTo(70 + side * 4, 141, 70 + side * 11, 142.5);
        shoe.quadTo(70 + side * 16, 142, 70 + side * 17, 139.5);
        shoe.quadTo(70 + side * 17, 147, 70 + side * 9, 147);
        shoe.closeSubpath();
        Shape(p, shoe, c_.hatShade);
    }
}

void MerlinPainter::DrawRobe(QPainter& p, double breath) const
{
    const double b = breath;
    QPainterPath robe;
    robe.moveTo(63, 80 - b);
    robe.quadTo(56, 81 - b, 53, 87 - b);
    robe.cubicTo(48, 102 - b * 0.6, 43, 125, 39, 143);
    // A wavy hem, four folds across.
    for (int i = 0; i < 4; ++i)
        robe.quadTo(39 + 15.5 * i + 7.75, 147.5, 39 + 15.5 * (i + 1), 143);
    robe.cubicTo(97, 125, 92, 102 - b * 0.6, 87, 87 - b);
    robe.quadTo(84, 81 - b, 77, 80 - b);
    robe.quadTo(70, 84 - b, 63, 80 - b);
    robe.closeSubpath();

    FillLitFromLeft(p, robe, 40, 100, c_.robe.lighter(112), c_.robe, 0.55, c_.robeShade);

    // Folds, the gold hem band and the embroidered stars and moon stay inside the robe.
    p.save();
    p.setClipPath(robe);
    p.setPen(QPen(c_.robeShade, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(62, 112), QPointF(58, 142));
    p.drawLine(QPointF(79, 114), QPointF(84, 142));
    QPainterPath hem;
    hem.moveTo(39, 143);
    for (int i = 0; i < 4; ++i)
        hem.quadTo(39 + 15.5 * i + 7.75, 147.5, 39 + 15.5 * (i + 1), 143);
    p.setPen(QPen(c_.trim, 6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hem.translated(0, -1));
    p.setPen(QPen(c_.outline, 0.9));
    p.drawPath(hem.translated(0, -3.8));
    p.setPen(Qt::NoPen);
    p.setBrush(c_.star);
    p.drawPath(Star({ 55, 130 }, 3.6, 1.5, 5, -8));
    p.drawPath(Star({ 86, 133 }, 3, 1.25, 5, 12));
    p.drawPath(Star({ 71, 124 }, 2.1, 0.9, 5));
    QPainterPath moon
        = Ellipse({ 47, 118 }, 3.2, 3.2).subtracted(Ellipse({ 48.6, 116.8 }, 2.8, 2.8));
    p.drawPath(moon);
    p.restore();

    p.setPen(QPen(c_.outline, kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(robe);
}

void MerlinPainter::DrawHead(QPainter& p, const MerlinPose& pose) const
{
    p.save();
    p.translate(0, pose.nod - pose.breath);
    p.translate(70, 80);
    p.rotate(pose.headTilt);
    p.translate(-70, -80);
    DrawFace(p, pose);
    DrawBeard(p, pose);
    p.save();
    p.translate(0, -pose.hatLift);
    p.translate(70, 50);
    p.rotate(pose.hatTilt);
    p.translate(-70, -50);
    DrawHat(p);
    p.restore();
    p.restore();
}

void MerlinPainter::DrawFace(QPainter& p, const MerlinPose& pose) const
{
    // White hair puffs out under the brim, behind the ears.
    QPainterPath hair;
    hair.addEllipse(QPointF(57, 56), 4.6, 5.2);
    hair.addEllipse(QPointF(55.5, 61.5), 3.6, 4);
    Shape(p, hair, c_.beard);
    Shape(p, Mirrored(hair), c_.beard);
    Shape(p, Ellipse({ 58, 63.5 }, 2.6, 3.4), c_.skin);
    Shape(p, Ellipse({ 82, 63.5 }, 2.6, 3.4), c_.skin);
    Shape(p, Ellipse({ 70, 61 }, 12, 12.5), c_.skin);

    p.setPen(Qt::NoPen);
    QColor blush = c_.cheek;
    blush.setAlpha(150);
    p.setBrush(blush);
    p.drawEllipse(QPointF(62.2, 65.2), 2.7, 2.1);
    p.drawEllipse(QPointF(77.8, 65.2), 2.7, 2.1);

    DrawEyes(p, pose);

    // Bushy white eyebrows: raised, or tilted for worry and sternness.
    for (int side : { -1, 1 }) {
        const double y = 55 - 2.2 * pose.brows;
        const QPointF inner(70 + side * 2.2, y - pose.browTilt * 1.0);
        const QPointF outer(70 + side * 8.6, y + 0.6 + pose.browTilt * 1.9);
        p.setPen(QPen(c_.outline, 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(inner, outer);
        p.setPen(QPen(c_.beard, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(inner, outer);
    }
}

void MerlinPainter::DrawBeard(QPainter& p, const MerlinPose& pose) const
{
    // Scalloped sides down to a point on the chest.
    QPainterPath beard;
    beard.moveTo(66, 69);
    beard.quadTo(61.5, 69.5, 58.5, 63.5);
    beard.quadTo(53, 70, 55, 77);
    beard.quadTo(50.5, 84, 55.5, 91);
    beard.quadTo(52.5, 99, 59, 104);
    beard.quadTo(60, 111, 66, 110.5);
    beard.quadTo(68, 114, 70, 116);
    beard.quadTo(72, 114, 74, 110.5);
    beard.quadTo(80, 111, 81, 104);
    beard.quadTo(87.5, 99, 84.5, 91);
    beard.quadTo(89.5, 84, 85, 77);
    beard.quadTo(87, 70, 81.5, 63.5);
    beard.quadTo(78.5, 69.5, 74, 69);
    beard.closeSubpath();
    Shape(p, beard, c_.beard);
    p.setPen(QPen(c_.beard.darker(112), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath strands;
    strands.moveTo(63, 80);
    strands.quadTo(61, 92, 65, 102);
    strands.moveTo(77, 80);
    strands.quadTo(79, 92, 75, 102);
    p.drawPath(strands);

    DrawMouth(p, pose);

    QPainterPath moustache;
    moustache.moveTo(70, 68);
    moustache.cubicTo(66, 65.5, 60, 66.2, 58, 71.5);
    moustache.quadTo(62.5, 69.8, 65.5, 71.4);
    moustache.quadTo(68.8, 71, 70, 69.8);
    moustache.closeSubpath();
    Shape(p, moustache, c_.beard);
    Shape(p, Mirrored(moustache), c_.beard);

    // A round nose with a shine sits on top of it all.
    Shape(p, Ellipse({ 70, 65.2 }, 3.2, 2.7), c_.skin.darker(110));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(69, 64.3), 1.1, 0.8);
}

void MerlinPainter::DrawEyes(QPainter& p, const MerlinPose& pose) const
{
    for (int side : { -1, 1 }) {
        const QPointF centre(70 + side * 5, 60);
        if (pose.eyes < 0) {
            // Shut in a smile: a little arch.
            QPainterPath arch;
            arch.moveTo(centre + QPointF(-2.4, 0.9));
            arch.quadTo(centre + QPointF(0, 0.9 + 3.4 * pose.eyes), centre + QPointF(2.4, 0.9));
            p.setPen(QPen(c_.eye, 1.3, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(arch);
            continue;
        }
        if (pose.eyes < 0.2) {
            p.setPen(QPen(c_.eye, 1.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(centre + QPointF(-2.2, 0.6), centre + QPointF(2.2, 0.6));
            continue;
        }
        const double wide = std::max(0.0, pose.eyes - 1);
        const double open = std::min(1.0, pose.eyes);
        const QPointF look(pose.lookX * 1.3, pose.lookY * 1.1);
        if (wide > 0.05) {
            // Startled: whites show round the pupils.
            Shape(p, Ellipse(centre, 2.6 + 1.8 * wide, 3.2 + 2 * wide), Qt::white);
        }
        const double rx = 2.0 * (1 - 0.25 * wide);
        const double ry = 2.7 * open * (1 - 0.2 * wide);
        p.setPen(Qt::NoPen);
        p.setBrush(c_.eye);
        p.drawEllipse(centre + look, rx, ry);
        if (ry > 1.2) {
            p.setBrush(Qt::white);
            p.drawEllipse(centre + look + QPointF(0.6, -0.9), 0.75, 0.75);
        }
    }
}

void MerlinPainter::DrawMouth(QPainter& p, const MerlinPose& pose) const
{
    const double half = 3.2 + 0.9 * pose.smile;
    const double y = 72.4;
    const double corner = -pose.smile * 1.2;
    if (pose.mouth < 0.08) {
        QPainterPath line;
        line.moveTo(70 - half, y + corner);
        line.quadTo(70, y + 2.4 * pose.smile, 70 + half, y + corner);
        p.setPen(QPen(c_.outline, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
        return;
    }
    const double depth = 1.5 + 5 * pose.mouth + std::max(0.0, pose.smile) * 1.5;
    QPainterPath mouth;
    mouth.moveTo(70 - half, y + corner);
    mouth.quadTo(70, y - 0.6, 70 + half, y + corner);
    mouth.quadTo(70 + half * 0.8, y + depth, 70, y + depth);
    mouth.quadTo(70 - half * 0.8, y + depth, 70 - half, y + corner);
    mouth.closeSubpath();
    Shape(p, mouth, c_.mouth);
    if (pose.mouth > 0.35) {
        p.save();
        p.setClipPath(mouth);
        p.setPen(Qt::NoPen);
        p.setBrush(c_.cheek);
        p.drawEllipse(QPointF(70, y + depth), half * 0.7, depth * 0.4);
        p.restore();
    }
}

void MerlinPainter::DrawHat(QPainter& p) const
{
    Shape(p, Ellipse({ 70, 50 }, 22, 4.8), c_.hatShade);

    // A tall cone whose tip flops over to the viewer's right.
    QPainterPath cone;
    cone.moveTo(54.5, 49);
    cone.cubicTo(59, 37, 65, 22, 74, 14);
    cone.quadTo(82, 8, 93, 14.5);
    cone.quadTo(85, 15.5, 80.5, 21.5);
    cone.cubicTo(82, 31, 84, 40, 85.5, 49);
    cone.quadTo(70, 52, 54.5, 49);
    cone.closeSubpath();
    FillLitFromLeft(p, cone, 55, 86, c_.hat.lighter(115), c_.hat, 0.6, c_.hatShade);

    p.save();
    p.setClipPath(cone);
    p.setBrush(c_.trim);
    p.drawRect(QRectF(50, 43.5, 40, 10));
    p.setPen(QPen(c_.outline, 0.9));
    p.drawLine(QPointF(50, 43.5), QPointF(90, 43.5));
    p.setPen(Qt::NoPen);
    p.setBrush(c_.star);
    p.drawPath(Star({ 69.5, 32 }, 4.4, 1.8, 5, 6));
    p.drawPath(Star({ 62.5, 40.2 }, 1.9, 0.8, 5));
    p.drawPath(Star({ 77.5, 26.5 }, 1.6, 0.7, 5));
    p.restore();

    p.setPen(QPen(c_.outline, kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cone);
    Shape(p, Star({ 93, 14.5 }, 3.4, 1.5, 5, 20), c_.star);
}

void MerlinPainter::DrawStaff(
    QPainter& p, const MerlinPose& pose, QPointF hand, double seconds) const
{
    const QPointF up(std::sin(Radians(pose.staffTilt)), -std::cos(Radians(pose.staffTilt)));
    const QPointF top = hand + up * 80;
    const QPointF bottom = hand - up * 21;
    p.setPen(QPen(c_.outline, 3.4 + 2 * kOutline, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(bottom, top);
    p.setPen(QPen(c_.staff, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(bottom, top);
    p.setPen(QPen(c_.staff.lighter(135), 1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(bottom + QPointF(-0.8, 0), top + QPointF(-0.8, 4));

    const QPointF orb = top + up * 5;
    if (pose.glow > 0.01) {
        const double r = 7 + 16 * pose.glow;
        QRadialGradient halo(orb, r);
        QColor inner = c_.orb.lighter(140);
        inner.setAlphaF(0.9 * pose.glow);
        QColor outer = c_.orb;
        outer.setAlpha(0);
        halo.setColorAt(0, inner);
        halo.setColorAt(1, outer);
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(orb, r, r);
    }
    // A gold cup holds the crystal.
    QPainterPath cup;
    cup.moveTo(top + QPointF(-5, -1));
    cup.quadTo(top + QPointF(0, 5), top + QPointF(5, -1));
    p.setPen(QPen(c_.outline, 2.6 + 2 * kOutline, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cup);
    p.setPen(QPen(c_.trim, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cup);

    QRadialGradient crystal(orb + QPointF(-1.8, -1.8), 7);
    crystal.setColorAt(0, Qt::white);
    crystal.setColorAt(0.35, c_.orb.lighter(125));
    crystal.setColorAt(1, c_.orb.darker(140));
    Shape(p, Ellipse(orb, 5.4, 5.4), crystal);

    if (pose.magic <= 0.01)
        return;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        const double a = Radians(i * 45.0 + seconds * 50);
        const double reach = 9 + (i % 2 == 0 ? 14 : 7) * pose.magic;
        const double twinkle = 0.55 + 0.45 * std::sin(seconds * 9 + i * 1.7);
        const double size = (2 + 4 * pose.magic) * twinkle;
        QColor colour = i % 2 == 0 ? c_.star : QColor(Qt::white);
        colour.setAlphaF(std::min(1.0, pose.magic * 1.5));
        p.setBrush(colour);
        p.drawPath(Star(orb + QPointF(std::cos(a), std::sin(a)) * reach, size, size * 0.3, 4));
    }
}

void MerlinPainter::DrawArm(QPainter& p, QPointF shoulder, double arm, double elbow, int side) const
{
    const ArmPoints a = Arm(shoulder, arm, elbow, side);
    QPainterPath sleeve;
    sleeve.moveTo(shoulder);
    sleeve.lineTo(a.elbow);
    sleeve.lineTo(a.wrist);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c_.outline, kSleeve + 2 * kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(sleeve);
    p.setPen(QPen(c_.robe, kSleeve, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(sleeve);

    Shape(p, Ellipse(a.hand, 4, 4), c_.skin);

    // A bell-shaped cuff with a gold edge, over the wrist.
    const QPointF along = (a.wrist - a.elbow) / kForearm;
    const QPointF across(-along.y(), along.x());
    QPainterPath cuff;
    cuff.moveTo(a.wrist - along * 4.5 + across * 4.2);
    cuff.lineTo(a.wrist + across * 6.2);
    cuff.quadTo(a.wrist + along * 1.2, a.wrist - across * 6.2);
    cuff.lineTo(a.wrist - along * 4.5 - across * 4.2);
    cuff.closeSubpath();
    Shape(p, cuff, c_.robe);
    QPainterPath edge;
    edge.moveTo(a.wrist + across * 6.2);
    edge.quadTo(a.wrist + along * 1.2, a.wrist - across * 6.2);
    p.setPen(QPen(c_.trim, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(edge);
}

} // namespace stumpcraft::qt
