#include "qt/LayoutChecks.h"

#include "qt/ControlWidgets.h"
#include "qt/FormWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <algorithm>
#include <stdexcept>

namespace stumpcraft::qt {

namespace {

    // The caption as drawn: "&&" is one ampersand, any other "&" marks the access key.
    QString WithoutAccessKeys(const QString& caption)
    {
        QString shown;
        for (qsizetype i = 0; i < caption.size(); ++i) {
            if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
                ++i;
            shown += caption[i];
        }
        return shown;
    }

    // Measured against the widget as drawn, at its window's zoom.
    bool Within(const QSize& needed, const QWidget& widget)
    {
        return needed.width() <= widget.width() && needed.height() <= widget.height();
    }

    bool LabelFits(const QLabel& label)
    {
        if (label.text().isEmpty())
            return true;
        if (label.wordWrap()) {
            // A word wider than the label (a long name) runs past its edge, however the
            // rest wraps.
            const int room = label.contentsRect().width() - std::max(0, label.indent());
            const QRect needed = label.fontMetrics().boundingRect(
                QRect(0, 0, room, 1 << 20), Qt::TextWordWrap, label.text());
            return needed.width() <= room && label.heightForWidth(label.width()) <= label.height();
        }
        return Within(label.sizeHint(), label);
    }

    // A push button's size hint has a minimum width of its own, so the text is measured
    // against the room inside the bevel instead.
    bool ButtonFits(const QPushButton& button)
    {
        const QString text = WithoutAccessKeys(button.text());
        if (text.isEmpty())
            return true;
        const QStyle& style = *button.style();
        const int frame = style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
        const int margin = style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
        const QFontMetrics metrics = button.fontMetrics();
        return Within(QSize(metrics.horizontalAdvance(text) + 2 * (frame + margin),
                          metrics.height() + 2 * frame),
            button);
    }

    QRect AreaOf(const Control* container, const Form& form)
    {
        if (!container)
            return QRect(0, 0, form.Width, form.Height);
        const int lost = container->kind() == Control::Kind::TabStrip ? TabStrip::HeaderHeight : 0;
        return QRect(0, 0, container->Width, container->Height - lost);
    }

    QRect RectOf(const Control& c) { return QRect(c.Left, c.Top, c.Width, c.Height); }

} // namespace

std::string DisplayName(const Control& control)
{
    if (control.Index() < 0)
        return std::string(control.Name());
    return std::string(control.Name()) + "(" + std::to_string(control.Index()) + ")";
}

bool CaptionFits(const Control& control)
{
    const auto* binding = dynamic_cast<const ControlBinding*>(control.Peer());
    if (!binding)
        throw std::logic_error(DisplayName(control) + " has no window to measure");
    QWidget& widget = *binding->Widget();
    widget.ensurePolished();
    switch (control.kind()) {
    case Control::Kind::Label:
        return LabelFits(static_cast<const QLabel&>(widget));
    case Control::Kind::CommandButton:
        return ButtonFits(static_cast<const QPushButton&>(widget));
    case Control::Kind::CheckBox:
    case Control::Kind::OptionButton:
        return static_cast<const QAbstractButton&>(widget).text().isEmpty()
            || Within(widget.sizeHint(), widget);
    case Control::Kind::Frame:
        return static_cast<const QGroupBox&>(widget).title().isEmpty()
            || widget.minimumSizeHint().width() <= widget.width();
    case Control::Kind::TabStrip: {
        const auto* bar = widget.findChild<QTabBar*>();
        return !bar || bar->sizeHint().width() <= widget.width();
    }
    default:
        return true;
    }
}

std::vector<std::string> CaptionsThatDoNotFit(const Form& form)
{
    std::vector<std::string> cut;
    // A control in a hidden container may have no widget yet, and then no caption to cut.
    for (const Control* control : form.Controls())
        if (control->Visible && (control->Peer() || !ExistingWindow(form))
            && !CaptionFits(*control))
            cut.push_back(DisplayName(*control));
    return cut;
}

std::vector<std::string> OverlappingSiblings(const Form& form)
{
    std::vector<std::string> overlaps;
    const auto& controls = form.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& a = *controls[i];
        if (!a.Visible)
            continue;
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const Control& b = *controls[j];
            if (b.Visible && a.Container() == b.Container() && a.TabPage() == b.TabPage()
                && RectOf(a).intersects(RectOf(b)))
                overlaps.push_back(DisplayName(a) + " / " + DisplayName(b));
        }
    }
    return overlaps;
}

std::vector<std::string> ControlsOutsideContainer(const Form& form)
{
    std::vector<std::string> outside;
    for (const Control* control : form.Controls())
        if (control->Visible && !RectOf(*control).isEmpty()
            && !AreaOf(control->Container(), form).contains(RectOf(*control)))
            outside.push_back(DisplayName(*control));
    return outside;
}

} // namespace stumpcraft::qt
