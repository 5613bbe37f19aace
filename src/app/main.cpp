// Wires the live platform in and opens the game's first window.
//
// Until the main menu and the pre-match screens exist, the program opens the match screen on
// a fifty-over match between the first two countries: the player's side against the
// computer's, each with its squad's first eleven, and a coin deciding who bats first.
#include "forms/frmMain.h"
#include "modules/QuickMatch.h"
#include "modules/RecordsStore.h"
#include "modules/ReturnToMenu.h"
#include "modules/modAgent.h"
#include "modules/modProcs.h"
#include "modules/modVars.h"
#include "platform/Errors.h"
#include "platform/Form.h"
#include "platform/Services.h"
#include "qt/AgentServiceQt.h"
#include "qt/FormWindow.h"
#include "qt/QtShell.h"
#include "qt/QtToolkit.h"
#include "qt/Renderer.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <algorithm>

namespace stumpcraft {
namespace {

    constexpr const char* kPlayer = "Player";

    // The records of both sides, as the main menu's Continue loads them: the player's row is
    // added when it is new. A store that fails is reported and the match is played unrecorded.
    void LoadRecords()
    {
        try {
            cnRecords = std::make_unique<RecordsStore>(RecordsStore::DefaultPath());
            const auto names = cnRecords->ListNames();
            if (std::find(names.begin(), names.end(), kPlayer) == names.end())
                cnRecords->AddPlayer(kPlayer);
            for (int side : { 1, 0 })
                PlayerRecords[side] = cnRecords->Load(Teams[side].PlayerName);
        } catch (const RuntimeError& error) {
            cnRecords.reset();
            ShowErrorBox(error);
        }
    }

    void ShowFirstWindow()
    {
        // The commentator stands where the menu's game-type frame will be.
        LoadAgent(120);
        QuickMatchSettings settings;
        settings.player0 = kPlayer;
        settings.firstBatSide = RandomDraw(1, 2) - 1;
        try {
            SetUpQuickMatch(settings);
        } catch (const RuntimeError& error) {
            ShowErrorBox(error);
            EndGame();
            return;
        }
        LoadRecords();
        // The match screen opens in the middle of the screen: Merlin stands at its right.
        if (AgentOn && AgentChar) {
            const ScreenSize screen = Platform().toolkit->Screen();
            const int right = (screen.width + 680) / 2 + 8;
            if (right + 150 <= screen.width)
                AgentChar->MoveTo(right, (screen.height - 440) / 2 + 40);
        }
        frmMain().Show();
    }

} // namespace
} // namespace stumpcraft

int main(int argc, char** argv)
{
    using namespace stumpcraft;
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    // The game ends itself (every window's close box leads there); a moment with no window
    // shown, between two screens, is not the end.
    QApplication::setQuitOnLastWindowClosed(false);
    qt::InstallLook();

    qt::QtToolkit toolkit;
    qt::QtShell shell;
    qt::QtAgentService agent;
    Platform() = Services { &toolkit, &agent, &shell };

    // A hidden commentator comes back with Ctrl+M on the game's window, where the desktop
    // offers no tray icon for it.
    agent.ShowAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    agent.ShowAction()->setShortcutContext(Qt::ApplicationShortcut);
    qt::RunGameEvent([&agent] {
        ShowFirstWindow();
        if (MatchScreenLoaded())
            qt::WindowFor(frmMain()).addAction(agent.ShowAction());
    });
    const int status = toolkit.Ending() ? 0 : app.exec();

    // The forms go while Qt is still there to take their windows down.
    forms::ResetAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    cnRecords.reset();
    State = MatchState {};
    Platform() = Services {};
    return status;
}
