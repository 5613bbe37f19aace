// Wires the live platform in and opens the game's first window, the main menu. Every game
// starts there, and a finished match comes back to it.
#include "forms/frmMenu.h"
#include "modules/KeepMatch.h"
#include "modules/RecordsStore.h"
#include "modules/ScorecardFile.h"
#include "modules/modVars.h"
#include "platform/AppPath.h"
#include "platform/Form.h"
#include "platform/Services.h"
#include "qt/AgentServiceQt.h"
#include "qt/QtShell.h"
#include "qt/QtToolkit.h"
#include "qt/Renderer.h"
#include "qt/StartAhead.h"
#include "qt/WindowZoom.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** argv)
{
    using namespace stumpcraft;
#ifdef __GLIBC__
    // Pictures of a hundred kilobytes and more (the commentator's frames, the windows' images)
    // go back to the system as soon as they are freed. Left to itself, glibc raises this bar
    // after the first such free, and they stay in the heap for good.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    // The fonts and the message bus are made ready on a second core while the application
    // and the menu are made.
    qt::StartAhead ahead;
    QApplication app(argc, argv);
    ahead.ApplicationMade();
    QApplication::setApplicationName(kAppTitle);
    // The desktop matches the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.stumpcraft.Stumpcraft"));
    // The game ends itself (every window's close box leads there); a moment with no window
    // shown, between two screens, is not the end.
    QApplication::setQuitOnLastWindowClosed(false);
    qt::InstallLook();
    // The windows open at a size that suits the screen; the player may zoom each one.
    qt::ZoomForThisScreen();

    qt::QtToolkit toolkit;
    qt::QtShell shell;
    qt::QtAgentService agent;
    Platform() = Services { &toolkit, &agent, &shell };
    // An installed game's first start makes the player's own folder for what he keeps.
    if (const std::string problem = MakePlayerFolder(); !problem.empty())
        MsgBox(problem, MsgButtons::OK, MsgIcon::Critical, kAppTitle);
    // A decided match leaves its scorecard in the Scorecards folder.
    KeepScorecardsOnResult = true;
    // The match in progress is kept after every press, and offered back at the next start.
    KeepMatchesInPlay = true;

    // A hidden commentator comes back with Ctrl+M on any of the game's windows, where the
    // desktop offers no tray icon for him.
    agent.ShowAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    agent.ShowAction()->setShortcutContext(Qt::ApplicationShortcut);
    toolkit.AddWindowAction(agent.ShowAction());
    qt::RunGameEvent([] { frmMenu().Show(); });
    const int status = toolkit.Ending() ? 0 : app.exec();
    ahead.Finish();

    // The forms go while Qt is still there to take their windows down.
    forms::ResetAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    cnRecords.reset();
    keeper::CloseArchive();
    State = MatchState {};
    Platform() = Services {};
    return status;
}
