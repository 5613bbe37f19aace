#include "qt/AgentVoice.h"

#include <utility>

#ifdef STUMPCRAFT_HAVE_SPEECH
#include <QCoreApplication>
#include <QPointer>
#include <QTextToSpeech>
#endif

namespace stumpcraft::qt {

#ifdef STUMPCRAFT_HAVE_SPEECH
namespace {
    // One engine for the whole run. The character is loaded afresh after every match, and
    // some engines (flite among them) keep global state that a second engine running beside
    // one being torn down corrupts, so every voice borrows this one.
    // Null where the machine has no engine.
    QTextToSpeech* SharedEngine()
    {
        static QPointer<QTextToSpeech> engine;
        static const bool none = QTextToSpeech::availableEngines().isEmpty();
        if (!engine && !none) {
            engine = new QTextToSpeech(QCoreApplication::instance());
            // A wizard speaks a little lower and slower than the engine's default.
            engine->setPitch(-0.25);
            engine->setRate(-0.1);
        }
        return engine;
    }

    // Whether this machine lists an engine at all: read from the plugins' descriptions, so
    // asking loads none of them.
    bool EngineListed()
    {
        static const bool listed = !QTextToSpeech::availableEngines().isEmpty();
        return listed;
    }

    // The player turned the voice on during this run.
    bool& ChosenThisRun()
    {
        static bool chosen = false;
        return chosen;
    }
} // namespace
#endif

AgentVoice::AgentVoice(bool offered, QObject* parent)
    : QObject(parent)
{
    limit_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this, [this] {
        Stop();
        broken_ = true;
        Done();
    });
#ifdef STUMPCRAFT_HAVE_SPEECH
    offered_ = offered;
    if (offered_ && ChosenThisRun())
        SetEnabled(true);
#else
    Q_UNUSED(offered);
#endif
}

bool AgentVoice::Offered() const
{
#ifdef STUMPCRAFT_HAVE_SPEECH
    return offered_ && !broken_ && EngineListed();
#else
    return false;
#endif
}

void AgentVoice::Start()
{
    started_ = true;
#ifdef STUMPCRAFT_HAVE_SPEECH
    engine_ = SharedEngine();
    if (!engine_ || engine_->state() == QTextToSpeech::Error) {
        broken_ = engine_ != nullptr;
        enabled_ = false;
    } else {
        connect(engine_, &QTextToSpeech::stateChanged, this,
            [this](QTextToSpeech::State state) { Changed(state); });
    }
#endif
    if (started)
        started();
}

AgentVoice::~AgentVoice()
{
    // The engine outlives this voice: a line it is saying for us stops with us.
    Stop();
}

bool AgentVoice::Available() const
{
#ifdef STUMPCRAFT_HAVE_SPEECH
    return engine_ && !broken_;
#else
    return false;
#endif
}

void AgentVoice::SetEnabled(bool on)
{
    if (!on)
        Stop();
#ifdef STUMPCRAFT_HAVE_SPEECH
    if (offered_)
        ChosenThisRun() = on;
    // On while the engine starts, so that the menu it tells shows the voice on; off again
    // when it turns out broken.
    enabled_ = on;
    if (on && offered_ && !started_)
        Start();
#endif
    enabled_ = on && Available();
}

bool AgentVoice::Say(const QString& text, std::function<void()> done)
{
    Stop();
    if (!enabled_ || !Available() || text.trimmed().isEmpty())
        return false;
#ifdef STUMPCRAFT_HAVE_SPEECH
    done_ = std::move(done);
    speaking_ = false;
    // Generous: about twice the time an engine needs for the line.
    limit_.start(4000 + 150 * static_cast<int>(text.size()));
    engine_->say(text);
    return true;
#else
    Q_UNUSED(done);
    return false;
#endif
}

void AgentVoice::Stop()
{
    limit_.stop();
    done_ = nullptr;
#ifdef STUMPCRAFT_HAVE_SPEECH
    if (engine_ && speaking_)
        engine_->stop();
    speaking_ = false;
#endif
}

void AgentVoice::Done()
{
    limit_.stop();
    if (auto done = std::exchange(done_, nullptr))
        done();
}

#ifdef STUMPCRAFT_HAVE_SPEECH
void AgentVoice::Changed(int state)
{
    switch (state) {
    case QTextToSpeech::Speaking:
        speaking_ = true;
        break;
    case QTextToSpeech::Ready:
        if (speaking_) {
            speaking_ = false;
            Done();
        }
        break;
    case QTextToSpeech::Error:
        // No sound device, or the engine gave up: stay quiet from now on.
        speaking_ = false;
        broken_ = true;
        enabled_ = false;
        Done();
        break;
    default:
        break;
    }
}
#endif

} // namespace stumpcraft::qt
