#include "platform/Form.h"

#include "platform/Services.h"

#include <algorithm>

namespace stumpcraft {

Form::Form(std::string typeName)
    : typeName_(std::move(typeName))
{
}

Form::~Form()
{
    // Controls are members of the derived form and are already gone; the peers must not
    // reach them any more.
    if (peer_)
        peer_->Close();
}

void Form::Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    unloaded_ = false;
    EventScope scope;
    Form_Load();
}

void Form::Show(bool modal)
{
    Load();
    if (unloaded_)
        return; // Form_Load unloaded it again
    visible_ = true;
    modal_ = modal;
    if (Toolkit* toolkit = Platform().toolkit)
        toolkit->ShowForm(*this, modal);
    else
        SyncPeer();
}

void Form::PaintDue()
{
    if (painting_)
        return;
    struct Painting {
        bool& flag;
        ~Painting() { flag = false; }
    } painting { painting_ = true };
    // A paint may make a control raise an event that finds more to paint: paint until none is.
    for (int round = 0; paintDue && round < 4; ++round) {
        paintDue = false;
        Paint();
    }
    paintDue = false;
}

void Form::Hide()
{
    visible_ = false;
    modal_ = false;
    SyncPeer();
}

void Form::Unload()
{
    if (!loaded_)
        return;
    EventScope scope;
    bool cancel = false;
    Form_QueryUnload(cancel, UnloadMode::FormCode);
    DoUnload();
}

void Form::RequestClose(UnloadMode mode)
{
    if (!loaded_)
        return;
    EventScope scope;
    bool cancel = false;
    Form_QueryUnload(cancel, mode);
    if (!cancel && loaded_)
        DoUnload();
}

void Form::DoUnload()
{
    if (!loaded_)
        return;
    Form_Unload();
    loaded_ = false;
    unloaded_ = true;
    visible_ = false;
    modal_ = false;
    if (peer_) {
        peer_->Close();
        peer_.reset();
    }
    for (Control* c : controls_)
        c->AttachPeer(nullptr);
}

void Form::SyncPeer()
{
    if (peer_)
        peer_->Sync();
}

Control* Form::FindControl(const std::string& name, int index) const
{
    auto it = std::find_if(controls_.begin(), controls_.end(),
        [&](const Control* c) { return c->Name() == name && c->Index() == index; });
    return it == controls_.end() ? nullptr : *it;
}

void Form::AttachPeer(std::unique_ptr<FormPeer> peer) { peer_ = std::move(peer); }

void Form::UserMouseUp(MouseButton button, int x, int y)
{
    EventScope scope;
    Form_MouseUp(button, x, y);
}

void Form::UserKeyDown(int KeyCode, int Shift)
{
    if (!loaded_)
        return;
    EventScope scope;
    Form_KeyDown(KeyCode, Shift);
}

namespace {
    int depth = 0;
    std::vector<std::function<void()>>& Slots()
    {
        static std::vector<std::function<void()>> slots;
        return slots;
    }
    std::vector<std::unique_ptr<Form>>& Graveyard()
    {
        static std::vector<std::unique_ptr<Form>> retired;
        return retired;
    }
} // namespace

EventScope::EventScope() { ++depth; }

EventScope::~EventScope()
{
    if (--depth == 0)
        forms::CollectUnloaded();
}

namespace forms {

    void RegisterSlot(std::function<void()> reset) { Slots().push_back(std::move(reset)); }

    void Retire(std::unique_ptr<Form> form)
    {
        if (form)
            Graveyard().push_back(std::move(form));
    }

    void CollectUnloaded()
    {
        if (depth != 0)
            return;
        // Destroying a form may retire nothing new, but move the list out first all the same.
        auto retired = std::move(Graveyard());
        Graveyard().clear();
        retired.clear();
    }

    void ResetAll()
    {
        for (auto& reset : Slots())
            reset();
        CollectUnloaded();
    }

} // namespace forms

} // namespace stumpcraft
