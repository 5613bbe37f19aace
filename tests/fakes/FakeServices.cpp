#include "fakes/FakeServices.h"

#include "forms/WorldCupPlay.h"
#include "forms/frmStart.h"
#include "modules/KeepMatch.h"
#include "modules/MatchResult.h"
#include "modules/RecordsStore.h"
#include "modules/modAgent.h"
#include "modules/modRecords.h"
#include "modules/modVars.h"
#include "platform/AppPath.h"

#include <atomic>
#include <unistd.h>

namespace stumpcraft::fakes {

MsgResult FakeToolkit::MessageBox(
    const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title)
{
    messages.push_back({ text, buttons, icon, title });
    if (!answers.empty()) {
        MsgResult r = answers.front();
        answers.pop_front();
        return r;
    }
    if (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel)
        return MsgResult::Yes;
    return buttons == MsgButtons::RetryCancel ? MsgResult::Cancel : MsgResult::OK;
}

void FakeToolkit::DoEvents()
{
    ++pumps;
    clock += 10;
    // Only what was waiting when the pump began; work posted meanwhile waits for the next.
    auto batch = std::move(posted);
    posted.clear();
    for (auto& work : batch)
        work();
}

void FakeToolkit::ShowForm(Form& form, bool modal)
{
    shownForms.push_back(form.TypeName());
    if (modal && onModal) {
        EventScope scope;
        onModal(form);
    }
}

int FakeAgent::Load(const std::string&, const std::string&)
{
    if (loadError != 0)
        throw RuntimeError(loadError, "The character could not be loaded");
    loaded = loadStatus == 0;
    return loadStatus;
}

AgentCharacter* FakeAgent::Character(const std::string& character)
{
    return loaded && character == "Merlin" ? this : nullptr;
}

// The character's shown or hidden event arrives with the next pump, not inside the call.
void FakeAgent::Show()
{
    requests.push_back({ "Show", "" });
    toolkit_.Post([this] { Shown ? Shown("Merlin", 0) : void(); });
}

void FakeAgent::Hide()
{
    requests.push_back({ "Hide", "" });
    toolkit_.Post([this] { Hidden ? Hidden("Merlin", 0) : void(); });
}

void FakeAgent::MoveTo(int x, int y)
{
    requests.push_back({ "MoveTo", std::to_string(x) + "," + std::to_string(y) });
}

void FakeAgent::Speak(const std::string& text)
{
    requests.push_back({ "Speak", text });
    if (mute)
        return;
    const int said = generation_;
    const std::string tag = "\\Mrk=";
    if (text.rfind(tag, 0) != 0)
        toolkit_.Post([this, text, said] {
            if (said == generation_)
                heard.push_back(text);
        });
    // Report each bookmark tag, in order, unless a stop-all comes first.
    for (auto at = text.find(tag); at != std::string::npos; at = text.find(tag, at + 1)) {
        const auto end = text.find('\\', at + tag.size());
        if (end == std::string::npos)
            break;
        const long mark = std::stol(text.substr(at + tag.size(), end - at - tag.size()));
        const int generation = generation_;
        toolkit_.Post([this, mark, generation] {
            if (generation == generation_ && Bookmark)
                Bookmark(mark);
        });
    }
}

void FakeAgent::Play(const std::string& animation) { requests.push_back({ "Play", animation }); }

void FakeAgent::StopAll()
{
    requests.push_back({ "StopAll", "" });
    ++generation_;
}

std::vector<std::string> FakeAgent::Lines(const std::string& leftOut) const
{
    std::vector<std::string> out;
    for (const auto& r : requests)
        if (r.op != leftOut)
            out.push_back(r.op + (r.arg.empty() ? "" : " " + r.arg));
    return out;
}

std::vector<std::string> FakeToolkit::Texts() const
{
    std::vector<std::string> out;
    for (const auto& m : messages)
        out.push_back(m.text);
    return out;
}

std::vector<std::string> FakeAgent::Of(const std::string& op) const
{
    std::vector<std::string> out;
    for (const auto& r : requests)
        if (r.op == op)
            out.push_back(r.arg);
    return out;
}

void FakeShell::OpenDocument(
    const Form*, const std::string& path, const std::string&, std::function<void()> failed)
{
    opened.push_back(path);
    if (fails)
        failed();
}

// No form, a fresh match state and no store open (an earlier test's store is of its folder).
void FakePlatform::ResetGame()
{
    forms::ResetAll();
    State = MatchState {};
    ForgetCommentatorRun();
    cnRecords.reset();
    // The kept match's file is let go, and nothing is kept unless a test asks.
    keeper::CloseArchive();
    KeepMatchesInPlay = false;
    // A World Cup and what it asked of the match screen end with the test.
    ThisWorldCup.reset();
    OnMatchDecided = nullptr;
    ShowResultCountsGame = true;
}

FakePlatform::FakePlatform()
{
    static std::atomic<int> counter { 0 };
    folder_ = std::filesystem::temp_directory_path()
        / ("stumpcraft-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    SetAppPath(folder_.string());
    ResetGame();
    // What the team sheet keeps for a whole run starts afresh with each test.
    FrmStart::FillCount = 0;
    FrmStart::MissingWarned = false;
    FrmStart::ReturningFromEditor = false;
    FrmStart::KeptChoices.reset();
    Platform() = Services { &toolkit, &agent, &shell };
}

FakePlatform::~FakePlatform()
{
    ResetGame();
    Platform() = Services {};
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

} // namespace stumpcraft::fakes
