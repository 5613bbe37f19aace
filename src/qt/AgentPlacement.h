#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace stumpcraft::qt {

// Which way the speech balloon opens from the character.
enum class BalloonSide { Left, Right, Above };

// How far the balloon's tail reaches out of its body.
inline constexpr int kBalloonTail = 20;
// The room kept between the commentator and the game's windows.
inline constexpr int kAgentGap = 8;

// The zoom his balloon is drawn at: his own, but never so small that the words cannot be read
// (he shrinks to find room beside the windows of a small screen; 8-point text at the least).
inline constexpr double BalloonZoom(double characterZoom)
{
    return characterZoom < 0.8 ? 0.8 : characterZoom;
}

// The balloon's window for a body of that size: the tail adds to its width when it opens to a
// side, and to its height when it opens above.
QSize BalloonWindowSize(QSize body, BalloonSide side);

// The point of the character's window the balloon's tail touches: beside the face on a side,
// the hat's tip above.
QPoint BalloonTailTip(const QRect& character, BalloonSide side);

// Where a balloon window of that size stands for the character's window. On a side its tail
// reaches into the empty margin beside the figure at the height of the face; above, it sits
// over the hat with its tail pointing down at it. A valid screen keeps it on the screen up
// and down (on a side) or across (above).
QRect BalloonBeside(const QRect& character, QSize size, BalloonSide side, const QRect& screen);

// What the commentator keeps clear of: the game's windows and, where he cannot keep clear of
// them all, the controls on them, which matter more.
struct AgentObstacles {
    std::vector<QRect> windows;
    std::vector<QRect> controls;
};

// A place for the commentator: his window's top-left corner, the way his balloon opens, and
// whether the two stay on the screen and clear of every window there.
struct AgentSpot {
    QPoint at;
    BalloonSide side = BalloonSide::Left;
    bool clear = false;
    // On the screen and off every control (windows may be covered).
    bool offControls = false;
};

// The place nearest to wanted where the character (a window of size character) and a balloon
// of body up to balloon stay on the screen and cover none of the windows: beside a window
// where there is room, above or below it where there is none, the balloon opening away from
// it (above the character only when neither side will do). Where the screen has no such place
// at all, the one that covers least of the controls, then of the windows.
AgentSpot PlaceAgent(const QRect& screen, const AgentObstacles& obstacles, QPoint wanted,
    QSize character, QSize balloon);

// The way a balloon opens from a character, and whether it is clear of every window there.
struct BalloonChoice {
    BalloonSide side;
    bool clear;
};

// The way a balloon of that body opens from a character standing at character: the side
// that stays on the screen and covers least (of the controls, then of the windows),
// preferred among equals, a side before above.
BalloonChoice BalloonSideFor(const QRect& screen, const AgentObstacles& obstacles,
    const QRect& character, QSize balloon, BalloonSide preferred);

// Marks one of the commentator's own windows, which the placement looks past.
void MarkAsAgentWindow(QWidget& window);
// Whether the widget is a top-level window of the game (not the commentator's own, nor a menu
// or a tool tip): one the commentator keeps clear of while it is shown.
bool IsGameWindow(const QWidget& widget);
// Where the game's shown windows are on the screen now, and the controls on them (a window's
// title bar, with its buttons, counts as one).
std::vector<QRect> GameWindowRects();
std::vector<QRect> GameControlRects();
// The part of the screen nearest to point that the commentator may use.
QRect AgentRoom(QPoint near);

} // namespace stumpcraft::qt
