#include "qt/AgentShape.h"

#include <QBitmap>
#include <QGuiApplication>

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

void ApplyShape(QWidget& window, const QRegion& shape)
{
    if (DesktopWindows() && window.mask() != shape)
        window.setMask(shape);
}

} // namespace stumpcraft::qt
