// Wires the live platform in and opens the game's first window.
#include "platform/Form.h"
#include "platform/Services.h"
#include "qt/QtShell.h"
#include "qt/QtToolkit.h"
#include "qt/Renderer.h"

#include <QApplication>

namespace stumpcraft {
namespace {

    // Stands in for the game's first window until the match screen is wired in: it shows that
    // the program starts, and ends it from its button or its close box.
    class FrmWelcome : public Form {
    public:
        FrmWelcome()
            : Form("frmWelcome")
        {
            Caption = kAppTitle;
            Width = 360;
            Height = 132;
            lblTitle.Move(16, 14, 328, 28);
            lblTitle.Caption = "Stumpcraft";
            lblTitle.FontSize = 14;
            lblTitle.FontBold = true;
            lblTitle.TextAlign = Alignment::Center;
            lblNote.Move(16, 46, 328, 36);
            lblNote.Caption = "Limited-overs cricket, ball by ball. The match screen opens here "
                              "once it is ready.";
            lblNote.WordWrap = true;
            lblNote.TextAlign = Alignment::Center;
            cmdExit.Move(136, 94, 88, 26);
            cmdExit.Caption = "E&xit";
            cmdExit.Cancel = true;
            cmdExit.Default = true;
            cmdExit.Click = [this] { Unload(); };
        }

    protected:
        void Form_Unload() override
        {
            if (Toolkit* toolkit = Platform().toolkit)
                toolkit->EndProgram();
        }

    private:
        Label lblTitle { this, "lblTitle" };
        Label lblNote { this, "lblNote" };
        CommandButton cmdExit { this, "cmdExit" };
    };

    // The game's first window. Wire the main menu in here once it exists.
    void ShowFirstWindow() { forms::Instance<FrmWelcome>().Show(); }

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
    Platform().toolkit = &toolkit;
    Platform().shell = &shell;
    // The commentator's agent service joins the platform here once it is wired in.

    qt::RunGameEvent(ShowFirstWindow);
    const int status = toolkit.Ending() ? 0 : app.exec();

    // The forms go while Qt is still there to take their windows down.
    forms::ResetAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Platform() = Services {};
    return status;
}
