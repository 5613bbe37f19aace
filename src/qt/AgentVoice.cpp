#include "qt/AgentVoice.h"

#include "qt/Addons.h"
#include "qt/SpeechEngine.h"

#include <QCoreApplication>
#include <QPointer>
#include <utility>

namespace stumpcraft::qt {

namespace {
    // Whether this machine lists an engine at all: read from the plugins' descriptions, so
    // asking loads none of them. No voice add-on, no engine.
    bool EngineListed()
    {
        static const bool listed = [] {
            const auto listedHere
                = reinterpret_cast<SpeechListed>(AddonFunction(kVoiceAddon, kSpeechListed));
            return listedHere && listedHere();
        }();
        return listed;
    }

    // One engine for the whole run. The character is loaded afresh after every match, and
    // some engines (flite among them) keep global state that a second engine running beside
    // one being torn down corrupts, so every voice borrows this one.
    // Null where the machine has no engine.
    SpeechEngine* SharedEngine()
    {
        static QPointer<QObject> alive;
        static SpeechEngine* engine = nullptr;
        if (!alive && EngineListed()) {
            const auto make
                = reinterpret_cast<MakeSpeechEngine>(AddonFunction(kVoiceAddon, kMakeSpeechEngine));
            engine = make ? make(QCoreApplication::instance()) : nullptr;
            alive = engine ? engine->Object() : nullptr;
        }
        return alive ? engine : nullptr;
    }

    // The player turned the voice on during this run.
    bool& ChosenThisRun()
    {
        static bool chosen = false;
        return chosen;
    }
} // namespace

AgentVoice::AgentVoice(bool offered, QObject* parent)
    : QObject(parent)
    , offered_(offered)
{
    limit_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this, [this] {
        Stop();
        broken_ = true;
        Done();
    });
    if (offered_ && ChosenThisRun())
        SetEnabled(true);
}

bool AgentVoice::Offered() const { return offered_ && !broken_ && EngineListed(); }

void AgentVoice::Start()
{
    started_ = true;
    engine_ = SharedEngine();
    if (!engine_ || engine_->Now() == SpeechEngine::State::Error) {
        broken_ = engine_ != nullptr;
        enabled_ = false;
    } else {
        engine_->Follow(this, [this](SpeechEngine::State state) { Changed(state); });
    }
    if (started)
        started();
}

AgentVoice::~AgentVoice()
{
    // The engine outlives this voice: a line it is saying for us stops with us.
    Stop();
}

bool AgentVoice::Available() const { return engine_ && !broken_; }

void AgentVoice::SetEnabled(bool on)
{
    if (!on)
        Stop();
    if (offered_)
        ChosenThisRun() = on;
    // On while the engine starts, so that the menu it tells shows the voice on; off again
    // when it turns out broken.
    enabled_ = on;
    if (on && offered_ && !started_)
        Start();
    enabled_ = on && Available();
}

bool AgentVoice::Say(const QString& text, std::function<void()> done)
{
    Stop();
    if (!enabled_ || !Available() || text.trimmed().isEmpty())
        return false;
    done_ = std::move(done);
    speaking_ = false;
    // Generous: about twice the time an engine needs for the line.
    limit_.start(4000 + 150 * static_cast<int>(text.size()));
    engine_->Say(text);
    return true;
}

void AgentVoice::Stop()
{
    limit_.stop();
    done_ = nullptr;
    if (engine_ && speaking_)
        engine_->Stop();
    speaking_ = false;
}

void AgentVoice::Done()
{
    limit_.stop();
    if (auto done = std::exchange(done_, nullptr))
        done();
}

void AgentVoice::Changed(SpeechEngine::State state)
{
    switch (state) {
    case SpeechEngine::State::Speaking:
        speaking_ = true;
        break;
    case SpeechEngine::State::Ready:
        if (speaking_) {
            speaking_ = false;
            Done();
        }
        break;
    case SpeechEngine::State::Error:
        // No sound device, or the engine gave up: stay quiet from now on.
        speaking_ = false;
        broken_ = true;
        enabled_ = false;
        Done();
        break;
    case SpeechEngine::State::Other:
        break;
    }
}

} // namespace stumpcraft::qt
