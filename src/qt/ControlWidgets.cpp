#include "qt/ControlWidgets.h"

#include "qt/FormWindow.h"
#include "qt/Pictures.h"
#include "qt/WindowZoom.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolTip>

namespace stumpcraft::qt {

namespace {

    QColor ToQColor(const Color& c) { return QColor(c.r, c.g, c.b); }

    // Only the roles the model sets are the widget's own; every other role follows the
    // container, so a control with no colours looks like its surroundings.
    void ApplyColours(QWidget& widget, const Color& back, const Color& fore,
        QPalette::ColorRole backRole, QPalette::ColorRole foreRole, bool keepWhenDisabled)
    {
        QPalette palette;
        palette.setResolveMask(0);
        if (back.set)
            palette.setColor(backRole, ToQColor(back));
        if (fore.set) {
            // A disabled control keeps the style's greyed text, unless its kind says otherwise.
            palette.setColor(QPalette::Active, foreRole, ToQColor(fore));
            palette.setColor(QPalette::Inactive, foreRole, ToQColor(fore));
            if (keepWhenDisabled)
                palette.setColor(QPalette::Disabled, foreRole, ToQColor(fore));
        }
        widget.setPalette(palette);
        widget.setAutoFillBackground(back.set);
    }

    // A size of its own is in points, so it grows with the window's zoom as the window's
    // font does; print stays sharp at any zoom and on any screen.
    void ApplyFont(QWidget& widget, int pointSize, bool bold, bool fixed, double zoom)
    {
        QFont font;
        font.setResolveMask(0);
        if (fixed) {
            font.setFamily(QStringLiteral("DejaVu Sans Mono"));
            font.setStyleHint(QFont::Monospace);
            font.setFixedPitch(true);
        }
        if (pointSize > 0)
            font.setPointSizeF(pointSize * zoom);
        if (bold)
            font.setBold(true);
        widget.setFont(font);
    }

    void ApplyCursor(QWidget& widget, Cursor cursor)
    {
        switch (cursor) {
        case Cursor::Default:
            widget.unsetCursor();
            break;
        case Cursor::Hand:
            widget.setCursor(Qt::PointingHandCursor);
            break;
        case Cursor::Bat:
            widget.setCursor(BatCursor());
            break;
        }
    }

} // namespace

ControlBinding::ControlBinding(Control& control, QWidget* widget, FormWindow& window)
    : QObject(widget)
    , control_(&control)
    , widget_(widget)
    , window_(window)
{
    widget_->installEventFilter(this);
    widget_->setMouseTracking(true);
    control.AttachPeer(this);
}

ControlBinding::~ControlBinding()
{
    // Still attached means the model is alive: the window went first (the program is ending).
    if (control_ && control_->Peer() == this)
        control_->AttachPeer(nullptr);
}

void ControlBinding::Sync()
{
    if (!control_)
        return;
    const QSignalBlocker blocker(widget_);
    SyncPlacement();
    SyncCommon();
    SyncKind();
    widget_->setVisible(control_->Visible);
    // A container shown now may hold controls whose widgets waited for it.
    window_.MakeShownControls();
}

void ControlBinding::SyncPlacement()
{
    QWidget* host = window_.HostFor(*control_);
    if (host && widget_->parentWidget() != host)
        widget_->setParent(host); // hidden by Qt; Sync shows it again below
    const Control& c = *control_;
    widget_->setGeometry(
        qt::Scaled(QRect(c.Left, c.Top, std::max(0, c.Width()), std::max(0, c.Height())), Zoom()));
}

double ControlBinding::Zoom() const { return window_.Zoom(); }

int ControlBinding::Scaled(int length) const { return qt::Scaled(length, Zoom()); }

void ControlBinding::SyncCommon()
{
    const Control& c = *control_;
    ApplyColours(
        *widget_, c.BackColor, c.ForeColor, BackRole(), ForeRole(), KeepsColourWhenDisabled());
    ApplyFont(*widget_, c.FontSize, c.FontBold, c.FontFixed, Zoom());
    if (cursor_ != c.MousePointer) {
        cursor_ = c.MousePointer;
        ApplyCursor(*widget_, cursor_);
    }
    widget_->setToolTip(QString::fromStdString(c.ToolTipText));
    widget_->setEnabled(c.Enabled);
}

// The game moves the focus as the Tab key would, so a text field it sends the player to has
// its text selected, and typing replaces a prompt such as "Enter your name".
void ControlBinding::Focus()
{
    if (control_)
        widget_->setFocus(Qt::TabFocusReason);
}

QWidget* ControlBinding::ChildHost(int) { return widget_; }

ControlBinding* ControlBinding::Of(const QWidget* widget)
{
    return widget ? widget->findChild<ControlBinding*>(QString(), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

bool ControlBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != widget_ || !control_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return HandleMouse(event);
    case QEvent::ToolTip:
        ShowToolTip(static_cast<QHelpEvent*>(event)->globalPos());
        return true;
    case QEvent::FocusIn: {
        // Coming back to the program is not the user choosing a control.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Feed([](Control& c) { c.UserFocus(); });
        return false;
    }
    default:
        return false;
    }
}

// A tooltip in the window's print, each of its lines cut short with "..." where it would not
// fit across the screen (a long name in the level's odds), so the whole tip stays on the screen.
void ControlBinding::ShowToolTip(const QPoint& at)
{
    const QString text = widget_->toolTip();
    if (text.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    const QFont font = WindowFont(Zoom());
    QToolTip::setFont(font);
    const QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen)
        screen = widget_->screen();
    // The tip's own frame and margins take a few points either side.
    const int room = screen->availableGeometry().width() - 2 * Scaled(kToolTipMargin);
    const QFontMetrics metrics(font);
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        line = metrics.elidedText(line, Qt::ElideRight, room);
    QToolTip::showText(at, lines.join(u'\n'), widget_);
}

bool ControlBinding::HandleMouse(QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint pos = mouse->position().toPoint();
    const QPoint onModel = Unscaled(pos, Zoom()); // what the model is told
    if (IsSurface() && PointIsOnInnerControl(*widget_, pos)) {
        // Passed up by a control inside that did not want it: not ours to report (the
        // control told the game of it as it passed).
        event->accept();
        return true;
    }
    switch (event->type()) {
    case QEvent::MouseMove:
        Feed([&](Control& c) {
            c.UserMouseMove(ToHeldButtons(mouse->buttons()), onModel.x(), onModel.y());
        });
        break;
    case QEvent::MouseButtonDblClick:
        afterDoubleClick_ = true;
        break;
    case QEvent::MouseButtonRelease: {
        // A release over the control after a press on it is a click; the second release of a
        // double click is not a second click.
        const bool click = IsSurface() && mouse->button() == Qt::LeftButton
            && widget_->rect().contains(pos) && !afterDoubleClick_;
        afterDoubleClick_ = false;
        Feed([&](Control& c) {
            c.UserMouseUp(ToMouseButton(mouse->button()), onModel.x(), onModel.y());
        });
        if (click)
            Feed([](Control& c) { c.UserClick(); });
        break;
    }
    default:
        break;
    }
    if (!IsSurface())
        return false;
    event->accept();
    return true;
}

bool PointIsOnInnerControl(const QWidget& surface, const QPoint& point)
{
    for (QWidget* w = surface.childAt(point); w && w != &surface; w = w->parentWidget())
        if (ControlBinding::Of(w))
            return true;
    return false;
}

MouseButton ToMouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}

MouseButton ToHeldButtons(Qt::MouseButtons buttons)
{
    // The game counts held buttons as a sum of their values (none held is 0).
    int held = 0;
    if (buttons & Qt::LeftButton)
        held += static_cast<int>(MouseButton::Left);
    if (buttons & Qt::RightButton)
        held += static_cast<int>(MouseButton::Right);
    if (buttons & Qt::MiddleButton)
        held += static_cast<int>(MouseButton::Middle);
    return static_cast<MouseButton>(held);
}

} // namespace stumpcraft::qt
