#pragma once

#include <QCursor>
#include <QPixmap>
#include <QString>

class QPainter;
class QRect;

namespace stumpcraft::qt {

// The few pictures the game's windows name, drawn by the program itself so that nothing
// but the executable is needed to show them.

// Paints the named picture centred in `area`; returns false for a name it does not know.
// "ball" is a red cricket ball with its seam.
bool PaintPicture(QPainter& painter, const QRect& area, const QString& name);

// A 32 by 32 cricket bat, handle to the top left, where the click lands, for a screen of the
// given density.
QPixmap BatPixmap(qreal devicePixelRatio = 1);
QCursor BatCursor();

} // namespace stumpcraft::qt
