#pragma once

#include <QFont>
#include <functional>

class QWidget;

namespace stumpcraft::qt {

// The renderer's shared pieces. Every window of the game is drawn by one generic renderer:
// FormWindow makes a top-level window for a Form and one bound widget per control
// (ControlWidgets), QtToolkit shows windows and message boxes and pumps events, and
// Snapshot draws a window into an image without a screen.

// The look every window shares, whatever the desktop: the Fusion style.
void InstallLook();

// A window that is not a form's (a message box, a menu) drawn at a zoom as well: its print, and
// the style's sizes in pixels, grow with it as they do on a form's window. Once per window.
void DrawAtZoom(QWidget& window, double zoom);

// The windows' own font: the desktop's sans-serif at 9 points, times a window's zoom.
QFont WindowFont(double zoom = 1);

// Runs one piece of user input through the game. An error that the game did not trap ends
// the program after the standard error box, as the game's toolkit does; it never unwinds
// through Qt's event dispatch.
void RunGameEvent(const std::function<void()>& event);

} // namespace stumpcraft::qt
