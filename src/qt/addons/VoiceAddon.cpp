// The voice add-on: the machine's text-to-speech engine, opened when the player turns the
// commentator's voice on (or a menu asks whether it may be).
#include "qt/SpeechEngine.h"

#include <QTextToSpeech>

namespace stumpcraft::qt {

namespace {

    class Engine : public QTextToSpeech, public SpeechEngine {
    public:
        using State = SpeechEngine::State;

        explicit Engine(QObject* parent)
            : QTextToSpeech(parent)
        {
            // A wizard speaks a little lower and slower than the engine's default.
            setPitch(-0.25);
            setRate(-0.1);
        }

        QObject* Object() override { return this; }
        State Now() const override { return Of(state()); }
        void Say(const QString& text) override { say(text); }
        void Stop() override { stop(); }
        void Follow(QObject* context, std::function<void(State)> changed) override
        {
            connect(this, &QTextToSpeech::stateChanged, context,
                [changed = std::move(changed)](QTextToSpeech::State now) { changed(Of(now)); });
        }

    private:
        static State Of(QTextToSpeech::State state)
        {
            switch (state) {
            case QTextToSpeech::Ready:
                return State::Ready;
            case QTextToSpeech::Speaking:
                return State::Speaking;
            case QTextToSpeech::Error:
                return State::Error;
            default:
                return State::Other;
            }
        }
    };

} // namespace

} // namespace stumpcraft::qt

extern "C" Q_DECL_EXPORT bool stumpcraft_speech_listed()
{
    return !QTextToSpeech::availableEngines().isEmpty();
}

extern "C" Q_DECL_EXPORT stumpcraft::qt::SpeechEngine* stumpcraft_make_speech_engine(
    QObject* parent)
{
    return new stumpcraft::qt::Engine(parent);
}
