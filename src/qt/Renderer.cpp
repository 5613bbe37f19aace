#include "qt/Renderer.h"

#include "platform/Errors.h"
#include "platform/Services.h"
#include "qt/FormWindow.h"
#include "qt/WindowZoom.h"

#include <QApplication>
#include <QFontDatabase>
#include <QProxyStyle>
#include <QStyleFactory>
#include <exception>

namespace stumpcraft::qt {

namespace {

    double ZoomOf(const QWidget* widget)
    {
        const auto* window = widget ? qobject_cast<const FormWindow*>(widget->window()) : nullptr;
        return window ? window->Zoom() : 1;
    }

    // The style, with the parts it draws at a size in pixels (check boxes, option dots, slider
    // handles, scroll bars) grown with the zoom of the window they are drawn in, as print is.
    class ZoomedStyle : public QProxyStyle {
    public:
        using QProxyStyle::QProxyStyle;

        int pixelMetric(
            PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
        {
            const int size = QProxyStyle::pixelMetric(metric, option, widget);
            switch (metric) {
            case PM_IndicatorWidth:
            case PM_IndicatorHeight:
            case PM_ExclusiveIndicatorWidth:
            case PM_ExclusiveIndicatorHeight:
            case PM_CheckBoxLabelSpacing:
            case PM_RadioButtonLabelSpacing:
            case PM_SliderThickness:
            case PM_SliderLength:
            case PM_SliderControlThickness:
            case PM_ScrollBarExtent:
            case PM_ScrollBarSliderMin:
                return Scaled(size, ZoomOf(widget));
            default:
                return size;
            }
        }
    };

} // namespace

void InstallLook()
{
    if (QStyle* fusion = QStyleFactory::create("Fusion"))
        QApplication::setStyle(new ZoomedStyle(fusion));
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
