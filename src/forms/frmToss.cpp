// The toss: who calls, the call, the coin, and the winner's choice to bat or to bowl.
#include "forms/frmToss.h"

#include "forms/frmMenu.h"
#include "forms/frmStart.h"
#include "modules/Manual.h"
#include "modules/MatchText.h"
#include "modules/ReturnToMenu.h"
#include "modules/modProcs.h"
#include "modules/modVars.h"
#include "platform/Services.h"

namespace stumpcraft {

namespace {
    constexpr const char* kChooseCaption = ", Will you choose BATTING or FIELDING";
    constexpr const char* kChooseLine
        = "Please choose batting or bowling and then click the Next button.";

    // "Name(Country)", as the toss names a side.
    Line SideName(int side)
    {
        return Line().Name(Teams[side].PlayerName + "(" + Teams[side].Country + ")");
    }

    void Speak(const Line& line)
    {
        if (AgentOn && AgentChar)
            AgentChar->Speak(line.Spoken());
    }
    void Play(const char* animation)
    {
        if (AgentOn && AgentChar)
            AgentChar->Play(animation);
    }
} // namespace

FrmToss& frmToss() { return forms::Instance<FrmToss>(); }

FrmToss::FrmToss()
    : PreMatchScreen("frmToss")
{
    Caption = "The Toss";
    // Wide enough for the winner's question in full ("Computer has lost the toss! ..., Will you
    // choose BATTING or FIELDING") with a name of a dozen letters; longer ones are elided.
    Width = 720;
    Height = 300;

    LayOutHintPanel(Picture1, cmdHelp, 170, Height);
    PlaceHint(lblDesc[0], Picture1, 64, 84, "Choose heads or tails");
    PlaceHint(lblDesc[1], Picture1, 156, 84, "Choose Batting or fielding");
    lblDesc[1].Visible = false;

    constexpr int left = 180, width = 532;
    Frame1[0].Move(left, 6, width, 52);
    lbltoss.SetContainer(Frame1[0]);
    lbltoss.Move(12, 10, width - 24, 36);
    lbltoss.Caption = " gets the chance to toss today";
    lbltoss.WordWrap = true;
    lbltoss.Elide = true; // a name of any length
    lbltoss.FontBold = true;

    Frame1[1].Move(left, 64, width, 86);
    Frame1[1].Caption = "What do you choose? HEADS or TAILS";
    const char* const calls[2] = { "Heads", "Tails" };
    for (int i = 0; i < 2; ++i) {
        optheadstails[i].SetContainer(Frame1[1]);
        optheadstails[i].Move(20 + i * 180, 24, 140, 22);
        optheadstails[i].Caption = calls[i];
    }
    lblTossWonBy.SetContainer(Frame1[1]);
    lblTossWonBy.Move(20, 50, width - 40, 30);
    lblTossWonBy.Caption = "has won the toss";
    lblTossWonBy.WordWrap = true;
    lblTossWonBy.Elide = true;
    lblTossWonBy.FontBold = true;
    lblTossWonBy.ForeColor = RGB(16, 96, 40); // stays readable when the call is closed
    lblTossWonBy.Visible = false;

    Frame1[2].Move(left, 156, width, 64);
    Frame1[2].Caption = kChooseCaption;
    Frame1[2].Elide = true; // it leads with the winner's name, of any length
    Frame1[2].Visible = false;
    const char* const choices[2] = { "I will bat first", "I will bowl first" };
    for (int i = 0; i < 2; ++i) {
        optbatbowl[i].SetContainer(Frame1[2]);
        optbatbowl[i].Move(20 + i * 180, 28, 160, 22);
        optbatbowl[i].Caption = choices[i];
    }

    Picture2.Move(left, Height - 44, width, 36);
    Picture2.Visible = false;
    cmdExit.SetContainer(Picture2);
    cmdExit.Move(0, 4, 130, 28);
    cmdExit.Caption = "E&xit";
    cmdNext.SetContainer(Picture2);
    cmdNext.Move(width - 130, 4, 130, 28);
    cmdNext.Caption = "&Continue";

    for (int i = 0; i < 2; ++i) {
        optheadstails[i].Click = [this, i] { optheadstails_Click(i); };
        optbatbowl[i].Click = [this, i] { optbatbowl_Click(i); };
    }
    cmdNext.Click = [this] { cmdNext_Click(); };
    cmdExit.Click = [this] { cmdExit_Click(); };
    cmdHelp.Click = [this] { cmdHelp_Click(); };
}

void FrmToss::Form_Load()
{
    TossSide = RandomDraw(1, 2) - 1;
    lbltoss.Caption = SideName(TossSide).Shown() + lbltoss.Caption();
    const std::string& caller = Teams[TossSide].PlayerName;
    if (AgentOn && AgentChar) {
        AgentChar->StopAll();
        Play("Wave");
        Speak("Welcome to everybody for the toss.");
        Speak(Line().Name(caller).Words(" gets the chance to toss today"));
        if (caller != kComputer)
            Speak("What do you choose today? Heads or Tails?");
    }
    if (OnePlayer && TossSide == 1) {
        ComputerCallsToss = true;
        const int call = RandomDraw(1, 2) - 1;
        optheadstails[call].Value = true; // the call itself, at once
        const std::string chose = "Computer chose " + optheadstails[call].Caption();
        Frame1[1].Caption = chose;
        lblDesc[0].Caption = chose;
        Frame1[1].Enabled = false;
        Play("Domagic1");
        Speak(Line(chose));
    } else {
        ComputerCallsToss = false;
    }
}

void FrmToss::optheadstails_Click(int Index)
{
    Frame1[1].Enabled = false; // the call cannot be changed
    const int coin = RandomDraw(1, 2) - 1;
    const bool callerWon = Index == coin;
    const int winner = callerWon ? TossSide : 1 - TossSide;
    const Line wonBy = SideName(winner).Words(" has won the toss");
    lblTossWonBy.Caption = wonBy.Shown();
    lblTossWonBy.Visible = true;
    Teams[winner].WonToss = true;
    Teams[1 - winner].WonToss = false;
    const std::string& name = Teams[winner].PlayerName;

    if (!callerWon) {
        Play("DOMagic1");
        Speak(wonBy);
        if (!ComputerCallsToss && name == kComputer)
            ComputerChooses();
        else if (!ComputerCallsToss)
            OfferChoice(name + kChooseCaption, true);
        else
            OfferChoice("Computer has lost the toss! " + name + kChooseCaption, true);
    } else if (!ComputerCallsToss) {
        OfferChoice(name + kChooseCaption, false);
        Play("DOMagic1");
        Speak(wonBy);
    } else {
        ComputerChooses();
    }
}

// The winner, a person, is asked to choose.
void FrmToss::OfferChoice(const std::string& caption, bool speak)
{
    Frame1[2].Caption = caption;
    Frame1[2].Visible = true;
    lblDesc[1].Visible = true;
    if (speak)
        Speak(kChooseLine);
}

void FrmToss::ComputerChooses()
{
    if (RandomDraw(1, 2) == 1) {
        Frame1[2].Caption = "Computer will bat first";
        FirstBatSide = 1;
        optbatbowl[0].Value = true;
    } else {
        Frame1[2].Caption = "Computer will bowl first";
        FirstBatSide = 0;
        optbatbowl[1].Value = true;
    }
    Frame1[2].Visible = true;
    Frame1[2].Enabled = false;
    lblDesc[1].Caption = Frame1[2].Caption();
    lblDesc[1].Visible = true;
}

void FrmToss::optbatbowl_Click(int Index)
{
    Picture2.Visible = true;
    const int winner = Teams[0].WonToss ? 0 : 1;
    const bool bat = Index == 0;
    // The side that bats first: the winner if he bats, the other side if he bowls.
    FirstBatSide = bat ? winner : 1 - winner;
    Speak(Line()
              .Name(Teams[winner].PlayerName)
              .Words(bat ? " has won the toss and has elected to bat"
                         : " has won the toss and has elected to field"));
}

void FrmToss::cmdNext_Click()
{
    Unload();
    frmStart().Show();
}

} // namespace stumpcraft
