#pragma once

#include "platform/Form.h"

#include <QWidget>
#include <functional>
#include <map>
#include <vector>

namespace stumpcraft::qt {

class ControlBinding;

// The top-level window of one form: its caption and inner size, and one bound widget per
// control, placed where the model's constructor put it. The window reports the user's close
// box, a mouse release on its own surface, Escape (the cancel button) and Enter (the default
// button) to the model.
//
// The window is drawn at a zoom: every control's place, size and print are the model's times
// one factor, so the model keeps its pixels. Ctrl+plus and Ctrl+minus step the zoom and size
// the window to match about its centre, Ctrl+0 goes back to the zoom the program chose and the
// place the window opened at, and a window dragged to another size takes the largest zoom that
// fits, the rest of it in the form's own colour. Where the program fits its windows to the
// screen, no step takes a window past the screen's free area. Mouse positions reach the model
// in its own pixels.
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

    double Zoom() const { return zoom_; }
    // Draws the window at another zoom (within the limits) and sizes it to match.
    void SetZoom(double zoom);
    // Ctrl+0: back to the zoom the program chose, at the window's opening place.
    void ZoomBack();
    // The form is gone or unloaded: let go of it and go away.
    void Detach();
    // Makes the widgets of the controls that waited in hidden containers (see
    // Form::WidgetsWhenShown) and are shown now.
    void MakeShownControls();
    // Runs `then` as a game event just after the window is first drawn (at once, after the
    // event in hand, once it has been); never once the form has gone.
    void WhenDrawn(std::function<void()> then);

signals:
    // The window was hidden or closed by the model: a modal show of it is over.
    void Dismissed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ControlBinding* Bind(Control& control);
    void RaiseInOrder();
    void ChainFocusInOrder();
    void SyncGeometry();
    bool PressButton(bool cancel);
    void AddZoomKeys();
    // Shows every control again at the window's zoom.
    void Rescale();
    QSize ModelSize() const;
    void NotePlace();
    QRect InnerRoom() const;
    double LargestZoom() const;
    void PlaceInner(QRect inner);
    QColor LetterboxColour() const;

    Form* form_;
    std::map<const Control*, ControlBinding*> bindings_; // owned by their widgets
    // Controls whose widgets wait until their container is shown.
    std::vector<Control*> waiting_;
    bool making_ = false;
    bool drawn_ = false;
    std::vector<std::function<void()>> whenDrawn_;
    // The form's area at the window's zoom, centred in the window; it holds the controls that
    // sit on the form itself.
    QWidget* surface_;
    double zoom_ = 1;
    QSize shownModelSize_; // the model's size when the window was last sized to it
    bool placed_ = false;
    QPoint openingPlace_;
    double openingZoom_ = 1;
};

// The window of a form, made (hidden) if the form has none yet.
FormWindow& WindowFor(Form& form);
// The window of a form, or nullptr when it has none.
FormWindow* ExistingWindow(const Form& form);

} // namespace stumpcraft::qt
