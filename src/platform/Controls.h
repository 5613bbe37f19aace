#pragma once

#include "platform/Color.h"

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace stumpcraft {

class Control;
class Form;

// How many texts (captions, tooltips, box texts) the game has handed to controls since the
// program started. A match that nobody watches hands them none.
inline long long TextsHandedToControls = 0;

// A window whose look is painted from the game's state when it is needed (Form::Repaint).
// Every control of such a window settles it before it is read or written.
class PaintGate {
public:
    bool paintDue = false;
    // Paints what is due now.
    virtual void PaintDue() = 0;

protected:
    ~PaintGate() = default;
};

// The live widget that mirrors a control. The control calls Sync after every change of its
// state; the peer reads whatever it shows. Headless, a control has no peer.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void Sync() = 0;
    virtual void Focus() = 0;
};

// One piece of a control's state. Assigning a different value tells the owning control, which
// keeps its peer in step and raises the control's event where the toolkit would.
template <typename T> class Prop {
public:
    Prop(Control* owner, T initial)
        : owner_(owner)
        , value_(std::move(initial))
    {
    }
    Prop(const Prop&) = delete;

    Prop& operator=(const Prop& other) { return *this = other(); }
    Prop& operator=(const T& v)
    {
        Settle();
        CountText();
        if (!(value_ == v)) {
            value_ = v;
            Notify();
        }
        return *this;
    }
    // Captions are built afresh for every ball: take them without a copy.
    Prop& operator=(T&& v)
    {
        Settle();
        CountText();
        if (!(value_ == v)) {
            value_ = std::move(v);
            Notify();
        }
        return *this;
    }

    // A value the caller knows to be new: taken without comparing, and told as a change.
    void Replace(T&& v)
    {
        Settle();
        CountText();
        value_ = std::move(v);
        Notify();
    }

    operator const T&() const { return (*this)(); }
    const T& operator()() const
    {
        Settle();
        return value_;
    }
    // The value as it stands, without painting its window first: for the toolkit's own
    // checks of where a click may go.
    const T& Peek() const { return value_; }
    // Sets the value without painting its window first: for what a window keeps painted at
    // once (Form::PaintAtOnce), which those checks read.
    void SetNow(const T& v)
    {
        if (SetUntold(v))
            Notify();
    }
    // Sets the value and says whether it changed, leaving the owner to be told once for a
    // group of changes (Control::Move).
    bool SetUntold(const T& v)
    {
        if (value_ == v)
            return false;
        value_ = v;
        return true;
    }

    friend bool operator==(const Prop& a, const T& b) { return a() == b; }

private:
    void Notify();
    void Settle() const;
    static void CountText()
    {
        if constexpr (std::is_same_v<T, std::string>)
            ++TextsHandedToControls;
    }

    Control* owner_;
    mutable T value_;
};

enum class Alignment { Left, Right, Center };
enum class MouseButton { Left = 1, Right = 2, Middle = 4 };
enum class Cursor { Default, Hand, Bat };

// What every kind of control shares: its name and index as the game addresses it, where it
// sits inside its container, and the state every kind carries.
class Control {
public:
    // `name` is the game's name for it, a text that lasts as long as the program.
    Control(Form* form, const char* name, int index = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    enum class Kind {
        Label,
        CommandButton,
        Frame,
        PictureBox,
        HScrollBar,
        CheckBox,
        TextBox,
        ListBox,
        ComboBox,
        OptionButton,
        TabStrip,
        Chart
    };
    virtual Kind kind() const = 0;

    std::string_view Name() const { return name_; }
    int Index() const { return index_; }
    Form& Parent() const { return *form_; }

    // Geometry in pixels, relative to the container (or the form's inner area).
    Prop<int> Left { this, 0 };
    Prop<int> Top { this, 0 };
    Prop<int> Width { this, 0 };
    Prop<int> Height { this, 0 };
    Prop<bool> Visible { this, true };
    Prop<bool> Enabled { this, true };
    Prop<Color> BackColor { this, Color {} };
    Prop<Color> ForeColor { this, Color {} };
    Prop<std::string> ToolTipText { this, std::string {} };
    Prop<Cursor> MousePointer { this, Cursor::Default };
    Prop<int> FontSize { this, 0 }; // 0: the window's font
    Prop<bool> FontBold { this, false };
    Prop<bool> FontFixed { this, false }; // a fixed-pitch face, for text set in columns

    void Move(int left, int top, int width, int height);
    void Move(int left, int top);

    // The frame, picture box or tab strip that holds this control; none for the form itself.
    // A control inside a tab strip sits on page TabPage.
    Control* Container() const { return container_; }
    int TabPage() const { return tabPage_; }
    void SetContainer(Control& container, int tabPage = 0);

    // Shown and usable only when it and every container above it are.
    bool EffectivelyVisible() const;
    bool EffectivelyEnabled() const;

    // Moves the focus here; GotFocus is raised when it was elsewhere, as for the user's move.
    void SetFocus();

    // Events the game handles. They are raised by user input (through the peer, or by a test
    // that acts as the user) and by the setters that the toolkit also raises them for.
    std::function<void()> Click;
    std::function<void(MouseButton, int x, int y)> MouseMove;
    std::function<void(MouseButton, int x, int y)> MouseUp;
    std::function<void()> GotFocus;
    // The focus went from here to another control of the window; that control is already
    // the window's active one when this is raised, and its GotFocus follows.
    std::function<void()> LostFocus;

    // A user's click: ignored while the control cannot be reached, as the toolkit would.
    void UserClick();
    void UserMouseMove(MouseButton button, int x, int y);
    // A release over the control, at (x, y) inside it. A right button's release on a control
    // that neither handles MouseUp nor uses that button itself is the form's (Form_MouseUp, at
    // the point on the form).
    void UserMouseUp(MouseButton button, int x, int y);
    bool UsesRightButton() const;
    void UserFocus();

    void AttachPeer(ControlPeer* peer) { peer_ = peer; }
    ControlPeer* Peer() const { return peer_; }

    // A window painted on demand paints what is due before any of its controls is used.
    void Settle() const
    {
        if (gate_ && gate_->paintDue)
            gate_->PaintDue();
    }

protected:
    template <typename T> friend class Prop;

    // Called after any property changed. Kinds that raise an event on a change override it.
    virtual void Changed(const void* which);
    void SyncPeer()
    {
        if (peer_)
            peer_->Sync();
    }
    void Raise(const std::function<void()>& handler);
    // Makes this the window's active control, telling the one that had the focus.
    void TakeFocus();

private:
    Form* form_;
    PaintGate* gate_;
    const char* name_;
    int index_;
    Control* container_ = nullptr;
    int tabPage_ = 0;
    ControlPeer* peer_ = nullptr;
};

template <typename T> void Prop<T>::Notify() { owner_->Changed(this); }
template <typename T> void Prop<T>::Settle() const { owner_->Settle(); }

// The numbers behind a caption made from numbers (Label::CaptionFrom): up to six.
using CaptionNumbers = std::array<int, 6>;

class Label : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::Label; }

    Prop<std::string> Caption { this, std::string {} };
    Prop<Alignment> TextAlign { this, Alignment::Left };
    Prop<bool> Boxed { this, false };
    Prop<bool> WordWrap { this, false };
    // A caption too long for the label ends in "..." and shows whole in the tooltip; one that
    // wraps is cut where its lines would no longer fit the label's height.
    Prop<bool> Elide { this, false };

    // A caption made from numbers, written only when they changed: `numbers` are all that the
    // text depends on, besides names that stay as they are for the life of the window, and
    // `write` makes the text from them. While the numbers are the ones last written and the
    // caption was not set otherwise since, no text is made at all. The same numbers written
    // another way (a stand's "34*" and its final "34") make a new text.
    void CaptionFrom(const CaptionNumbers& numbers, std::string (*write)(const CaptionNumbers&));
    // A caption that is a whole number in plain decimal.
    void Number(int n);

protected:
    void Changed(const void* which) override;

private:
    CaptionNumbers numbers_ {};
    std::string (*writer_)(const CaptionNumbers&) = nullptr;
    bool kept_ = false; // numbers_ and writer_ made the caption shown
};

class CommandButton : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::CommandButton; }

    Prop<std::string> Caption { this, std::string {} };
    Prop<bool> Default { this, false }; // pressed by Enter
    Prop<bool> Cancel { this, false }; // pressed by Escape

    // Enter or Escape pressed this button: it works while the button is enabled, shown or
    // not, so a window can offer Escape without a visible button for it.
    void KeyPress();
};

class Frame : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::Frame; }

    Prop<std::string> Caption { this, std::string {} };
    // A title too long for the frame ends in "..." and shows whole in the tooltip.
    Prop<bool> Elide { this, false };
};

class PictureBox : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::PictureBox; }

    // Name of a picture the renderer knows how to draw ("" for a plain panel).
    Prop<std::string> Picture { this, std::string {} };
    Prop<bool> Boxed { this, false };
};

// A horizontal slider. Setting Value from code raises Change, as a user's move does; a value
// outside Min..Max is brought to the nearer end.
class HScrollBar : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::HScrollBar; }

    Prop<int> Min { this, 0 };
    Prop<int> Max { this, 32767 };
    Prop<int> Value { this, 0 };
    Prop<int> SmallChange { this, 1 };
    Prop<int> LargeChange { this, 1 };

    std::function<void()> Change;

protected:
    void Changed(const void* which) override;
};

// A check box: Value 0 unchecked, 1 checked. Setting Value raises Click.
class CheckBox : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::CheckBox; }

    Prop<std::string> Caption { this, std::string {} };
    Prop<int> Value { this, 0 };

protected:
    void Changed(const void* which) override;
};

class TextBox : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::TextBox; }

    Prop<std::string> Text { this, std::string {} };
    Prop<int> MaxLength { this, 0 }; // 0: no limit
    Prop<bool> Locked { this, false };

    std::function<void()> Change;

protected:
    void Changed(const void* which) override;
};

// The item list shared by list boxes and drop-down lists. Setting ListIndex to an entry from
// code raises Click, as a user's pick does; -1 selects nothing.
class ListControl : public Control {
public:
    using Control::Control;

    Prop<int> ListIndex { this, -1 };

    void AddItem(const std::string& item);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::string& List(int index) const;
    // Replaces the text of one entry; the selection stays where it is.
    void SetList(int index, const std::string& text);
    const std::vector<std::string>& Items() const { return items_; }

    // A character typed while the list has the focus. The handler may set it to 0 to say
    // that it used the key, and the list then does nothing more with it.
    std::function<void(int& KeyAscii)> KeyPress;
    // Returns the key as the handler left it (0: used).
    int UserKeyPress(int KeyAscii);

protected:
    void Changed(const void* which) override;
    virtual void OnPicked() { }

private:
    std::vector<std::string> items_;
    bool quiet_ = false;
};

class ListBox : public ListControl {
public:
    using ListControl::ListControl;
    Kind kind() const override { return Kind::ListBox; }

    // Every row this tall, in pixels (0: as the toolkit likes), so that lists standing side by
    // side as the columns of one table keep their rows level.
    Prop<int> ItemHeight { this, 0 };
};

// A drop-down list. Editable ones take typed text (raising Change); picking an entry puts its
// text in Text and raises Click.
class ComboBox : public ListControl {
public:
    using ListControl::ListControl;
    Kind kind() const override { return Kind::ComboBox; }

    Prop<bool> Editable { this, true };
    Prop<std::string> Text { this, std::string {} };

    std::function<void()> Change;

protected:
    void Changed(const void* which) override;
    void OnPicked() override;

private:
    bool picking_ = false;
};

// An option button. Setting Value to true from code clears the other option buttons of the
// same container and raises Click, as the user's choice does.
class OptionButton : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::OptionButton; }

    Prop<std::string> Caption { this, std::string {} };
    Prop<bool> Value { this, false };

protected:
    void Changed(const void* which) override;
};

// A tabbed dialog control. Controls placed on it name their page; Tab is the page shown.
// Setting Tab raises Click.
class TabStrip : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::TabStrip; }

    Prop<int> Tab { this, 0 };
    std::vector<std::string> TabCaptions;

    // The row of tab headers is this tall; each page is the area below it, and a control
    // placed on a page is positioned relative to the page's top-left corner.
    static constexpr int HeaderHeight = 24;

    int Tabs() const { return static_cast<int>(TabCaptions.size()); }

protected:
    void Changed(const void* which) override;
};

// Thrown when the game addresses an element of a control array that does not exist.
class ControlArrayIndexError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// Identical controls addressed by name and index, as the game addresses lblDesc(0..5). The
// indexes run First..First+N-1; any other index throws ControlArrayIndexError.
template <typename T, int N, int First = 0> class ControlArray {
public:
    ControlArray(Form* form, const char* name)
        : items_(Make(form, name, std::make_integer_sequence<int, N> {}))
    {
    }

    T& operator[](int i) { return items_[Check(i)]; }
    const T& operator[](int i) const { return items_[Check(i)]; }

    static constexpr int LBound() { return First; }
    static constexpr int UBound() { return First + N - 1; }
    static constexpr int Count() { return N; }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }

private:
    template <int... I>
    static std::array<T, N> Make(Form* form, const char* name, std::integer_sequence<int, I...>)
    {
        return { T(form, name, First + I)... };
    }
    static std::size_t Check(int i)
    {
        if (i < First || i >= First + N)
            throw ControlArrayIndexError(
                "Control array element '" + std::to_string(i) + "' doesn't exist");
        return static_cast<std::size_t>(i - First);
    }

    std::array<T, N> items_;
};

} // namespace stumpcraft
