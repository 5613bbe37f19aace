#pragma once

#include "platform/Errors.h"
#include "platform/Form.h"
#include "platform/Services.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace stumpcraft::fakes {

// A message box as the game showed it.
struct ShownMessage {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
    std::string title;
};

// The toolkit without a screen: it records message boxes and answers them as told, runs
// posted work when the game pumps events, and hands modal windows to the test's script.
class FakeToolkit : public Toolkit {
public:
    MsgResult MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
        const std::string& title) override;
    void DoEvents() override;
    ScreenSize Screen() override { return screen; }
    // Time passes only as the game pumps: 10 ms for every pump.
    long long Milliseconds() override { return clock; }
    void EndProgram() override { ++endRequests; }
    void ShowForm(Form& form, bool modal) override;

    // The texts of the boxes shown, in order.
    std::vector<std::string> Texts() const;

    // Work that "arrives" with the next pump, in order.
    void Post(std::function<void()> work) { posted.push_back(std::move(work)); }

    std::vector<ShownMessage> messages;
    std::deque<MsgResult> answers; // consumed first; then OK, or Yes for Yes/No boxes
    std::deque<std::function<void()>> posted;
    // Runs while a modal show is "open"; it typically clicks in the window and unloads it.
    std::function<void(Form&)> onModal;
    std::vector<std::string> shownForms; // type names, in order of showing
    int pumps = 0;
    int endRequests = 0;
    long long clock = 0;
    ScreenSize screen { 1280, 800 };
};

// One request the game made of the commentator.
struct AgentRequest {
    std::string op; // "Show", "Hide", "MoveTo", "Speak", "Play", "StopAll"
    std::string arg;
};

class FakeAgent : public AgentService, public AgentCharacter {
public:
    explicit FakeAgent(FakeToolkit& toolkit)
        : toolkit_(toolkit)
    {
    }

    int Load(const std::string& character, const std::string& file) override;
    AgentCharacter* Character(const std::string& character) override;

    void Show() override;
    void Hide() override;
    void MoveTo(int x, int y) override;
    void Speak(const std::string& text) override;
    void Play(const std::string& animation) override;
    void StopAll() override;

    // Requests of one kind, in order.
    std::vector<std::string> Of(const std::string& op) const;
    // Every request as "op arg", in order, but those of the kind left out.
    std::vector<std::string> Lines(const std::string& leftOut = "") const;

    std::vector<AgentRequest> requests;
    // The lines the player heard to the end: a line is heard at the pump after it was
    // queued, unless a stop-all came first. A mute character hears nothing and reports no
    // bookmarks (its voice engine has died).
    std::vector<std::string> heard;
    bool mute = false;
    long loadError = 0; // thrown by Load when not 0
    int loadStatus = 0;
    bool loaded = false;

private:
    FakeToolkit& toolkit_;
    int generation_ = 0; // bumped by StopAll: bookmarks queued before it are dropped
};

class FakeShell : public Shell {
public:
    void OpenDocument(const Form* owner, const std::string& path, const std::string& workingFolder,
        std::function<void()> failed) override;
    std::vector<std::string> opened;
    bool fails = false; // a desktop with no viewer for the document
};

// Installs the fakes, starts a fresh match state, destroys every form and points the
// program's folder at a new empty folder, for the life of one test.
class FakePlatform {
public:
    FakePlatform();
    ~FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }

    FakeToolkit toolkit;
    FakeAgent agent { toolkit };
    FakeShell shell;

private:
    static void ResetGame();
    std::filesystem::path folder_;
};

// Runs action, which must throw RuntimeError, and returns the error.
template <typename F> RuntimeError ErrorOf(F action)
{
    try {
        action();
    } catch (const RuntimeError& e) {
        return e;
    }
    ADD_FAILURE() << "no RuntimeError was thrown";
    return RuntimeError(0, "");
}

// The bytes of a file (none when it cannot be read), as a string or a vector of bytes.
template <typename Bytes = std::string> Bytes FileBytes(const std::filesystem::path& path)
{
    std::ostringstream read;
    read << std::ifstream(path, std::ios::binary).rdbuf();
    const std::string bytes = read.str();
    return Bytes(bytes.begin(), bytes.end());
}

// Makes the file hold exactly these bytes.
template <typename Bytes> void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
}

} // namespace stumpcraft::fakes
