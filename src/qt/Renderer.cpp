#include "qt/Renderer.h"

#include "platform/Errors.h"
#include "platform/Services.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStyleFactory>
#include <exception>

namespace stumpcraft::qt {

void InstallLook()
{
    if (QStyle* fusion = QStyleFactory::create("Fusion"))
        QApplication::setStyle(fusion);
}

QFont WindowFont(double zoom)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9 * zoom);
    return font;
}

void RunGameEvent(const std::function<void()>& event)
{
    try {
        event();
    } catch (const std::exception& error) {
        ShowErrorBox(error);
        if (Toolkit* toolkit = Platform().toolkit)
            toolkit->EndProgram();
    }
}

} // namespace stumpcraft::qt
