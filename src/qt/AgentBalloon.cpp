#include "qt/AgentBalloon.h"

#include "qt/AgentShape.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace stumpcraft::qt {

namespace {

    constexpr int kTextWidth = 220;
    constexpr int kPadX = 11;
    constexpr int kPadY = 8;
    constexpr int kTail = 20; // how far the tail reaches out of the body
    constexpr double kRadius = 11;
    constexpr double kFaceHeight = 0.46; // the face's height in the character's window

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
    QFont f = font();
    f.setPointSizeF(10);
    setFont(f);
}

void AgentBalloon::Say(const QString& shown, const QString& whole, const QRect& character)
{
    if (whole != whole_) {
        whole_ = whole;
        const QRect needed
            = fontMetrics().boundingRect(QRect(0, 0, kTextWidth, 4000), Qt::TextWordWrap, whole_);
        // A little slack: the measured width is rounded, and the words drawn so far must wrap
        // exactly where the whole line does.
        text_ = QRect(0, 0, std::max(needed.width(), 40) + 3, needed.height());
    }
    shown_ = shown;
    Place(character);
    Redraw();
    if (!isVisible())
        show();
}

void AgentBalloon::Follow(const QRect& character)
{
    if (!isVisible())
        return;
    const bool side = tailRight_;
    Place(character);
    if (side != tailRight_)
        Redraw();
}

// Beside the character, on the side with room for it (its left if there is), the tail at the
// height of the face, and wholly on the screen.
void AgentBalloon::Place(const QRect& character)
{
    const QSize size(text_.width() + 2 * kPadX + kTail + 2, text_.height() + 2 * kPadY + 2);
    const QRect screen = Available(character);
    const int faceY = character.top() + static_cast<int>(character.height() * kFaceHeight);
    const int reach = character.width() / 3; // the tail reaches into the window's empty margin
    tailRight_ = character.left() + reach - size.width() >= screen.left();
    const int x = tailRight_ ? character.left() + reach - size.width() : character.right() - reach;
    const int lowest = std::max(screen.top(), screen.bottom() - size.height());
    const int y = std::clamp(faceY - 22, screen.top(), lowest);
    tailY_ = std::clamp(faceY - y, 8, size.height() - 8);
    text_.moveTopLeft(QPoint((tailRight_ ? 1 : kTail + 1) + kPadX, 1 + kPadY));
    setGeometry(QRect(QPoint(x, y), size));
}

void AgentBalloon::Redraw()
{
    const QSizeF box = size();
    const double left = tailRight_ ? 1 : kTail + 1;
    const QRectF body(left, 1, box.width() - kTail - 2, box.height() - 2);
    QPainterPath path;
    path.addRoundedRect(body, kRadius, kRadius);
    // The tail: a curved wedge from the body's side to a point beside the face.
    const double edge = tailRight_ ? body.right() - 1 : body.left() + 1;
    const double tip = tailRight_ ? box.width() - 1 : 1;
    const double top = std::max(body.top() + 2, std::min(tailY_ - 7.0, body.bottom() - 17));
    QPainterPath tail;
    tail.moveTo(edge, top);
    tail.quadTo((edge + tip) / 2, top + 5, tip, tailY_);
    tail.quadTo((edge + tip) / 2, top + 11, edge, top + 15);
    tail.closeSubpath();
    path = path.united(tail);

    picture_ = QImage(size() * devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    picture_.setDevicePixelRatio(devicePixelRatioF());
    picture_.fill(Qt::transparent);
    QPainter p(&picture_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(c_.outline, 1.5));
    p.setBrush(c_.balloon);
    p.drawPath(path);
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
