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
    QTextToSpeech* SharedEngine()
    {
        static QPointer<QTextToSpeech> engine;
        if (!engine) {
            engine = new QTextToSpeech(QCoreApplication::instance());
            // A wizard speaks a little lower and slower than the engine's default.
            engine->setPitch(-0.25);
            engine->setRate(-0.1);
        }
        return engine;
    }
} // namespace
#endif

AgentVoice::AgentVoice(bool wanted, QObject* parent)
    : QObject(parent)
{
    limit_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this, [this] {
        Stop();
        broken_ = true;
        Done();
    });
#ifdef STUMPCRAFT_HAVE_SPEECH
    if (!wanted || QTextToSpeech::availableEngines().isEmpty())
        return;
    engine_ = SharedEngine();
    if (engine_->state() == QTextToSpeech::Error) {
        broken_ = true;
        return;
    }
    connect(engine_, &QTextToSpeech::stateChanged, this,
        [this](QTextToSpeech::State state) { Changed(state); });
    enabled_ = true;
#else
    Q_UNUSED(wanted);
#endif
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
