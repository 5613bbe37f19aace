#pragma once

#include "platform/Form.h"

#include <QWidget>
#include <map>

namespace stumpcraft::qt {

class ControlBinding;

// The top-level window of one form: its caption and inner size, and one bound widget per
// control, placed where the model's constructor put it. The window reports the user's close
// box, a mouse release on its own surface, Escape (the cancel button) and Enter (the default
// button) to the model.
//
// The form holds a small peer that points here; the window itself belongs to Qt. When the form
// is unloaded or destroyed the window is detached, hidden and deleted later, and from then on
// it never touches the model.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(Form& form);

    Form* Model() const { return form_; } // null once detached
    // The widget that holds the control's widget: the page or container it sits in, or the
    // window itself.
    QWidget* HostFor(const Control& control);
    ControlBinding* BindingOf(const Control& control) const;

    // Caption, size, position, modality and visibility, as the model has them.
    void SyncFromModel();
    // The form is gone or unloaded: let go of it and go away.
    void Detach();

signals:
    // The window was hidden or closed by the model: a modal show of it is over.
    void Dismissed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ControlBinding* Bind(Control& control);
    void SyncGeometry();
    bool PressButton(bool cancel);

    Form* form_;
    std::map<const Control*, ControlBinding*> bindings_; // owned by their widgets
    bool placed_ = false;
};

// The window of a form, made (hidden) if the form has none yet.
FormWindow& WindowFor(Form& form);
// The window of a form, or nullptr when it has none.
FormWindow* ExistingWindow(const Form& form);

} // namespace stumpcraft::qt
