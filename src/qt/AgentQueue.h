#pragma once

#include "qt/AgentSpeech.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace stumpcraft::qt {

// What the request queue drives: the character on the screen. Every call returns at once;
// the durations it returns tell the queue when to move on.
class AgentStage {
public:
    virtual ~AgentStage() = default;
    virtual bool OnScreen() const = 0;
    // Shows the character; milliseconds its entrance takes (0 when it was already shown).
    virtual int Appear(int cause) = 0;
    // Sends it towards a point; milliseconds the trip takes (0 when hidden: it is just there).
    virtual int Glide(QPoint to) = 0;
    // Plays the animation named in any letter case; milliseconds it takes, 0 when unknown.
    virtual int Animate(const QString& name) = 0;
    // Drops whatever animation or trip is in progress.
    virtual void Rest() = 0;
    // Shows the words spoken so far in the balloon, laid out for the whole line, the mouth
    // moving while words are still to come. Empty shown takes the balloon away.
    virtual void Balloon(const QString& shown, const QString& whole) = 0;
    // Starts saying the line aloud; done runs once when the voice has finished or given up.
    // Returns false, and never calls done, when there is no voice to speak with.
    virtual bool Voice(const QString& line, std::function<void()> done) = 0;
    virtual void Silence() = 0;
};

// One request of the game to its character.
struct AgentRequest {
    enum class Kind { Show, Move, Play, Speak };
    Kind kind;
    QString text; // the animation's name or the text to speak
    QPoint to;
    int cause = 0; // of a show: who asked for it
};

// The character's request queue and speech engine. Requests run one after another; a speech
// picks one "|" alternative with equal chance, shows it word by word and reports each
// bookmark tag as the speech reaches it, the last ones once the line has been read (and
// spoken, where a voice speaks it). While the character is hidden every request completes at
// once, bookmarks included, so nothing the game waits for is held up by an unseen character.
// Steps run from the event loop, between the game's own events.
class AgentQueue : public QObject {
public:
    AgentQueue(AgentStage& stage, SpeechTiming timing, QObject* parent = nullptr);

    void Push(AgentRequest request);
    // Drops every queued and running request; what was dropped reports no bookmark.
    void StopAll();
    // Finishes the running request at once; called when the character has just been hidden.
    void Hurry();
    bool Idle() const { return !current_ && waiting_.empty(); }

    std::function<void(long mark)> bookmark;
    // Told of each request as it starts ("Show", "Move x,y", "Play name", "Speak words").
    std::function<void(const QString& what)> started;
    // Picks one of n alternatives, 0 to n-1.
    std::function<int(int n)> choose;

private:
    using Step = void (AgentQueue::*)();

    void After(int ms, Step step);
    void Next();
    void Begin();
    void BeginSpeech(const QString& text);
    void SpeakStep();
    bool RevealWord();
    bool ReportMarksUpTo(std::size_t end);
    bool Report(long mark);
    void Finish();

    AgentStage& stage_;
    SpeechTiming timing_;
    QTimer timer_;
    Step pending_ = nullptr;
    std::deque<AgentRequest> waiting_;
    std::optional<AgentRequest> current_;
    unsigned generation_ = 0; // counts stop-alls: a handler's stop-all ends the step in hand
    unsigned speech_ = 0; // counts voices started: a voice given up on reports nothing

    // The speech in progress.
    std::vector<SpeechToken> tokens_;
    std::size_t next_ = 0;
    QString shown_, whole_;
    bool held_ = false;
    bool voiceBusy_ = false;
    bool awaitingVoice_ = false;
};

} // namespace stumpcraft::qt
