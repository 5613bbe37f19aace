#include "qt/FormWindow.h"

#include "qt/ControlWidgets.h"
#include "qt/Renderer.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>

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

} // namespace

FormWindow::FormWindow(Form& form)
    : form_(&form)
{
    setFont(WindowFont());
    for (Control* control : form.Controls())
        Bind(*control);
    // Controls made later are drawn over those made earlier.
    for (Control* control : form.Controls())
        if (ControlBinding* binding = BindingOf(*control))
            binding->Widget()->raise();
    SyncGeometry();
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
        return this;
    ControlBinding* binding = Bind(*container);
    return binding ? binding->ChildHost(control.TabPage()) : this;
}

ControlBinding* FormWindow::BindingOf(const Control& control) const
{
    auto it = bindings_.find(&control);
    return it == bindings_.end() ? nullptr : it->second;
}

void FormWindow::SyncGeometry()
{
    setWindowTitle(QString::fromStdString(form_->Caption));
    if (form_->BorderFixed)
        setFixedSize(form_->Width, form_->Height);
    else
        resize(form_->Width, form_->Height);
    if (form_->Left != 0 || form_->Top != 0) {
        move(form_->Left, form_->Top);
        placed_ = true;
    } else if (!placed_) {
        // A form that names no position opens in the middle of the screen.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(), size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        placed_ = true;
    }
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
    const QPoint pos = event->position().toPoint();
    if (!form_ || PointIsOnInnerControl(*this, pos))
        return;
    Form& form = *form_;
    const MouseButton button = ToMouseButton(event->button());
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
