#include "qt/AgentBalloon.h"

#include "qt/AgentShape.h"
#include "qt/WindowZoom.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace stumpcraft::qt {

namespace {

    constexpr int kTextWidth = 220;
    constexpr int kPadX = 11;
    constexpr int kPadY = 8;
    constexpr int kTail = kBalloonTail;
    constexpr double kRadius = 11;

    QRect Available(const QRect& near)
    {
        const QScreen* screen = QGuiApplication::screenAt(near.center());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    }

} // namespace

AgentBalloon::AgentBalloon(const MerlinPalette& colours)
    : QWidget(nullptr,
        Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
            | Qt::NoDropShadowWindowHint | Qt::WindowTransparentForInput)
    , c_(colours)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    MarkAsAgentWindow(*this);
    SetZoom(1);
}

int AgentBalloon::Z(int length) const { return Scaled(length, zoom_); }

void AgentBalloon::SetZoom(double zoom)
{
    zoom_ = BalloonZoom(zoom);
    QFont f = font();
    f.setPointSizeF(10 * zoom_);
    setFont(f);
    Measure();
}

// The words' box for the whole line at the font of the moment.
void AgentBalloon::Measure()
{
    if (whole_.isEmpty())
        return;
    const QRect needed
        = fontMetrics().boundingRect(QRect(0, 0, Z(kTextWidth), 4000), Qt::TextWordWrap, whole_);
    // A little slack: the measured width is rounded, and the words drawn so far must wrap
    // exactly where the whole line does.
    text_ = QRect(0, 0, std::max(needed.width(), Z(40)) + 3, needed.height());
}

void AgentBalloon::Say(
    const QString& shown, const QString& whole, const QRect& character, BalloonSide preferred)
{
    SetLine(whole);
    shown_ = shown;
    Place(character, preferred);
    Redraw();
    if (!isVisible())
        show();
}

void AgentBalloon::Follow(const QRect& character, BalloonSide preferred)
{
    if (!isVisible())
        return;
    const BalloonSide side = side_;
    const QPoint tail = tail_;
    const QSize was = size();
    Place(character, preferred);
    if (side != side_ || tail != tail_ || was != size())
        Redraw();
}

QSize AgentBalloon::Body() const
{
    return text_.size() + QSize(2 * Z(kPadX) + 2, 2 * Z(kPadY) + 2);
}

QSize AgentBalloon::Room() const
{
    const QSize usual(
        Z(kTextWidth) + 3 + 2 * Z(kPadX) + 2, 4 * fontMetrics().lineSpacing() + 2 * Z(kPadY) + 2);
    return whole_.isEmpty() ? usual : usual.expandedTo(Body());
}

bool AgentBalloon::SetLine(const QString& whole)
{
    if (whole == whole_)
        return false;
    whole_ = whole;
    Measure();
    return true;
}

// Beside the character on the side clear of the game's windows, the tail at the face, and
// wholly on the screen.
void AgentBalloon::Place(const QRect& character, BalloonSide preferred)
{
    const QRect screen = Available(character);
    AgentObstacles obstacles { GameWindowRects(), {} };
    BalloonChoice choice = BalloonSideFor(screen, obstacles, character, Body(), preferred);
    if (!choice.clear) {
        obstacles.controls = GameControlRects();
        choice = BalloonSideFor(screen, obstacles, character, Body(), preferred);
    }
    side_ = choice.side;
    const QRect at = BalloonBeside(character, BalloonWindowSize(Body(), side_), side_, screen);
    const QPoint tip = BalloonTailTip(character, side_) - at.topLeft();
    if (side_ == BalloonSide::Above)
        tail_ = { std::clamp(tip.x(), 16, at.width() - 16), at.height() - 1 };
    else
        tail_ = { side_ == BalloonSide::Left ? at.width() - 1 : 1,
            std::clamp(tip.y(), 8, at.height() - 8) };
    const QPoint corner = side_ == BalloonSide::Right ? QPoint(kTail + 1, 1) : QPoint(1, 1);
    text_.moveTopLeft(corner + QPoint(Z(kPadX), Z(kPadY)));
    setGeometry(at);
}

// The body with its tail: a curved wedge from the body's edge to the point by the face.
QPainterPath AgentBalloon::Outline() const
{
    const QSizeF box = size();
    const bool above = side_ == BalloonSide::Above;
    const double left = side_ == BalloonSide::Right ? kTail + 1 : 1;
    const QRectF body(
        left, 1, box.width() - (above ? 2 : kTail + 2), box.height() - (above ? kTail + 2 : 2));
    QPainterPath path;
    path.addRoundedRect(body, kRadius * zoom_, kRadius * zoom_);
    QPainterPath tail;
    if (above) {
        const double edge = body.bottom() - 1;
        const double from = std::max(body.left() + 8, std::min(tail_.x() - 7.0, body.right() - 23));
        tail.moveTo(from, edge);
        tail.quadTo(from + 5, (edge + tail_.y()) / 2, tail_.x(), tail_.y());
        tail.quadTo(from + 11, (edge + tail_.y()) / 2, from + 15, edge);
    } else {
        const double edge = side_ == BalloonSide::Left ? body.right() - 1 : body.left() + 1;
        const double top = std::max(body.top() + 2, std::min(tail_.y() - 7.0, body.bottom() - 17));
        tail.moveTo(edge, top);
        tail.quadTo((edge + tail_.x()) / 2, top + 5, tail_.x(), tail_.y());
        tail.quadTo((edge + tail_.x()) / 2, top + 11, edge, top + 15);
    }
    tail.closeSubpath();
    return path.united(tail);
}

void AgentBalloon::Redraw()
{
    picture_ = QImage(size() * devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    picture_.setDevicePixelRatio(devicePixelRatioF());
    picture_.fill(Qt::transparent);
    QPainter p(&picture_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(c_.outline, 1.5));
    p.setBrush(c_.balloon);
    p.drawPath(Outline());
    p.setPen(c_.ink);
    p.setFont(font());
    p.drawText(text_, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, shown_);
    p.end();

    ApplyShape(*this, ShapeOf(picture_, size()));
    update();
}

void AgentBalloon::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(0, 0), picture_);
}

} // namespace stumpcraft::qt
