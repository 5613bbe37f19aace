#pragma once

#include "qt/SpeechEngine.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

namespace stumpcraft::qt {

// The commentator's voice, where the machine has a text-to-speech engine. Without one, or
// once the engine has failed (no sound device, say), it quietly says nothing and the balloon
// carries the line alone: nothing waits for it and nothing is reported to the user.
//
// The engine and its voices weigh more than the rest of the main menu together, so it is
// only offered at first ("Speak aloud" on the character's menu) and started when the player
// turns it on; Qt's speech library itself is in the voice add-on, opened when a menu first
// asks whether the voice may be offered. Once on, it stays on for the rest of the run, through
// every reload of the character.
class AgentVoice : public QObject {
public:
    // offered false keeps it silent for good (tests, or a machine without an engine).
    explicit AgentVoice(bool offered, QObject* parent = nullptr);
    ~AgentVoice() override;

    // Whether the player may turn the voice on: an engine is listed and has not failed. The
    // first question reads the engines' descriptions, so it waits until a menu asks.
    bool Offered() const;
    // Whether the engine has been started, and whether it speaks.
    bool Started() const { return started_; }
    bool Available() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

    // Starts saying text; done runs once when the voice has finished, failed or run out of
    // time. Returns false, and never calls done, when there is no voice to speak with.
    bool Say(const QString& text, std::function<void()> done);
    // Stops at once; done is not called.
    void Stop();

    // Told once the engine has been started, so that a menu may show how it stands.
    std::function<void()> started;

private:
    void Start();
    void Done();

    bool offered_ = false;
    bool started_ = false;
    bool enabled_ = false;
    bool broken_ = false;
    std::function<void()> done_;
    QTimer limit_; // a voice that never reports back is given up on
    void Changed(SpeechEngine::State state);
    SpeechEngine* engine_ = nullptr; // shared by every voice of the run
    bool speaking_ = false;
};

} // namespace stumpcraft::qt
