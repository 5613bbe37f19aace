#include "qt/Renderer.h"

#include "platform/Errors.h"
#include "platform/Services.h"
#include "qt/FormWindow.h"
#include "qt/WindowZoom.h"

#include <QApplication>
#include <QFontDatabase>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <exception>

namespace stumpcraft::qt {

namespace {

    constexpr char kZoomProperty[] = "stumpcraftZoom";

    bool IsForm(const QWidget* widget)
    {
        return widget && qobject_cast<const FormWindow*>(widget->window());
    }

    double ZoomOf(const QWidget* widget)
    {
        const QWidget* window = widget ? widget->window() : nullptr;
        if (const auto* form = qobject_cast<const FormWindow*>(window))
            return form->Zoom();
        const QVariant zoom = window ? window->property(kZoomProperty) : QVariant();
        return zoom.isValid() ? zoom.toDouble() : 1;
    }

    // The widget a question to the style is about: the one it names or, where Qt leaves that
    // out (Fusion sizes a slider's handle from the style option alone), the one the option was
    // filled in from.
    const QWidget* Asking(const QStyleOption* option, const QWidget* widget)
    {
        if (widget || !option)
            return widget;
        return qobject_cast<const QWidget*>(option->styleObject);
    }

    // The style, with the parts it draws at a size in pixels (check boxes, option dots, slider
    // handles, scroll bars, a message box's icon) grown with the zoom of the window they are
    // drawn in, as print is. A window laid out by Qt rather than by a model (a message box, a
    // menu) has its margins, spacing and button icons grown as well.
    class ZoomedStyle : public QProxyStyle {
    public:
        using QProxyStyle::QProxyStyle;

        int pixelMetric(
            PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
        {
            const int size = QProxyStyle::pixelMetric(metric, option, widget);
            const QWidget* asking = Asking(option, widget);
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
            case PM_SliderTickmarkOffset:
            case PM_ScrollBarExtent:
            case PM_ScrollBarSliderMin:
            case PM_MessageBoxIconSize:
                return Scaled(size, ZoomOf(asking));
            case PM_ButtonMargin:
            case PM_ButtonIconSize:
            case PM_SmallIconSize:
            case PM_LayoutLeftMargin:
            case PM_LayoutTopMargin:
            case PM_LayoutRightMargin:
            case PM_LayoutBottomMargin:
            case PM_LayoutHorizontalSpacing:
            case PM_LayoutVerticalSpacing:
                return IsForm(asking) ? size : Scaled(size, ZoomOf(asking));
            default:
                return size;
            }
        }

        // Fusion draws a slider's groove at a fixed thickness: it grows about its middle, so
        // that a grown handle runs along a groove of its own scale.
        QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
            SubControl part, const QWidget* widget) const override
        {
            const QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
            const double zoom = ZoomOf(Asking(option, widget));
            if (control != CC_Slider || part != SC_SliderGroove || zoom == 1)
                return rect;
            const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
            const bool across = !slider || slider->orientation == Qt::Horizontal;
            QRect grown = rect;
            if (across)
                grown.setHeight(Scaled(rect.height(), zoom));
            else
                grown.setWidth(Scaled(rect.width(), zoom));
            grown.moveCenter(rect.center());
            return grown;
        }
    };

} // namespace

void InstallLook()
{
    if (QStyle* fusion = QStyleFactory::create("Fusion"))
        QApplication::setStyle(new ZoomedStyle(fusion));
}

void DrawAtZoom(QWidget& window, double zoom)
{
    window.setProperty(kZoomProperty, zoom);
    QFont font = window.font();
    font.setPointSizeF(font.pointSizeF() * zoom);
    window.setFont(font);
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
