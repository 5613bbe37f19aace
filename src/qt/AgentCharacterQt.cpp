#include "qt/AgentCharacterQt.h"

#include "qt/AgentShape.h"

#include <QAction>

namespace stumpcraft::qt {

QtAgentCharacter::QtAgentCharacter(
    MerlinCharacter character, const AgentOptions& options, Events events)
    : character_(std::move(character))
    , events_(std::move(events))
    , window_(std::make_unique<AgentWindow>(character_, options.timeScale))
    , balloon_(std::make_unique<AgentBalloon>(character_.colours))
    , voice_(options.voice)
    , queue_(*this, SpeechTiming { options.timeScale })
{
    queue_.bookmark = [this](long mark) {
        if (events_.bookmark)
            events_.bookmark(mark);
    };
    // The balloon is drawn at the character's zoom, and he keeps room for it at that size.
    const auto zoomed = [this](double zoom) {
        balloon_->SetZoom(zoom);
        window_->SetBalloonRoom(balloon_->Room());
    };
    zoomed(window_->Zoom());
    connect(window_.get(), &AgentWindow::Zoomed, this, zoomed);
    // The menu offers the voice where the machine lists an engine, until it fails.
    const auto offerVoice = [this] {
        window_->VoiceAction()->setVisible(voice_.Offered());
        window_->VoiceAction()->setChecked(voice_.Enabled());
    };
    connect(window_.get(), &AgentWindow::MenuOpening, this, offerVoice);
    voice_.started = offerVoice;
    QAction* voice = window_->VoiceAction();
    connect(voice, &QAction::toggled, this, [this](bool on) { voice_.SetEnabled(on); });
    connect(window_->HideAction(), &QAction::triggered, this, [this] { HideByUser(); });
    connect(window_.get(), &AgentWindow::Moved, this,
        [this] { balloon_->Follow(window_->frameGeometry(), window_->Side()); });
    connect(window_.get(), &AgentWindow::Refitted, this, [this] {
        if (balloon_->isVisible() && DesktopWindows())
            balloon_->raise();
    });
}

QtAgentCharacter::~QtAgentCharacter() = default;

void QtAgentCharacter::Show()
{
    showPending_ = true;
    queue_.Push({ AgentRequest::Kind::Show, {}, {}, kCauseProgram });
}

void QtAgentCharacter::ShowByUser()
{
    showPending_ = true;
    queue_.Push({ AgentRequest::Kind::Show, {}, {}, kCauseUser });
}

void QtAgentCharacter::Hide() { Conceal(kCauseProgram); }

void QtAgentCharacter::Retire()
{
    events_ = {};
    queue_.StopAll();
    balloon_->hide();
    window_->hide();
}

void QtAgentCharacter::HideByUser() { Conceal(kCauseUser); }

void QtAgentCharacter::MoveTo(int x, int y)
{
    movePending_ = QPoint(x, y);
    queue_.Push({ AgentRequest::Kind::Move, {}, QPoint(x, y) });
}

void QtAgentCharacter::Speak(const std::string& text)
{
    queue_.Push({ AgentRequest::Kind::Speak, QString::fromStdString(text), {} });
}

void QtAgentCharacter::Play(const std::string& animation)
{
    queue_.Push({ AgentRequest::Kind::Play, QString::fromStdString(animation), {} });
}

// Stop-all silences the character; it does not keep him from appearing. A show still waiting in
// the queue (the game announces the conditions straight after loading him, say) is carried
// out at once, at the place he was last sent to.
void QtAgentCharacter::StopAll()
{
    queue_.StopAll();
    if (showPending_ && !window_->isVisible()) {
        if (movePending_)
            window_->GlideTo(*movePending_);
        queue_.Push({ AgentRequest::Kind::Show, {}, {}, kCauseProgram });
    }
    movePending_.reset();
}

// Hiding takes effect at once, ahead of anything queued; what is queued then completes
// unseen.
void QtAgentCharacter::Conceal(int cause)
{
    showPending_ = false;
    if (!window_->isVisible())
        return;
    voice_.Stop();
    balloon_->hide();
    window_->SetTalking(false);
    window_->Rest();
    window_->hide();
    queue_.Hurry();
    if (events_.visibility)
        events_.visibility(false, cause);
}

bool QtAgentCharacter::OnScreen() const { return window_->isVisible(); }

int QtAgentCharacter::Appear(int cause)
{
    showPending_ = false;
    if (window_->isVisible())
        return 0;
    window_->show();
    if (events_.visibility)
        events_.visibility(true, cause);
    return window_->Play("Show");
}

int QtAgentCharacter::Glide(QPoint to)
{
    movePending_.reset();
    return window_->GlideTo(to);
}

int QtAgentCharacter::Animate(const QString& name) { return window_->Play(name); }

void QtAgentCharacter::Rest() { window_->Rest(); }

void QtAgentCharacter::Balloon(const QString& shown, const QString& whole)
{
    if (shown.isEmpty() || !OnScreen()) {
        balloon_->hide();
        window_->SetTalking(false);
        return;
    }
    // A longer line than he kept room for may send him elsewhere first.
    if (balloon_->SetLine(whole))
        window_->MakeRoomFor(balloon_->Room());
    balloon_->Say(shown, whole, window_->frameGeometry(), window_->Side());
    // The mouth moves while words are still coming.
    window_->SetTalking(shown.size() < whole.size());
}

bool QtAgentCharacter::Voice(const QString& line, std::function<void()> done)
{
    return voice_.Say(line, std::move(done));
}

void QtAgentCharacter::Silence() { voice_.Stop(); }

} // namespace stumpcraft::qt
