#pragma once

#include "platform/Services.h"
#include "qt/AgentCharacterQt.h"
#include "qt/AgentTray.h"

#include <QAction>
#include <QObject>
#include <memory>

namespace stumpcraft::qt {

// The live agent service: loads a character from its file in the program's folder and hosts
// it on the desktop. Its events reach the game on the game's thread: shown and hidden between
// other events, each bookmark as the speech reaches it.
class QtAgentService : public QObject, public AgentService {
public:
    explicit QtAgentService(AgentOptions options = {});
    ~QtAgentService() override;

    // Loading again replaces the character that was loaded, which leaves without a word.
    int Load(const std::string& character, const std::string& file) override;
    AgentCharacter* Character(const std::string& character) override;

    QtAgentCharacter* Loaded() const { return character_.get(); }
    // "Show commentator": brings a hidden character back; enabled only while it is hidden.
    QAction* ShowAction() const { return tray_.ShowAction(); }

private:
    void Visibility(bool shown, int cause);

    AgentOptions options_;
    AgentTray tray_;
    std::unique_ptr<QtAgentCharacter> character_;
};

} // namespace stumpcraft::qt
