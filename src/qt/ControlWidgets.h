#pragma once

#include "platform/Controls.h"
#include "qt/Renderer.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

class QMouseEvent;

namespace stumpcraft::qt {

class FormWindow;

// Binds one control of a window model to the widget that shows it. The binding is a child of
// its widget, so the window owns both; the model only holds the binding as its peer. Sync
// copies the model's state onto the widget with the widget's signals blocked, so showing a
// change never raises the event again. User input goes the other way, through the control's
// User* entry points or its setters, which raise the game's events.
//
// Once the window is closed the binding is detached: it never touches the model again, even
// while Qt is still unwinding the event that closed it.
class ControlBinding : public QObject, public ControlPeer {
    Q_OBJECT

public:
    ControlBinding(Control& control, QWidget* widget, FormWindow& window);
    ~ControlBinding() override;

    Control* Model() const { return control_; } // null once detached
    QWidget* Widget() const { return widget_; }
    void Detach() { control_ = nullptr; }

    void Sync() final;
    void Focus() override;

    // Where controls placed inside this one live (a tab strip has one host per page).
    virtual QWidget* ChildHost(int page);
    // The binding of a widget made by this renderer, or nullptr for any other widget.
    static ControlBinding* Of(const QWidget* widget);

protected:
    // The window's zoom, and a length of the model's at it.
    double Zoom() const;
    int Scaled(int length) const;
    // Copies the kind's own state (caption, value, items...) onto the widget.
    virtual void SyncKind() = 0;
    // Labels, frames, pictures and tab strips take every mouse event on their own area, as
    // the controls of the game's toolkit do; other kinds leave them to their widget.
    virtual bool IsSurface() const { return false; }
    // The palette roles that BackColor and ForeColor paint.
    virtual QPalette::ColorRole BackRole() const { return QPalette::Window; }
    virtual QPalette::ColorRole ForeRole() const { return QPalette::WindowText; }
    // A label given a colour of its own keeps it in a disabled frame: it shows a result to
    // read, not a choice that is closed.
    virtual bool KeepsColourWhenDisabled() const { return false; }

    // Hands one piece of user input to the model, then shows what the model made of it (a
    // slider clamps, an option button stays chosen). Nothing happens once detached.
    template <typename F> void Feed(F&& input)
    {
        if (!control_)
            return;
        QPointer<ControlBinding> self(this);
        Control& control = *control_;
        RunGameEvent([&] { input(control); });
        if (self && control_)
            Sync();
    }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SyncCommon();
    void SyncPlacement();
    bool HandleMouse(QEvent* event);
    void ShowToolTip(const QPoint& at);
    static constexpr int kToolTipMargin = 12;

    Control* control_;
    QWidget* widget_;
    FormWindow& window_;
    bool afterDoubleClick_ = false;
    Cursor cursor_ = Cursor::Default;
};

// Makes the widget for one control inside its host and binds it to the control.
ControlBinding* CreateBinding(Control& control, QWidget* host, FormWindow& window);

// True when the point of a mouse event on `surface` lies on one of the controls inside it
// (the event reached the surface only because that control did not take it).
bool PointIsOnInnerControl(const QWidget& surface, const QPoint& point);

// The game's mouse button for a Qt button, and the set of held buttons as the game counts them.
MouseButton ToMouseButton(Qt::MouseButton button);
MouseButton ToHeldButtons(Qt::MouseButtons buttons);

} // namespace stumpcraft::qt
