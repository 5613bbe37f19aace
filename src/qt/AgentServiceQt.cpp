#include "qt/AgentServiceQt.h"

#include "platform/AppPath.h"
#include "qt/MerlinFile.h"

#include <QTimer>

namespace stumpcraft::qt {

QtAgentService::QtAgentService(AgentOptions options)
    : options_(options)
    , tray_(options.trayIcon)
{
    connect(tray_.ShowAction(), &QAction::triggered, this, [this] {
        if (character_)
            character_->ShowByUser();
    });
    connect(tray_.HideAction(), &QAction::triggered, this, [this] {
        if (character_)
            character_->HideByUser();
    });
}

QtAgentService::~QtAgentService() = default;

int QtAgentService::Load(const std::string& character, const std::string& file)
{
    MerlinCharacter loaded = LoadMerlinFile(
        QString::fromStdString(ShippedFile(file)), QString::fromStdString(character));
    if (character_) {
        // The old character goes quietly: no hidden event, no bookmarks, no voice.
        QtAgentCharacter* old = character_.release();
        old->Retire();
        old->deleteLater();
    }
    QtAgentCharacter::Events events;
    events.visibility = [this](bool shown, int cause) { Visibility(shown, cause); };
    events.bookmark = [this](long mark) {
        if (Bookmark)
            Bookmark(mark);
    };
    character_ = std::make_unique<QtAgentCharacter>(std::move(loaded), options_, events);
    tray_.Update(true, false, character_->Window().Picture());
    return 0;
}

AgentCharacter* QtAgentService::Character(const std::string& character)
{
    if (character_
        && character_->Definition().name.compare(
               QString::fromStdString(character), Qt::CaseInsensitive)
            == 0)
        return character_.get();
    return nullptr;
}

// The game hears of it after the event in hand, as it would from any other window.
void QtAgentService::Visibility(bool shown, int cause)
{
    tray_.Update(true, shown, character_ ? character_->Window().Picture() : QImage());
    const std::string name = character_ ? character_->Definition().name.toStdString() : "";
    QTimer::singleShot(0, this, [this, shown, cause, name] {
        const auto& handler = shown ? Shown : Hidden;
        if (handler)
            handler(name, cause);
    });
}

} // namespace stumpcraft::qt
