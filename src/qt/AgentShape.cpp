#include "qt/AgentShape.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QWindow>

namespace stumpcraft::qt {

QRegion ShapeOf(const QImage& picture, QSize size)
{
    const QImage alpha = picture.size() == size ? picture : picture.scaled(size);
    return QRegion(QBitmap::fromImage(alpha.createAlphaMask()));
}

bool DesktopWindows()
{
    static const bool desktop = QGuiApplication::platformName() != QLatin1String("offscreen")
        && QGuiApplication::platformName() != QLatin1String("minimal");
    return desktop;
}

// The window system's shape alone. A widget mask would also clip every paint of the window to
// the figure, and Qt's painter keeps such a clip as spans for every line times every piece of
// the shape: a megabyte and more for the character.
void ApplyShape(QWidget& window, const QRegion& shape)
{
    if (!DesktopWindows())
        return;
    window.winId(); // the native window, made now if need be
    if (QWindow* native = window.windowHandle(); native && native->mask() != shape)
        native->setMask(shape);
}

} // namespace stumpcraft::qt
