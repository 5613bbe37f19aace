#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>

namespace stumpcraft::qt {

// The part of a picture that is drawn on (alpha at least half), in the widget's own pixels.
QRegion ShapeOf(const QImage& picture, QSize size);

// Whether windows here are real desktop windows, which take shapes and stacking orders (not
// those of the offscreen and minimal platforms that tests use).
bool DesktopWindows();

// Cuts a frameless window to shape, so that on a desktop without a compositor nothing shows
// round the figure and clicks there reach the windows beneath. Platforms without window
// shapes (the offscreen one of the tests) are left alone.
void ApplyShape(QWidget& window, const QRegion& shape);

} // namespace stumpcraft::qt
