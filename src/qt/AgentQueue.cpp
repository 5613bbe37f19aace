#include "qt/AgentQueue.h"

#include <QRandomGenerator>
#include <algorithm>
#include <utility>

namespace stumpcraft::qt {

AgentQueue::AgentQueue(AgentStage& stage, SpeechTiming timing, QObject* parent)
    : QObject(parent)
    , stage_(stage)
    , timing_(timing)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (const Step step = std::exchange(pending_, nullptr))
            (this->*step)();
    });
    choose = [](int n) { return static_cast<int>(QRandomGenerator::global()->bounded(n)); };
}

void AgentQueue::After(int ms, Step step)
{
    pending_ = step;
    timer_.start(std::max(0, ms));
}

void AgentQueue::Push(AgentRequest request)
{
    waiting_.push_back(std::move(request));
    if (!current_ && !timer_.isActive())
        After(0, &AgentQueue::Next);
}

void AgentQueue::StopAll()
{
    ++generation_;
    timer_.stop();
    pending_ = nullptr;
    waiting_.clear();
    current_.reset();
    tokens_.clear();
    next_ = 0;
    shown_.clear();
    whole_.clear();
    voiceBusy_ = awaitingVoice_ = false;
    stage_.Silence();
    stage_.Rest();
    stage_.Balloon({}, {});
}

void AgentQueue::Hurry()
{
    if (!current_)
        return;
    if (voiceBusy_)
        stage_.Silence();
    voiceBusy_ = awaitingVoice_ = false;
    ++speech_;
    After(0,
        current_->kind == AgentRequest::Kind::Speak ? &AgentQueue::SpeakStep : &AgentQueue::Finish);
}

void AgentQueue::Next()
{
    if (current_)
        return;
    if (waiting_.empty()) {
        stage_.Balloon({}, {});
        return;
    }
    current_ = std::move(waiting_.front());
    waiting_.pop_front();
    // A speech that follows a speech keeps the balloon up, so it does not flicker between lines.
    if (current_->kind != AgentRequest::Kind::Speak)
        stage_.Balloon({}, {});
    Begin();
}

void AgentQueue::Begin()
{
    const AgentRequest& r = *current_;
    const auto tell = [this](const QString& what) {
        if (started)
            started(what);
    };
    switch (r.kind) {
    case AgentRequest::Kind::Show:
        tell("Show");
        After(stage_.Appear(r.cause), &AgentQueue::Finish);
        return;
    case AgentRequest::Kind::Move:
        tell("Move " + QString::number(r.to.x()) + "," + QString::number(r.to.y()));
        After(stage_.Glide(r.to), &AgentQueue::Finish);
        return;
    case AgentRequest::Kind::Play:
        tell("Play " + r.text);
        After(stage_.OnScreen() ? stage_.Animate(r.text) : 0, &AgentQueue::Finish);
        return;
    case AgentRequest::Kind::Speak:
        BeginSpeech(r.text);
        return;
    }
}

void AgentQueue::BeginSpeech(const QString& text)
{
    const QStringList alternatives = SpeechAlternatives(text);
    const int count = static_cast<int>(alternatives.size());
    const int pick = count > 1 ? std::clamp(choose(count), 0, count - 1) : 0;
    tokens_ = SpeechTokens(alternatives[pick]);
    next_ = 0;
    shown_.clear();
    whole_ = SpeechWords(tokens_);
    held_ = voiceBusy_ = awaitingVoice_ = false;
    if (started)
        started("Speak " + whole_);
    if (stage_.OnScreen() && !whole_.isEmpty()) {
        const unsigned speech = ++speech_;
        voiceBusy_ = stage_.Voice(whole_, [this, speech] {
            if (speech != speech_ || !voiceBusy_)
                return;
            voiceBusy_ = false;
            if (std::exchange(awaitingVoice_, false))
                SpeakStep();
        });
    }
    SpeakStep();
}

void AgentQueue::SpeakStep()
{
    if (RevealWord())
        return;
    if (stage_.OnScreen()) {
        if (!held_ && !whole_.isEmpty()) {
            held_ = true;
            After(timing_.HoldMs(whole_), &AgentQueue::SpeakStep);
            return;
        }
        if (voiceBusy_) {
            awaitingVoice_ = true;
            return;
        }
    }
    if (ReportMarksUpTo(tokens_.size()))
        return;
    Finish();
}

// Shows the next word, after reporting the bookmarks in front of it. True while the speech
// has more to do later (a word is up) or was stopped meanwhile; false once only the line's
// trailing bookmarks are left. A hidden character skips the words and reports on at once.
bool AgentQueue::RevealWord()
{
    const bool onScreen = stage_.OnScreen();
    while (true) {
        std::size_t word = next_;
        while (word < tokens_.size() && tokens_[word].IsMark())
            ++word;
        if (word >= tokens_.size())
            return false;
        if (ReportMarksUpTo(word))
            return true;
        next_ = word + 1;
        if (!onScreen)
            continue;
        shown_ += (shown_.isEmpty() ? QString() : QStringLiteral(" ")) + tokens_[word].word;
        stage_.Balloon(shown_, whole_);
        After(timing_.WordMs(tokens_[word].word), &AgentQueue::SpeakStep);
        return true;
    }
}

// Reports the bookmarks from next_ up to end. True when a bookmark's handler stopped
// everything, so the caller must not go on.
bool AgentQueue::ReportMarksUpTo(std::size_t end)
{
    while (next_ < end && next_ < tokens_.size()) {
        const SpeechToken token = tokens_[next_++];
        if (token.IsMark() && Report(token.mark))
            return true;
    }
    return false;
}

bool AgentQueue::Report(long mark)
{
    const unsigned generation = generation_;
    if (bookmark)
        bookmark(mark);
    return generation != generation_;
}

void AgentQueue::Finish()
{
    current_.reset();
    tokens_.clear();
    voiceBusy_ = awaitingVoice_ = false;
    After(0, &AgentQueue::Next);
}

} // namespace stumpcraft::qt
