#include "qt/AgentShape.h"

#include <QBitmap>
#include <QGuiApplication>

namespace stumpcraft::qt {

QRegion ShapeOf(const QImage& picture, QSize size)
{
    const QImage alpha = picture.size() == size ? picture : picture.scaled(size);
    return QRegion(QBitmap::fromImage(alpha.createAlphaMask()));
}

void ApplyShape(QWidget& window, const QRegion& shape)
{
    static const bool shapes = QGuiApplication::platformName() != QLatin1String("offscreen")
        && QGuiApplication::platformName() != QLatin1String("minimal");
    if (shapes)
        window.setMask(shape);
}

} // namespace stumpcraft::qt
