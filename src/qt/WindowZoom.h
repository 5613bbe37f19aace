#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace stumpcraft::qt {

// The game's windows are laid out in their models' pixels; the renderer draws each one larger
// or smaller by one factor, its zoom, which scales every control's place, size and print alike.
// These are the sums behind it, and the zoom that windows open at.

inline constexpr double kMinZoom = 0.5;
inline constexpr double kMaxZoom = 3.0;
inline constexpr double kZoomStep = 0.1; // one press of Ctrl+plus or Ctrl+minus

double ClampZoom(double zoom);
// The zoom `steps` presses away, on the grid of whole steps (a dragged size in between first
// snaps to the nearest step).
double SteppedZoom(double zoom, int steps);
// The largest zoom at which the model's area fits in `room`, within the limits.
double ZoomToFit(const QSize& model, const QSize& room);
// The zoom that suits a screen with this much room for windows: the layouts are drawn for a
// screen of 800 by 600, so a 1920 by 1080 screen takes them at 1.7. Never below 1.
double ZoomForScreen(const QSize& available);

// A length, and a rectangle by its edges, so that controls side by side in the model stay side
// by side, without gaps, when drawn.
int Scaled(int length, double zoom);
QRect Scaled(const QRect& model, double zoom);
QSize Scaled(const QSize& model, double zoom);
// A point on a drawn window back in the model's pixels.
QPoint Unscaled(const QPoint& drawn, double zoom);

// The zoom a window opens at: 1 unless the program chose one, and after that the one the player
// last chose on any window. With `fitScreen`, a window that would not fit on its screen at that
// zoom opens smaller, but never below 1.
void SetOpeningZoom(double zoom, bool fitScreen);
double OpeningZoom();
// The zoom Ctrl+0 goes back to: the one the program chose.
double ChosenZoom();
// Whether windows are kept within the screen's free area: opened smaller where they would not
// fit, and never zoomed past it.
bool ZoomFitsScreen();
// Room kept round a window for its frame and the desktop's panels, while its frame is unknown.
inline constexpr QSize kFrameRoom(16, 48);
// The player zoomed a window: windows opened from now on follow.
void KeepPlayersZoom(double zoom);
// The zoom for a window of this model size opening on a screen with `available` room.
double ZoomForNewWindow(const QSize& model, const QSize& available);
// Chooses the opening zoom for the primary screen, with fitting. For the program itself;
// snapshots and tests keep 1.
void ZoomForThisScreen();

} // namespace stumpcraft::qt
