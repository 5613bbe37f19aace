#pragma once

#include <functional>
#include <string>

namespace stumpcraft {

class Form;

inline constexpr const char* kAppTitle = "Stumpcraft";

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgResult { OK, Cancel, Yes, No, Retry };

struct ScreenSize {
    int width = 0, height = 0;
};

// The windowing toolkit as the game uses it.
class Toolkit {
public:
    virtual ~Toolkit() = default;
    virtual MsgResult MessageBox(
        const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title)
        = 0;
    // Runs the events that are waiting, then returns. A caller that loops on it waits for
    // something to happen without spinning a core.
    virtual void DoEvents() = 0;
    // Lets events run for about the given time, then returns: a pause the player can see that
    // leaves the windows responsive. A toolkit without a screen need not wait at all.
    virtual void Pause(int milliseconds)
    {
        (void)milliseconds;
        DoEvents();
    }
    virtual ScreenSize Screen() = 0;
    // A clock for the game's waits, in milliseconds from any fixed moment.
    virtual long long Milliseconds();
    // Ends the program once the current event has been handled.
    virtual void EndProgram() = 0;
    // Gives the form a window (on first show) and shows it; a modal show returns once the form
    // is hidden or unloaded.
    virtual void ShowForm(Form& form, bool modal) = 0;
    // Runs `then` once the form's window has first been drawn on the screen: work that the first
    // sight of the window does not need waits until it is there. A toolkit without a screen
    // runs it at once; nothing runs if the form is unloaded first.
    virtual void WhenDrawn(Form& form, std::function<void()> then)
    {
        (void)form;
        then();
    }
};

// The commentator's character, as the game drives it.
class AgentCharacter {
public:
    virtual ~AgentCharacter() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void MoveTo(int x, int y) = 0;
    // Queued behind earlier requests. "|" separates alternatives, of which one is spoken;
    // a tag "\Mrk=n\" reports bookmark n when the speech reaches it.
    virtual void Speak(const std::string& text) = 0;
    // Queued; names are matched without regard to letter case.
    virtual void Play(const std::string& animation) = 0;
    // Drops every queued or running request; a dropped request reports no bookmark.
    virtual void StopAll() = 0;
};

// The agent service that hosts the commentator. Its events arrive on the game's thread,
// between other events, through the handlers below.
class AgentService {
public:
    virtual ~AgentService() = default;
    // Loads a character from a character file in the program's folder. Returns the request's
    // status (0 when loaded); throws RuntimeError on failure, with number -2147024894 when the
    // file does not exist.
    virtual int Load(const std::string& character, const std::string& file) = 0;
    // The loaded character, or nullptr when none of that name is loaded.
    virtual AgentCharacter* Character(const std::string& character) = 0;

    std::function<void(const std::string& character, int cause)> Shown;
    std::function<void(const std::string& character, int cause)> Hidden;
    std::function<void(long bookmark)> Bookmark;
};

inline constexpr long kAgentFileMissing = -2147024894; // 0x80070002

// The desktop shell's "open" of a document. When the desktop cannot show it (no viewer, or
// one that will not start) `failed` runs, on the game's thread, now or later.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void OpenDocument(const Form* owner, const std::string& path,
        const std::string& workingFolder, std::function<void()> failed)
        = 0;
};

// The services in force: the live ones in the program, fakes in the tests.
struct Services {
    Toolkit* toolkit = nullptr;
    AgentService* agent = nullptr;
    Shell* shell = nullptr;
};

Services& Platform();

// A message box with the game's conventions: OK only, no icon and the default title unless
// told otherwise. Without a toolkit (a benchmark, say) it answers OK at once.
MsgResult MsgBox(const std::string& text, MsgButtons buttons = MsgButtons::OK,
    MsgIcon icon = MsgIcon::None, const std::string& title = kAppTitle);
void DoEvents();
void Pause(int milliseconds);
// The toolkit's WhenDrawn; at once without a toolkit.
void WhenDrawn(Form& form, std::function<void()> then);
// The toolkit's clock (the system's steady clock without a toolkit).
long long Milliseconds();

} // namespace stumpcraft
