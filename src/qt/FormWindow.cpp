#include "qt/FormWindow.h"

#include "qt/ControlWidgets.h"
#include "qt/Renderer.h"
#include "qt/WindowZoom.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <functional>
#include <set>
#include <utility>

namespace stumpcraft::qt {

namespace {

    // What the form holds as its peer. The form owns this small object and may destroy it at
    // any moment; the window is Qt's and goes later, so the two only share a guarded pointer.
    class WindowPeer : public FormPeer {
    public:
        explicit WindowPeer(FormWindow* window)
            : window_(window)
        {
        }
        ~WindowPeer() override { WindowPeer::Close(); }

        void Sync() override
        {
            if (window_)
                window_->SyncFromModel();
        }
        void Close() override
        {
            if (FormWindow* window = window_.data()) {
                window_ = nullptr;
                window->Detach();
            }
        }
        FormWindow* Window() const { return window_.data(); }

    private:
        QPointer<FormWindow> window_;
    };

    // Whether the control's container, if it has one, is shown: whether its widget belongs on
    // the screen when the control itself is visible.
    bool InShownContainer(const Control& control)
    {
        const Control* container = control.Container();
        return !container || container == &control || container->EffectivelyVisible();
    }

} // namespace

FormWindow::FormWindow(Form& form)
    : form_(&form)
    , surface_(new QWidget(this))
{
    // A form painted on demand may not be laid out yet: it is, before its controls are bound
    // where their containers hold them.
    form.PaintDue();
    const QScreen* screen = QGuiApplication::primaryScreen();
    zoom_ = ZoomForNewWindow(
        ModelSize(), screen ? screen->availableGeometry().size() : Scaled(ModelSize(), kMaxZoom));
    setFont(WindowFont(zoom_));
    AddZoomKeys();
    making_ = true;
    for (Control* control : form.Controls()) {
        if (form.WidgetsWhenShown && !InShownContainer(*control))
            waiting_.push_back(control);
        else
            Bind(*control);
    }
    making_ = false;
    RaiseInOrder();
    SyncGeometry();
}

// Controls made later are drawn over those made earlier.
void FormWindow::RaiseInOrder()
{
    for (Control* control : form_->Controls())
        if (ControlBinding* binding = BindingOf(*control))
            binding->Widget()->raise();
}

void FormWindow::MakeShownControls()
{
    if (waiting_.empty() || making_ || !form_)
        return;
    making_ = true;
    bool made = false;
    // A container made here may be shown with controls of its own waiting: round again.
    for (bool more = true; more;) {
        more = false;
        std::vector<Control*> still;
        for (Control* control : std::exchange(waiting_, {})) {
            if (InShownContainer(*control)) {
                Bind(*control);
                more = made = true;
            } else {
                still.push_back(control);
            }
        }
        waiting_ = std::move(still);
    }
    making_ = false;
    if (made) {
        RaiseInOrder();
        ChainFocusInOrder();
    }
}

// Tab goes from control to control in the order their widgets would have been made all at
// once: the controls' order, each container before what it holds.
void FormWindow::ChainFocusInOrder()
{
    std::vector<const Control*> order;
    std::set<const Control*> seen;
    const std::function<void(const Control*)> visit = [&](const Control* control) {
        if (!control || !seen.insert(control).second)
            return;
        if (control->Container() != control)
            visit(control->Container());
        order.push_back(control);
    };
    for (const Control* control : form_->Controls())
        visit(control);
    QWidget* previous = nullptr;
    for (const Control* control : order) {
        const ControlBinding* binding = BindingOf(*control);
        QWidget* widget = binding ? binding->Widget() : nullptr;
        if (!widget || !(widget->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

ControlBinding* FormWindow::Bind(Control& control)
{
    if (ControlBinding* existing = BindingOf(control))
        return existing;
    QWidget* host = HostFor(control); // binds the container first
    ControlBinding* binding = CreateBinding(control, host, *this);
    if (binding)
        bindings_[&control] = binding;
    return binding;
}

QWidget* FormWindow::HostFor(const Control& control)
{
    Control* container = control.Container();
    if (!container || container == &control || !form_)
        return surface_;
    ControlBinding* binding = Bind(*container);
    return binding ? binding->ChildHost(control.TabPage()) : surface_;
}

ControlBinding* FormWindow::BindingOf(const Control& control) const
{
    auto it = bindings_.find(&control);
    return it == bindings_.end() ? nullptr : it->second;
}

QSize FormWindow::ModelSize() const
{
    return form_ ? QSize(std::max(1, form_->Width), std::max(1, form_->Height)) : size();
}

void FormWindow::SyncGeometry()
{
    setWindowTitle(QString::fromStdString(form_->Caption));
    const QSize model = ModelSize();
    setMinimumSize(Scaled(model, kMinZoom));
    // Only a new size from the model resizes the window: a size the player gave it stays.
    if (model != shownModelSize_) {
        shownModelSize_ = model;
        resize(Scaled(model, zoom_));
    }
    if (form_->Left != 0 || form_->Top != 0) {
        // The model places its window in its own size; a zoomed one keeps the same centre.
        QPoint place(form_->Left - (width() - model.width()) / 2,
            form_->Top - (height() - model.height()) / 2);
        if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && zoom_ != 1) {
            const QRect room = screen->availableGeometry();
            place.setX(std::max(room.left(), std::min(place.x(), room.right() - width())));
            place.setY(std::max(room.top(), std::min(place.y(), room.bottom() - height())));
        }
        move(place);
        NotePlace();
    } else if (!placed_) {
        // A form that names no position opens in the middle of the screen.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(), size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        NotePlace();
    }
}

// The first place is where Ctrl+0 brings the window back to.
void FormWindow::NotePlace()
{
    if (!placed_) {
        openingPlace_ = pos();
        openingZoom_ = zoom_;
    }
    placed_ = true;
}

// The room of the screen the window is on, less the window manager's frame round it.
QRect FormWindow::InnerRoom() const
{
    const QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!on)
        return {};
    const QRect inner = geometry();
    const QRect outer = frameGeometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (frame.isNull() && !isVisible()) // no frame yet: keep the room a frame usually takes
        frame = QMargins(kFrameRoom.width() / 2, kFrameRoom.height() - kFrameRoom.width() / 2,
            kFrameRoom.width() / 2, kFrameRoom.width() / 2);
    return on->availableGeometry().marginsRemoved(frame);
}

double FormWindow::LargestZoom() const
{
    if (!ZoomFitsScreen())
        return kMaxZoom;
    const QRect room = InnerRoom();
    return room.isValid() ? std::max(kMinZoom, ZoomToFit(ModelSize(), room.size())) : kMaxZoom;
}

// Moves the window so that its inner area's corner comes to `corner`, the whole of it (frame
// and all) on the screen where the game fits its windows to the screen.
void FormWindow::PlaceInner(QRect inner)
{
    if (ZoomFitsScreen()) {
        const QRect room = InnerRoom();
        if (room.isValid()) {
            inner.moveLeft(
                std::max(room.left(), std::min(inner.left(), room.right() - inner.width() + 1)));
            inner.moveTop(
                std::max(room.top(), std::min(inner.top(), room.bottom() - inner.height() + 1)));
        }
    }
    move(inner.topLeft() - (geometry().topLeft() - pos()));
}

void FormWindow::SetZoom(double zoom)
{
    zoom = ClampZoom(std::min(zoom, LargestZoom()));
    KeepPlayersZoom(zoom);
    const QSize wanted = Scaled(ModelSize(), zoom);
    if (zoom == zoom_ && size() == wanted)
        return;
    zoom_ = zoom;
    Rescale();
    // Grows or shrinks about its centre.
    QRect inner(QPoint(), wanted);
    inner.moveCenter(geometry().center());
    resize(wanted);
    PlaceInner(inner);
}

// Ctrl+0: the zoom the program chose for this window, at the place it opened.
void FormWindow::ZoomBack()
{
    double zoom = ChosenZoom();
    // A window that opened smaller than that, because that would not fit, goes back to the
    // size it opened at.
    if (openingZoom_ < zoom && openingZoom_ >= LargestZoom() - kZoomStep / 2)
        zoom = openingZoom_;
    const QPoint centre = geometry().center();
    SetZoom(zoom);
    if (!placed_)
        return;
    if (std::abs(zoom_ - openingZoom_) < 1e-9) {
        move(openingPlace_);
    } else {
        QRect inner(QPoint(), size());
        inner.moveCenter(centre);
        PlaceInner(inner);
    }
}

void FormWindow::Rescale()
{
    setFont(WindowFont(zoom_));
    for (auto& [control, binding] : bindings_)
        binding->Sync();
    update();
}

void FormWindow::AddZoomKeys()
{
    const auto add = [this](QList<QKeySequence> keys, auto zoomTo) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, zoomTo] { SetZoom(zoomTo(zoom_)); });
        addAction(action);
    };
    add(QKeySequence::keyBindings(QKeySequence::ZoomIn) << QKeySequence(Qt::CTRL | Qt::Key_Equal),
        [](double zoom) { return SteppedZoom(zoom, 1); });
    add(QKeySequence::keyBindings(QKeySequence::ZoomOut),
        [](double zoom) { return SteppedZoom(zoom, -1); });
    auto* back = new QAction(this);
    back->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    back->setShortcutContext(Qt::WindowShortcut);
    connect(back, &QAction::triggered, this, [this] { ZoomBack(); });
    addAction(back);
}

void FormWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (form_ && size() != Scaled(ModelSize(), zoom_)) {
        // Dragged to a size of the player's own: the largest zoom that fits.
        const double fit = ZoomToFit(ModelSize(), size());
        if (fit != zoom_) {
            zoom_ = fit;
            KeepPlayersZoom(zoom_);
            Rescale();
        }
    }
    const QSize area = Scaled(ModelSize(), zoom_);
    surface_->setGeometry(
        (width() - area.width()) / 2, (height() - area.height()) / 2, area.width(), area.height());
}

// The colour of a panel that covers the whole form, if it has one, else the window's own: the
// colour a letterboxed window shows around the form.
QColor FormWindow::LetterboxColour() const
{
    if (form_)
        for (const Control* c : form_->Controls()) {
            const Color back = c->BackColor;
            if (!c->Container() && c->Visible && back.set && c->Left == 0 && c->Top == 0
                && c->Width >= form_->Width && c->Height >= form_->Height)
                return QColor(back.r, back.g, back.b);
        }
    return palette().color(QPalette::Window);
}

void FormWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), LetterboxColour());
    if (!drawn_) {
        // The window's controls are drawn in the same pass, after this: what waited runs once
        // the whole window is out.
        drawn_ = true;
        for (auto& then : std::exchange(whenDrawn_, {}))
            WhenDrawn(std::move(then));
    }
}

void FormWindow::WhenDrawn(std::function<void()> then)
{
    if (!drawn_) {
        whenDrawn_.push_back(std::move(then));
        return;
    }
    QTimer::singleShot(0, this, [this, then = std::move(then)] {
        if (form_)
            RunGameEvent(then);
    });
}

void FormWindow::SyncFromModel()
{
    if (!form_)
        return;
    SyncGeometry();
    if (!form_->Visible()) {
        if (isVisible())
            hide();
        emit Dismissed();
        return;
    }
    // Modality can only change while the window is hidden.
    const Qt::WindowModality modality = form_->IsModal() ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modality) {
        hide();
        setWindowModality(modality);
    }
    if (!isVisible())
        show();
}

void FormWindow::Detach()
{
    form_ = nullptr;
    whenDrawn_.clear();
    waiting_.clear();
    for (auto& [control, binding] : bindings_)
        binding->Detach();
    bindings_.clear();
    hide();
    emit Dismissed();
    deleteLater();
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    // The model decides: it unloads the form (which closes this window) or cancels.
    event->ignore();
    if (!form_) {
        event->accept();
        return;
    }
    Form& form = *form_;
    RunGameEvent([&form] { form.RequestClose(UnloadMode::FormControlMenu); });
}

bool FormWindow::PressButton(bool cancel)
{
    if (!form_)
        return false;
    for (Control* control : form_->Controls()) {
        if (control->kind() != Control::Kind::CommandButton)
            continue;
        auto* button = static_cast<CommandButton*>(control);
        if ((cancel ? button->Cancel() : button->Default()) && button->EffectivelyEnabled()) {
            RunGameEvent([button] { button->KeyPress(); });
            return true;
        }
    }
    return false;
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    // Keys that reach the window were not wanted by the focused control. Letters and digits
    // go to the form first (Ctrl+S keeps the match screen's scorecard); Qt's codes for them
    // are their upper-case characters.
    const int key = event->key();
    if (form_
        && ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))) {
        const Qt::KeyboardModifiers held = event->modifiers();
        const int shift = (held & Qt::ShiftModifier ? ShiftMask : 0)
            | (held & Qt::ControlModifier ? CtrlMask : 0) | (held & Qt::AltModifier ? AltMask : 0);
        Form& form = *form_;
        RunGameEvent([&] { form.UserKeyDown(key, shift); });
        return;
    }
    const bool handled = (event->key() == Qt::Key_Escape && PressButton(true))
        || ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            && PressButton(false));
    if (!handled)
        QWidget::keyPressEvent(event);
}

void FormWindow::mousePressEvent(QMouseEvent* event)
{
    // Taken, so that the release comes here too.
    event->accept();
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint drawn = event->position().toPoint();
    const QPoint onForm = surface_->mapFrom(this, drawn);
    // A release on the border around a letterboxed form is not on the form.
    if (!form_ || PointIsOnInnerControl(*surface_, onForm) || !surface_->rect().contains(onForm))
        return;
    Form& form = *form_;
    const MouseButton button = ToMouseButton(event->button());
    const QPoint pos = Unscaled(onForm, zoom_);
    RunGameEvent([&] { form.UserMouseUp(button, pos.x(), pos.y()); });
}

FormWindow& WindowFor(Form& form)
{
    if (FormWindow* existing = ExistingWindow(form))
        return *existing;
    auto* window = new FormWindow(form);
    form.AttachPeer(std::make_unique<WindowPeer>(window));
    return *window;
}

FormWindow* ExistingWindow(const Form& form)
{
    const auto* peer = dynamic_cast<const WindowPeer*>(form.Peer());
    return peer ? peer->Window() : nullptr;
}

} // namespace stumpcraft::qt
