#include "qt/AgentPlacement.h"

#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <tuple>

namespace stumpcraft::qt {

namespace {

    // Where the figure stands in the character's window, as fractions of its size.
    constexpr double kFaceHeight = 0.46;
    constexpr double kFaceAcross = 0.43;
    constexpr double kHatTop = 0.07;
    // Opening above costs as much as a move this long: a side is the better look.
    constexpr double kAboveCost = 80;
    constexpr char kAgentProperty[] = "stumpcraftAgent";
    constexpr std::array kSides { BalloonSide::Left, BalloonSide::Right, BalloonSide::Above };

    long long Area(const QRect& r) { return r.isEmpty() ? 0 : 1LL * r.width() * r.height(); }

    // What a place covers, the worst first: the part off the screen, of the windows' controls,
    // of the windows (each with the gap round it).
    struct Cover {
        long long off = 0, controls = 0, windows = 0;

        auto operator<=>(const Cover&) const = default;
        Cover operator+(const Cover& o) const
        {
            return { off + o.off, controls + o.controls, windows + o.windows };
        }
        bool None() const { return off == 0 && windows == 0; }
    };

    Cover CoverOf(const QRect& r, const QRect& screen, const AgentObstacles& obstacles)
    {
        Cover cover { Area(r) - Area(r.intersected(screen)) };
        for (const QRect& c : obstacles.controls)
            cover.controls += Area(r.intersected(c));
        for (const QRect& w : obstacles.windows)
            cover.windows
                += Area(r.intersected(w.adjusted(-kAgentGap, -kAgentGap, kAgentGap, kAgentGap)));
        return cover;
    }

    // Every few pixels across the screen: the places to try where none is clear.
    std::vector<int> Steps(int low, int high)
    {
        const int step = std::max(8, (high - low) / 120);
        std::vector<int> out;
        for (int at = low; at <= high; at += step)
            out.push_back(at);
        return out;
    }

    // One stretch of the footprint along an axis: where it begins within it, and its length.
    struct Stretch {
        int from, length;
    };

    // Start positions of the footprint along one axis: the wanted one, and those that bring
    // one of its parts (the whole, the character, the balloon) against one of the screen's
    // ends or just clear of one of the windows' ends; the character (the second part) kept on
    // the screen.
    std::vector<int> Starts(int wanted, const std::vector<Stretch>& parts, int low, int high,
        const std::vector<QRect>& windows, bool across)
    {
        // The screen's ends as if a window's: beyond its far end and before its near one.
        std::vector<int> edges { high + 1 + kAgentGap, low - 1 - kAgentGap };
        std::vector<int> out { wanted };
        for (const QRect& w : windows) {
            edges.push_back(across ? w.left() : w.top());
            edges.push_back(across ? w.right() : w.bottom());
        }
        for (std::size_t i = 0; i < edges.size(); i += 2)
            for (const Stretch& part : parts) {
                out.push_back(edges[i] - kAgentGap - part.length - part.from);
                out.push_back(edges[i + 1] + kAgentGap + 1 - part.from);
            }
        const Stretch& self = parts[1];
        for (int& start : out)
            start = std::max(low - self.from, std::min(start, high - self.length + 1 - self.from));
        std::sort(out.begin(), out.end());
        out.erase(std::unique(out.begin(), out.end()), out.end());
        return out;
    }

} // namespace

QPoint BalloonTailTip(const QRect& character, BalloonSide side)
{
    const int reach = character.width() / 3; // the empty margin beside the figure
    const int faceY = character.top() + static_cast<int>(character.height() * kFaceHeight);
    switch (side) {
    case BalloonSide::Left:
        return { character.left() + reach, faceY };
    case BalloonSide::Right:
        return { character.right() - reach, faceY };
    case BalloonSide::Above:
        break;
    }
    return { character.left() + static_cast<int>(character.width() * kFaceAcross),
        character.top() + static_cast<int>(character.height() * kHatTop) };
}

QSize BalloonWindowSize(QSize body, BalloonSide side)
{
    return side == BalloonSide::Above ? body + QSize(0, kBalloonTail)
                                      : body + QSize(kBalloonTail, 0);
}

QRect BalloonBeside(const QRect& character, QSize size, BalloonSide side, const QRect& screen)
{
    const QPoint tip = BalloonTailTip(character, side);
    QPoint at;
    switch (side) {
    case BalloonSide::Left:
        at = { tip.x() - size.width(), tip.y() - 22 };
        break;
    case BalloonSide::Right:
        at = { tip.x(), tip.y() - 22 };
        break;
    case BalloonSide::Above:
        at = { tip.x() - size.width() / 2, tip.y() - size.height() };
        break;
    }
    if (screen.isValid()) {
        if (side == BalloonSide::Above)
            at.rx() = std::clamp(
                at.x(), screen.left(), std::max(screen.left(), screen.right() - size.width()));
        else
            at.ry() = std::clamp(
                at.y(), screen.top(), std::max(screen.top(), screen.bottom() - size.height()));
    }
    return { at, size };
}

// Tries every way the balloon may open with the character's footprint (himself and the
// balloon) at each start that matters: the wanted place, the screen's edges and just clear
// of each window's edges. The nearest clear place would stand against an edge, or at the
// wanted place itself, in each direction. Where none is clear, it also tries places every few
// pixels across the screen, for the one that covers least.
AgentSpot PlaceAgent(const QRect& screen, const AgentObstacles& obstacles, QPoint wanted,
    QSize character, QSize balloon)
{
    AgentSpot best { wanted, BalloonSide::Left, false };
    auto bestScore = std::make_tuple(Cover { std::numeric_limits<long long>::max() }, 0.0);
    const auto consider = [&](const QRect& him, BalloonSide side, QSize size) {
        const QRect words = BalloonBeside(him, size, side, screen);
        const QPoint move = him.topLeft() - wanted;
        const auto score
            = std::make_tuple(CoverOf(him, screen, obstacles) + CoverOf(words, screen, obstacles),
                std::hypot(move.x(), move.y()) + (side == BalloonSide::Above ? kAboveCost : 0));
        if (score < bestScore) {
            bestScore = score;
            const Cover& cover = std::get<0>(score);
            best = { him.topLeft(), side, cover.None(), cover.off == 0 && cover.controls == 0 };
        }
    };
    for (const BalloonSide side : kSides) {
        const QRect self(QPoint(0, 0), character);
        const QSize size = BalloonWindowSize(balloon, side);
        const QRect beside = BalloonBeside(self, size, side, QRect());
        const QRect foot = self.united(beside);
        const QPoint offset = -foot.topLeft(); // the character's corner in the footprint
        const QPoint start = wanted - offset;
        const QRect inFoot = beside.translated(offset);
        const std::vector<Stretch> across { { 0, foot.width() }, { offset.x(), self.width() },
            { inFoot.left(), inFoot.width() } };
        const std::vector<Stretch> down { { 0, foot.height() }, { offset.y(), self.height() },
            { inFoot.top(), inFoot.height() } };
        const auto& windows = obstacles.windows;
        for (const int x : Starts(start.x(), across, screen.left(), screen.right(), windows, true))
            for (const int y :
                Starts(start.y(), down, screen.top(), screen.bottom(), windows, false))
                consider(QRect(QPoint(x, y) + offset, character), side, size);
    }
    if (best.clear)
        return best;
    for (const BalloonSide side : kSides)
        for (const int x : Steps(screen.left(), screen.right() - character.width() + 1))
            for (const int y : Steps(screen.top(), screen.bottom() - character.height() + 1))
                consider(QRect(QPoint(x, y), character), side, BalloonWindowSize(balloon, side));
    return best;
}

BalloonChoice BalloonSideFor(const QRect& screen, const AgentObstacles& obstacles,
    const QRect& character, QSize balloon, BalloonSide preferred)
{
    BalloonChoice best { preferred, false };
    auto bestScore = std::make_tuple(Cover { std::numeric_limits<long long>::max() }, true, true);
    for (const BalloonSide side : kSides) {
        const QRect words
            = BalloonBeside(character, BalloonWindowSize(balloon, side), side, screen);
        const auto score = std::make_tuple(
            CoverOf(words, screen, obstacles), side != preferred, side == BalloonSide::Above);
        if (score < bestScore) {
            bestScore = score;
            best = { side, std::get<0>(score).None() };
        }
    }
    return best;
}

void MarkAsAgentWindow(QWidget& window) { window.setProperty(kAgentProperty, true); }

bool IsGameWindow(const QWidget& widget)
{
    if (!widget.isWindow() || widget.property(kAgentProperty).toBool())
        return false;
    const Qt::WindowType type = widget.windowType();
    return type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop;
}

std::vector<QRect> GameWindowRects()
{
    std::vector<QRect> out;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (IsGameWindow(*widget) && widget->isVisible() && !widget->isMinimized())
            out.push_back(widget->frameGeometry());
    return out;
}

// The leaves of each shown game window's tree of widgets: what a player reads or clicks. A
// label without words or picture is only a patch of colour, and does not count.
std::vector<QRect> GameControlRects()
{
    std::vector<QRect> out;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (!IsGameWindow(*window) || !window->isVisible() || window->isMinimized())
            continue;
        const QRect bounds(window->mapToGlobal(QPoint(0, 0)), window->size());
        const QRect frame = window->frameGeometry();
        if (frame.top() < bounds.top())
            out.emplace_back(frame.left(), frame.top(), frame.width(), bounds.top() - frame.top());
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->isWindow())
                continue;
            // A frame's title is read like a label, though the frame holds other controls.
            if (const auto* box = qobject_cast<const QGroupBox*>(widget);
                box && !box->title().isEmpty()) {
                QStyleOptionGroupBox option;
                option.initFrom(box);
                option.text = box->title();
                option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
                option.textAlignment = box->alignment();
                const QRect title = box->style()->subControlRect(
                    QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
                out.push_back(QRect(box->mapToGlobal(title.topLeft()), title.size()) & bounds);
            }
            const auto* label = qobject_cast<const QLabel*>(widget);
            if (label && label->text().isEmpty() && label->pixmap().isNull())
                continue;
            const QList<QWidget*> inner
                = widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            if (std::any_of(inner.begin(), inner.end(),
                    [](const QWidget* child) { return child->isVisible() && !child->isWindow(); }))
                continue;
            const QRect r = QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()) & bounds;
            if (!r.isEmpty())
                out.push_back(r);
        }
    }
    return out;
}

QRect AgentRoom(QPoint near)
{
    const QScreen* screen = QGuiApplication::screenAt(near);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return free.adjusted(kAgentGap, kAgentGap, -kAgentGap, -kAgentGap);
}

} // namespace stumpcraft::qt
