#pragma once

#include "platform/Services.h"
#include "qt/AgentBalloon.h"
#include "qt/AgentQueue.h"
#include "qt/AgentVoice.h"
#include "qt/AgentWindow.h"
#include "qt/MerlinFile.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

namespace stumpcraft::qt {

// Who made the character appear or disappear, as its shown and hidden events tell it.
enum AgentCause : int { kCauseProgram = 0, kCauseUser = 1 };

// How the live commentator behaves; the defaults are the game's, tests shorten and silence it.
struct AgentOptions {
    double timeScale = 1.0; // multiplies every animation, trip and speech duration
    bool voice = true; // speak aloud where the machine has a speech engine
    bool trayIcon = true; // offer "Show commentator" in the desktop's tray, where it has one
};

// A loaded character as the game drives it: its window, balloon, voice and request queue.
// Shows and requests go through the queue; a hide takes effect at once. It tells its owner
// when it appears or disappears, and of each bookmark its speech reaches.
class QtAgentCharacter : public QObject, public AgentCharacter, private AgentStage {
public:
    struct Events {
        std::function<void(bool shown, int cause)> visibility;
        std::function<void(long mark)> bookmark;
    };

    QtAgentCharacter(MerlinCharacter character, const AgentOptions& options, Events events);
    ~QtAgentCharacter() override;

    void Show() override;
    void Hide() override;
    void MoveTo(int x, int y) override;
    void Speak(const std::string& text) override;
    void Play(const std::string& animation) override;
    void StopAll() override;

    // The same, at the user's request (the tray, the game's own menus).
    void ShowByUser();
    void HideByUser();
    // Leaves the desktop without a word: everything stopped, hidden, no more events.
    void Retire();

    const MerlinCharacter& Definition() const { return character_; }
    AgentWindow& Window() { return *window_; }
    AgentBalloon& SpeechBalloon() { return *balloon_; }
    AgentQueue& Queue() { return queue_; }
    bool Visible() const { return window_->isVisible(); }

private:
    void Conceal(int cause);

    // AgentStage
    bool OnScreen() const override;
    int Appear(int cause) override;
    int Glide(QPoint to) override;
    int Animate(const QString& name) override;
    void Rest() override;
    void Balloon(const QString& shown, const QString& whole) override;
    bool Voice(const QString& line, std::function<void()> done) override;
    void Silence() override;

    MerlinCharacter character_;
    Events events_;
    std::unique_ptr<AgentWindow> window_;
    std::unique_ptr<AgentBalloon> balloon_;
    AgentVoice voice_;
    AgentQueue queue_;
    // A show (and the move that goes with it) asked for and not yet carried out.
    bool showPending_ = false;
    std::optional<QPoint> movePending_;
};

} // namespace stumpcraft::qt
