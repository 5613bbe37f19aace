#include "qt/AgentWindow.h"

#include "qt/AgentShape.h"
#include "qt/Renderer.h"
#include "qt/WindowZoom.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace stumpcraft::qt {

namespace {

    constexpr int kMargin = 8; // kept between the character and the screen's edges
    constexpr double kStillAfterSeconds = 7.5; // about two breaths at rest

    // A trip's length: quick for short hops, never a long wait.
    double TripSeconds(QPoint from, QPoint to)
    {
        const double distance = std::hypot(to.x() - from.x(), to.y() - from.y());
        return std::clamp(0.2 + distance / 1400, 0.2, 0.9);
    }

} // namespace

AgentWindow::AgentWindow(const MerlinCharacter& character, double timeScale)
    : QWidget(nullptr,
        Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::NoDropShadowWindowHint)
    , character_(character)
    , painter_(character.colours)
    , animator_(character.rest, timeScale)
    , timeScale_(timeScale)
    , zoom_(OpeningZoom())
    , hide_(new QAction(tr("Hide"), this))
    , voice_(new QAction(tr("Speak aloud"), this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(character.name);
    setFixedSize(Scaled(character.size, zoom_));
    MarkAsAgentWindow(*this);
    voice_->setCheckable(true);
    voice_->setVisible(false);
    clock_.start();
    frames_.setSingleShot(true);
    connect(&frames_, &QTimer::timeout, this, &AgentWindow::Tick);
    refit_.setSingleShot(true);
    connect(&refit_, &QTimer::timeout, this, [this] { Refit(false); });
    qApp->installEventFilter(this);

    // Until it is sent somewhere, the character stands in the screen's bottom right corner.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        move(free.right() - width() - 4 * kMargin, free.bottom() - height() - 4 * kMargin);
    }
    wanted_ = pos() - Corner(QPoint());
    Redraw(Now());
}

double AgentWindow::Now() const { return clock_.nsecsElapsed() / 1e9; }

int AgentWindow::Play(const QString& name)
{
    const MerlinAnimation* animation = character_.Find(name);
    if (!animation)
        return 0;
    const int ms = animator_.Play(*animation, Now());
    Tick();
    return ms;
}

QString AgentWindow::Playing() const { return animator_.Playing(Now()); }

void AgentWindow::Rest()
{
    animator_.Stop(Now());
    trip_.reset();
    if (isVisible())
        Tick();
}

void AgentWindow::SetTalking(bool talking)
{
    animator_.SetTalking(talking, Now());
    if (isVisible())
        Tick();
}

int AgentWindow::GlideTo(QPoint to)
{
    wanted_ = to;
    const Stand stand = Choose(to);
    TakeZoom(stand.zoom);
    side_ = stand.spot.side;
    return Travel(stand.spot.at);
}

// The window's controls may have changed since he last looked (a frame shown), as well as
// the balloon's size.
void AgentWindow::MakeRoomFor(QSize body)
{
    balloonRoom_ = body;
    Refit(false);
}

// Where the corner of the window as drawn goes, for a corner sent at the file's size: the
// two share their centre.
QPoint AgentWindow::Corner(QPoint sent) const { return CornerFor(sent, size()); }

QPoint AgentWindow::CornerFor(QPoint sent, QSize drawn) const
{
    const QSize grown = drawn - character_.size;
    return sent - QPoint(grown.width() / 2, grown.height() / 2);
}

// The size he is drawn at and the place he stands, for the place the game sent him to: the
// game's opening zoom where he and his balloon find room off every control of the game's
// windows (beside them, or failing that over their empty parts, as far from them as may be),
// else the largest share of it at which they do. Where even the smallest finds none, the
// place that covers least, at his full size.
AgentWindow::Stand AgentWindow::Choose(QPoint sent) const
{
    const double full = OpeningZoom();
    std::optional<Stand> first;
    for (const double share : { 1.0, 0.85, 0.7, 0.55 }) {
        const double zoom = full * share;
        const QSize me = Scaled(character_.size, zoom);
        const QSize words = Scaled(balloonRoom_, BalloonZoom(zoom) / BalloonZoom(zoom_));
        const QPoint wanted = CornerFor(sent, me);
        const QRect room = AgentRoom(wanted + QRect(QPoint(), me).center());
        AgentObstacles obstacles { GameWindowRects(), {} };
        AgentSpot spot = PlaceAgent(room, obstacles, wanted, me, words);
        if (!spot.clear) {
            obstacles.controls = GameControlRects();
            spot = PlaceAgent(room, obstacles, wanted, me, words);
        }
        if (spot.clear || spot.offControls)
            return { spot, zoom };
        if (!first)
            first = Stand { spot, zoom };
    }
    return *first;
}

// Draws him at another zoom: the window grows or shrinks about its centre and the balloon
// hears of it first, so that the place found next is for both at their new sizes.
void AgentWindow::TakeZoom(double zoom)
{
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    const QPoint centre = geometry().center();
    trip_.reset();
    setFixedSize(Scaled(character_.size, zoom_));
    emit Zoomed(zoom_);
    QRect frame(QPoint(), size());
    frame.moveCenter(centre);
    move(OnScreen(frame.topLeft()));
    Redraw(Now());
}

// Sets off for to; a hidden window, or one already there, just moves.
int AgentWindow::Travel(QPoint to)
{
    to = OnScreen(to);
    if (!isVisible() || to == pos()) {
        trip_.reset();
        move(to);
        return 0;
    }
    const double now = Now();
    const double seconds = TripSeconds(pos(), to) * timeScale_;
    trip_ = Trip { pos(), to, now, now + seconds };
    Tick();
    return static_cast<int>(std::lround(seconds * 1000));
}

// Steps out of the way of the game's windows as they are now. A window shown or hidden, moved
// or resized sends it back as near as it may to where the game last sent it; jump moves it
// there at once (for its entrance), otherwise it glides. A trip in progress is redirected, and
// while the user holds it, it stays in the hand.
void AgentWindow::Refit(bool jump)
{
    if (!isVisible() || grip_)
        return;
    const Stand stand = Choose(wanted_);
    TakeZoom(stand.zoom);
    side_ = stand.spot.side;
    const QPoint to = OnScreen(stand.spot.at);
    if (to != (trip_ ? trip_->to : pos())) {
        if (jump) {
            trip_.reset();
            move(to);
        } else {
            Travel(to);
        }
    }
    // A window shown after it may have come up over it, where no window manager keeps it on
    // top.
    if (DesktopWindows())
        raise();
    emit Refitted();
    emit Moved();
}

bool AgentWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
        if (watched->isWidgetType() && IsGameWindow(*static_cast<QWidget*>(watched)))
            refit_.start(60);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// Keeps the whole window on the screen nearest to the point.
QPoint AgentWindow::OnScreen(QPoint topLeft) const
{
    const QScreen* screen = QGuiApplication::screenAt(topLeft + rect().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return topLeft;
    const QRect free = screen->availableGeometry().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    return { std::clamp(topLeft.x(), free.left(), std::max(free.left(), free.right() - width())),
        std::clamp(topLeft.y(), free.top(), std::max(free.top(), free.bottom() - height())) };
}

// One frame: where the trip has got to, the pose, the picture; then the wait until the next
// frame, long while only breathing. After a couple of breaths at rest he stands still and no
// frame is due until he is asked to do something, so an idle game costs nothing.
void AgentWindow::Tick()
{
    const double now = Now();
    if (trip_) {
        const double u = std::clamp((now - trip_->start) / (trip_->end - trip_->start), 0.0, 1.0);
        const double eased = u * u * (3 - 2 * u);
        const QPointF at = QPointF(trip_->from) + QPointF(trip_->to - trip_->from) * eased;
        move(at.toPoint());
        if (u >= 1)
            trip_.reset();
    }
    Redraw(now);
    if (!isVisible())
        return;
    if (trip_ || !animator_.Resting(now)) {
        restingSince_ = -1;
    } else {
        if (restingSince_ < 0)
            restingSince_ = now;
        if (now - restingSince_ >= kStillAfterSeconds * timeScale_ && !animator_.Blinking(now))
            return;
    }
    frames_.start(trip_ ? 16 : animator_.FrameInterval(now));
}

// The picture for now. While the character only breathes, a step of the breath already on the
// screen costs nothing, and each new one is drawn as it comes. None is kept for the next
// breath: nine pictures of him at a large screen's zoom take three megabytes, and after a
// couple of breaths he stands still anyway.
void AgentWindow::Redraw(double now)
{
    const std::optional<int> step = animator_.IdleFrame(now);
    const qreal ratio = devicePixelRatioF();
    if (step && step == showing_ && shownSize_ == size() && shownRatio_ == ratio)
        return;
    picture_ = painter_.Render(animator_.PoseAt(now), size(), now, ratio);
    shape_ = ShapeOf(picture_, size());
    ++drawn_;
    showing_ = step;
    shownSize_ = size();
    shownRatio_ = ratio;
    ApplyShape(*this, shape_);
    update();
}

void AgentWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(0, 0), picture_);
}

void AgentWindow::showEvent(QShowEvent*)
{
    Refit(true);
    Tick();
}

void AgentWindow::hideEvent(QHideEvent*)
{
    frames_.stop();
    if (trip_)
        move(trip_->to);
    trip_.reset();
    grip_.reset();
}

void AgentWindow::moveEvent(QMoveEvent*) { emit Moved(); }

void AgentWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        grip_ = event->globalPosition().toPoint() - pos();
        trip_.reset();
    }
}

void AgentWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (grip_)
        move(OnScreen(event->globalPosition().toPoint() - *grip_));
}

// Where the user puts it is where it stays, until the game sends it elsewhere.
void AgentWindow::mouseReleaseEvent(QMouseEvent*)
{
    if (grip_)
        wanted_ = pos() - Corner(QPoint());
    grip_.reset();
}

void AgentWindow::contextMenuEvent(QContextMenuEvent* event)
{
    emit MenuOpening();
    QMenu menu(this);
    DrawAtZoom(menu, zoom_); // as large as he is
    menu.addAction(hide_);
    if (voice_->isVisible()) {
        menu.addSeparator();
        menu.addAction(voice_);
    }
    menu.exec(event->globalPos());
}

} // namespace stumpcraft::qt
