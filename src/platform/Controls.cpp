#include "platform/Controls.h"

#include "platform/Form.h"

#include <algorithm>

namespace stumpcraft {

Control::Control(Form* form, const char* name, int index)
    : form_(form)
    , gate_(form)
    , name_(name)
    , index_(index)
{
    form_->Register(this);
}

// The four edges are set together and the control is told once: a window lays out hundreds.
void Control::Move(int left, int top, int width, int height)
{
    Settle();
    const bool moved = Left.SetUntold(left) | Top.SetUntold(top);
    if (moved | Width.SetUntold(width) | Height.SetUntold(height))
        Changed(&Left);
}

void Control::Move(int left, int top)
{
    Settle();
    if (Left.SetUntold(left) | Top.SetUntold(top))
        Changed(&Left);
}

void Control::SetContainer(Control& container, int tabPage)
{
    container_ = &container;
    tabPage_ = tabPage;
    SyncPeer();
}

bool Control::EffectivelyVisible() const
{
    for (const Control* c = this; c; c = c->container_) {
        if (!c->Visible.Peek())
            return false;
        if (c->container_ && c->container_->kind() == Kind::TabStrip) {
            const auto& strip = static_cast<const TabStrip&>(*c->container_);
            if (strip.Tab.Peek() != c->tabPage_)
                return false;
        }
    }
    return true;
}

bool Control::EffectivelyEnabled() const
{
    for (const Control* c = this; c; c = c->container_)
        if (!c->Enabled.Peek())
            return false;
    return true;
}

void Control::TakeFocus()
{
    Control* const was = form_->ActiveControl();
    form_->SetActive(this);
    if (was && was != this)
        was->Raise(was->LostFocus);
}

void Control::SetFocus()
{
    const bool arriving = form_->ActiveControl() != this;
    TakeFocus();
    if (peer_)
        peer_->Focus();
    // The focus arriving from code is announced as a user's would be; the live widget's own
    // focus event that follows finds the control already active and says nothing more.
    if (arriving)
        Raise(GotFocus);
}

void Control::Raise(const std::function<void()>& handler)
{
    if (!handler)
        return;
    EventScope scope;
    handler();
}

void Control::UserClick()
{
    if (!EffectivelyVisible() || !EffectivelyEnabled())
        return;
    // A click on an option button chooses it, and on a check box turns it over; their setters
    // raise Click as the toolkit does.
    if (kind() == Kind::OptionButton) {
        static_cast<OptionButton*>(this)->Value = true;
        return;
    }
    if (kind() == Kind::CheckBox) {
        auto& box = *static_cast<CheckBox*>(this);
        box.Value = box.Value == 1 ? 0 : 1;
        return;
    }
    Raise(Click);
}

void CommandButton::KeyPress()
{
    if (EffectivelyEnabled())
        Raise(Click);
}

void Control::UserMouseMove(MouseButton button, int x, int y)
{
    if (MouseMove && EffectivelyEnabled())
        Raise([&] { MouseMove(button, x, y); });
}

void Control::UserMouseUp(MouseButton button, int x, int y)
{
    if (MouseUp) {
        if (EffectivelyEnabled())
            Raise([&] { MouseUp(button, x, y); });
        return;
    }
    // A right click on a control that has no use for it is a right click on the window: the
    // match screen turns its tab for one anywhere on its pages.
    if (button != MouseButton::Right || UsesRightButton())
        return;
    for (const Control* c = this; c; c = c->container_) {
        x += c->Left;
        y += c->Top;
        if (c->container_ && c->container_->kind() == Kind::TabStrip)
            y += TabStrip::HeaderHeight;
    }
    form_->UserMouseUp(button, x, y);
}

// Text boxes offer their edit menu on the right button, and lists choose a row with it.
bool Control::UsesRightButton() const
{
    return kind() == Kind::TextBox || kind() == Kind::ComboBox || kind() == Kind::ListBox;
}

void Control::UserFocus()
{
    if (form_->ActiveControl() == this)
        return;
    TakeFocus();
    Raise(GotFocus);
}

void Control::Changed(const void*) { SyncPeer(); }

void Label::Changed(const void* which)
{
    if (which == &Caption)
        kept_ = false; // written some other way: the next CaptionFrom writes again
    SyncPeer();
}

namespace {
    // Spelt out: std::array's own comparison calls memcmp, which costs more than the six
    // comparisons of a ball's captions.
    bool Same(const CaptionNumbers& a, const CaptionNumbers& b)
    {
        return a[0] == b[0] && a[1] == b[1] && a[2] == b[2] && a[3] == b[3] && a[4] == b[4]
            && a[5] == b[5];
    }
} // namespace

void Label::CaptionFrom(const CaptionNumbers& numbers, std::string (*write)(const CaptionNumbers&))
{
    Settle();
    if (kept_ && write == writer_ && Same(numbers_, numbers))
        return;
    // New numbers make a new text (nearly always): no need to compare it with the old.
    Caption.Replace(write(numbers));
    numbers_ = numbers;
    writer_ = write;
    kept_ = true;
}

void Label::Number(int n)
{
    CaptionFrom({ n }, [](const CaptionNumbers& numbers) { return std::to_string(numbers[0]); });
}

void HScrollBar::Changed(const void* which)
{
    if (which == &Value || which == &Min || which == &Max) {
        const int clamped
            = std::clamp<int>(Value, std::min<int>(Min, Max), std::max<int>(Min, Max));
        if (clamped != Value) {
            Value = clamped; // raises Change itself
            return;
        }
    }
    SyncPeer();
    if (which == &Value)
        Raise(Change);
}

void CheckBox::Changed(const void* which)
{
    SyncPeer();
    if (which == &Value)
        Raise(Click);
}

void TextBox::Changed(const void* which)
{
    SyncPeer();
    if (which == &Text)
        Raise(Change);
}

void ListControl::AddItem(const std::string& item)
{
    items_.push_back(item);
    SyncPeer();
}

void ListControl::RemoveItem(int index)
{
    if (index < 0 || index >= ListCount())
        throw std::out_of_range("Invalid list index " + std::to_string(index));
    items_.erase(items_.begin() + index);
    // The selection follows its entry, quietly; removing the selected entry selects nothing.
    quiet_ = true;
    if (ListIndex == index)
        ListIndex = -1;
    else if (ListIndex > index)
        ListIndex = ListIndex - 1;
    quiet_ = false;
    SyncPeer();
}

void ListControl::Clear()
{
    items_.clear();
    ListIndex = -1;
    SyncPeer();
}

void ListControl::SetList(int index, const std::string& text)
{
    if (index < 0 || index >= ListCount())
        throw std::out_of_range("Invalid list index " + std::to_string(index));
    items_[static_cast<std::size_t>(index)] = text;
    SyncPeer();
}

int ListControl::UserKeyPress(int KeyAscii)
{
    if (KeyPress && EffectivelyEnabled())
        Raise([&] { KeyPress(KeyAscii); });
    return KeyAscii;
}

const std::string& ListControl::List(int index) const
{
    if (index < 0 || index >= ListCount())
        throw std::out_of_range("Invalid list index " + std::to_string(index));
    return items_[static_cast<std::size_t>(index)];
}

void ListControl::Changed(const void* which)
{
    if (which == &ListIndex && (ListIndex < -1 || ListIndex >= ListCount())) {
        ListIndex = -1;
        return;
    }
    if (which == &ListIndex && ListIndex >= 0 && !quiet_) {
        OnPicked();
        SyncPeer();
        Raise(Click);
        return;
    }
    SyncPeer();
}

void ComboBox::OnPicked()
{
    // A pick sets the text without the Change that typing raises.
    picking_ = true;
    Text = List(ListIndex);
    picking_ = false;
}

void ComboBox::Changed(const void* which)
{
    if (which == &Text) {
        SyncPeer();
        // Typed text that is not the picked entry leaves the selection.
        if (picking_)
            return;
        if (ListIndex >= 0 && List(ListIndex) != Text())
            ListIndex = -1;
        Raise(Change);
        return;
    }
    ListControl::Changed(which);
}

void OptionButton::Changed(const void* which)
{
    SyncPeer();
    if (which != &Value || !Value)
        return;
    for (Control* other : Parent().Controls()) {
        if (other != this && other->kind() == Kind::OptionButton
            && other->Container() == Container())
            static_cast<OptionButton*>(other)->Value = false;
    }
    Raise(Click);
}

void TabStrip::Changed(const void* which)
{
    if (which == &Tab && (Tab < 0 || Tab >= std::max(1, Tabs()))) {
        Tab = 0;
        return;
    }
    SyncPeer();
    if (which == &Tab)
        Raise(Click);
}

} // namespace stumpcraft
