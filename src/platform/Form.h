#pragma once

#include "platform/Controls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace stumpcraft {

// Why a window is being closed, as the form's QueryUnload is told.
enum class UnloadMode {
    FormControlMenu = 0, // the user: close box or system menu
    FormCode = 1, // the program's own Unload
    AppWindows = 2, // the session is ending
};

// The keys held with a key press, added up as the game's toolkit counts them.
enum KeyShift : int { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

// The live window that mirrors a form; created by the toolkit when the form is first shown.
class FormPeer {
public:
    virtual ~FormPeer() = default;
    virtual void Sync() = 0; // caption, size or visibility changed
    virtual void Close() = 0; // the form was unloaded: the window goes
};

// The base of every window model: caption, inner size, the controls it holds (in creation
// order, which is also their drawing order) and the lifecycle the game uses. Derived forms
// declare their controls as members, lay them out in their constructor and override the
// Form_ events they handle.
class Form : public PaintGate {
public:
    explicit Form(std::string typeName);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    const std::string& TypeName() const { return typeName_; }

    std::string Caption;
    int Left = 0, Top = 0;
    int Width = 0, Height = 0; // inner area in pixels
    bool BorderFixed = true;
    // The window makes the widgets of controls in hidden containers only once those are shown:
    // a window that opens with most of its controls hidden opens sooner.
    bool WidgetsWhenShown = false;

    bool Visible() const { return visible_; }
    bool IsLoaded() const { return loaded_; }
    bool IsModal() const { return modal_; }
    bool WasUnloaded() const { return unloaded_; }

    // Runs Form_Load once; every later call does nothing until the form is unloaded.
    void Load();
    // Loads if needed and shows the window. A modal show returns once the window is hidden or
    // unloaded (headless: as soon as the toolkit's fake has run the test's script for it).
    void Show(bool modal = false);
    void Hide();
    // The program's own Unload. QueryUnload may not cancel it.
    void Unload();
    // A close request from the user or the session: QueryUnload may cancel it.
    void RequestClose(UnloadMode mode);
    // Tells the peer that caption, size or position changed.
    void SyncPeer();

    const std::vector<Control*>& Controls() const { return controls_; }
    Control* FindControl(const std::string& name, int index = -1) const;
    Control* ActiveControl() const { return activeControl_; }

    void AttachPeer(std::unique_ptr<FormPeer> peer);
    FormPeer* Peer() const { return peer_.get(); }

    // The window's look no longer shows the game's state. A window that the toolkit shows is
    // painted at once; one that nobody shows is painted only when one of its controls is next
    // read or written (headless, a whole match may go by without a single caption made),
    // apart from what it paints at once.
    // Inline: every ball asks for one.
    void Repaint()
    {
        if (!loaded_)
            return; // unloaded: its window is gone, and a fresh load paints afresh
        PaintAtOnce();
        paintDue = true;
        if (peer_ && !painting_)
            PaintDue();
    }
    // Paints what is due; the controls call it for themselves.
    void PaintDue() override;

    // The form-level mouse release (on the window's own surface, not on a control).
    void UserMouseUp(MouseButton button, int x, int y);
    // A key pressed in the window that its focused control did not want. KeyCode is the key's
    // upper-case character for a letter or digit; Shift adds up the KeyShift masks held.
    void UserKeyDown(int KeyCode, int Shift);

protected:
    virtual void Form_Load() { }
    virtual void Form_QueryUnload(bool& cancel, UnloadMode mode)
    {
        (void)cancel;
        (void)mode;
    }
    virtual void Form_Unload() { }
    virtual void Form_MouseUp(MouseButton button, int x, int y)
    {
        (void)button;
        (void)x;
        (void)y;
    }
    virtual void Form_KeyDown(int KeyCode, int Shift)
    {
        (void)KeyCode;
        (void)Shift;
    }
    // Writes the controls from the game's state: the window painted on demand overrides it.
    virtual void Paint() { }
    // What such a window paints at every Repaint, seen or not, with Prop::SetNow: the few
    // states a click's reachability reads (a button shown and enabled). No text.
    virtual void PaintAtOnce() { }

private:
    friend class Control;
    void Register(Control* control) { controls_.push_back(control); }
    void SetActive(Control* control) { activeControl_ = control; }
    void DoUnload();

    std::string typeName_;
    std::vector<Control*> controls_;
    Control* activeControl_ = nullptr;
    std::unique_ptr<FormPeer> peer_;
    bool loaded_ = false;
    bool visible_ = false;
    bool modal_ = false;
    bool unloaded_ = false;
    bool painting_ = false;
};

// Scope of one event raised into the game. The outermost scope's end is the moment when no
// game code is on the stack any more, so unloaded forms can be destroyed safely then.
class EventScope {
public:
    EventScope();
    ~EventScope();
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;
};

// The loaded instances behind the global accessors frmMain(), frmMenu(), ...
namespace forms {

    // Destroys every form instance (tests start each case with none).
    void ResetAll();
    // Destroys the instances that were unloaded, if no game code is running.
    void CollectUnloaded();

    void RegisterSlot(std::function<void()> reset);
    void Retire(std::unique_ptr<Form> form);

    // The slot that holds the one instance of form type T.
    template <typename T> std::unique_ptr<T>& Slot()
    {
        static std::unique_ptr<T> slot;
        static const bool registered = (RegisterSlot([] {
            if (slot)
                Retire(std::move(slot));
        }),
            true);
        (void)registered;
        return slot;
    }

    // The one instance of form type T: created and loaded on first use, and created afresh
    // after it was unloaded, as the game expects of frmMain().
    template <typename T> T& Instance()
    {
        std::unique_ptr<T>& slot = Slot<T>();
        if (slot && slot->IsLoaded())
            return *slot; // the common case: asked for again and again while it is open
        if (slot && slot->WasUnloaded())
            Retire(std::move(slot));
        if (!slot)
            slot = std::make_unique<T>();
        slot->Load();
        return *slot;
    }

    // The instance of form type T if it is loaded now, without loading one.
    template <typename T> T* IfLoaded()
    {
        std::unique_ptr<T>& slot = Slot<T>();
        return slot && slot->IsLoaded() ? slot.get() : nullptr;
    }

} // namespace forms

} // namespace stumpcraft
