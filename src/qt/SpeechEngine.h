#pragma once

#include <QString>
#include <functional>

class QObject;

namespace stumpcraft::qt {

// The machine's text-to-speech engine, in the voice add-on (see Addons.h), so that Qt's speech
// library is loaded only when the player asks for the voice.
class SpeechEngine {
public:
    enum class State { Ready, Speaking, Error, Other };

    virtual ~SpeechEngine() = default;
    // The engine as a Qt object: it goes with the parent it was made with.
    virtual QObject* Object() = 0;
    virtual State Now() const = 0;
    virtual void Say(const QString& text) = 0;
    virtual void Stop() = 0;
    // Tells changed of every change of state for as long as context lives.
    virtual void Follow(QObject* context, std::function<void(State)> changed) = 0;
};

// The add-on, the function in it that says whether the machine lists an engine at all (read
// from the engines' descriptions, loading none of them), and the one that starts the
// default engine, a child of parent.
inline constexpr char kVoiceAddon[] = "stumpcraft-voice";
inline constexpr char kSpeechListed[] = "stumpcraft_speech_listed";
inline constexpr char kMakeSpeechEngine[] = "stumpcraft_make_speech_engine";
using SpeechListed = bool (*)();
using MakeSpeechEngine = SpeechEngine* (*)(QObject* parent);

} // namespace stumpcraft::qt
