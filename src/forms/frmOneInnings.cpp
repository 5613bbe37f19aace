// The one-innings setup: the choice to chase or defend, the total typed in, and the match
// screen opening into that innings.
#include "forms/frmOneInnings.h"

#include "forms/frmMain.h"
#include "forms/frmMenu.h"
#include "modules/Manual.h"
#include "modules/MatchText.h"
#include "modules/NumberFormat.h"
#include "modules/modVars.h"
#include "platform/Errors.h"
#include "platform/Services.h"

namespace stumpcraft {

namespace {

    void SayAfterStop(const Line& line)
    {
        AgentChar->StopAll();
        AgentChar->Speak(line.Spoken());
    }

    // A total that cannot be played: the commentator says why, or a stop box shows it. The
    // box keeps the player's text to correct.
    void RefuseTotal(const char* why)
    {
        if (AgentOn && AgentChar)
            SayAfterStop(why);
        else
            MsgBox(why, MsgButtons::OK, MsgIcon::Critical, "StumpC Error");
    }
} // namespace

FrmOneInnings& frmOneInnings() { return forms::Instance<FrmOneInnings>(); }

FrmOneInnings::FrmOneInnings()
    : PreMatchScreen("frmOneInnings")
{
    Caption = "Welcome to OneInnings";
    Width = 560;
    Height = 250;

    LayOutHintPanel(Picture1, cmdHelp, 170, Height);
    PlaceHint(lblDesc[0], Picture1, 14, 60, "Do you want to chase or defend?");
    PlaceHint(lblDesc[1], Picture1, 96, 60, "Enter the score you want to chase or defend ...");
    lblDesc[1].Visible = false;

    constexpr int left = 180, width = 372;
    Frame1[0].Move(left, 6, width, 80);
    Frame1[0].Caption = "What do you want to play?";
    const char* const choices[2] = { "Chase a Score ", "Defend your Score" };
    for (int i = 0; i < 2; ++i) {
        optoditest[i].SetContainer(Frame1[0]);
        optoditest[i].Move(20, 22 + i * 26, 300, 22);
        optoditest[i].Caption = choices[i];
    }
    Frame1[1].Move(left, 92, width, 100);
    Frame1[1].Visible = false;
    lbl.SetContainer(Frame1[1]);
    lbl.Move(20, 26, width - 40, 22);
    lbl.Caption = "Enter the runs scored by ";
    lbl.Elide = true;
    txtScore.SetContainer(Frame1[1]);
    txtScore.Move(20, 56, 120, 26);

    Picture2.Move(left, Height - 44, width, 36);
    Picture2.Visible = false;
    cmdExit.SetContainer(Picture2);
    cmdExit.Move(0, 4, 130, 28);
    cmdExit.Caption = "E&xit";
    cmdNext.SetContainer(Picture2);
    cmdNext.Move(width - 130, 4, 130, 28);
    cmdNext.Caption = "&Continue";
    cmdNext.Default = true; // Enter after typing the total goes on

    for (int i = 0; i < 2; ++i)
        optoditest[i].Click = [this, i] { optoditest_Click(i); };
    cmdNext.Click = [this] { cmdNext_Click(); };
    cmdExit.Click = [this] { cmdExit_Click(); };
    cmdHelp.Click = [this] { cmdHelp_Click(); };
}

void FrmOneInnings::Form_Load()
{
    if (AgentOn && AgentChar) {
        AgentChar->StopAll();
        AgentChar->Speak("Welcome to OneInnings, an unique concept from Stumpcraft.");
        AgentChar->Speak(
            "Please choose whether you want to defend a total or whether you want to chase one");
    }
}

void FrmOneInnings::optoditest_Click(int Index)
{
    Frame1[1].Visible = true;
    lblDesc[1].Visible = true;
    Picture2.Visible = true;
    if (AgentOn && AgentChar)
        SayAfterStop("Now enter the runs that you want to chase or defend");
    txtScore.SetFocus();
    const bool chase = Index == 0;
    FirstBatSide = chase ? 1 : 0;
    CurrBatSide = chase ? 0 : 1;
    Frame1[1].Caption
        = chase ? "Enter the runs you want to chase" : "Enter the runs you want to defend";
    lbl.Caption = "Enter the runs scored by " + Teams[1 - CurrBatSide].Country;
}

void FrmOneInnings::cmdNext_Click()
{
    const std::string typed = txtScore.Text;
    if (Trim(typed).empty()) {
        const Line ask("Please enter the score you want to chase or defend");
        if (AgentOn && AgentChar) {
            SayAfterStop(ask);
            txtScore.SetFocus();
        } else {
            MsgBox(ask.Shown());
        }
        return;
    }
    // A refused total leaves the screen and the match state as they were.
    int total = 0;
    try {
        total = ParseWholeNumber(typed);
    } catch (const RuntimeError& error) {
        if (error.Number() == errors::TypeMismatch)
            RefuseTotal("Sorry! You can only enter numbers for runs");
        else
            ShowErrorBox(error);
        return;
    }
    // A chase of a total below nothing would be won by the first dot ball.
    if (total < 0) {
        RefuseTotal("Sorry! The runs can not be less than 0");
        return;
    }
    Teams[1 - CurrBatSide].Runs = total;
    Unload();
    frmMain().Show();
}

} // namespace stumpcraft
