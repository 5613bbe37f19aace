#include "forms/frmBowlChange.h"

#include "forms/frmMain.h"
#include "modules/KeepMatch.h"
#include "modules/MatchText.h"
#include "modules/NumberFormat.h"
#include "modules/Quota.h"
#include "modules/modVars.h"

namespace stumpcraft {

namespace {
    // A bowler's overs as the card shows them ("7", "7.4"), to the nearest whole over, halves
    // to even: a card showing 1.5 overs counts as 2.
    long long WholeOvers(int balls)
    {
        const long long tenths = balls / 6 * 10LL + balls % 6;
        return RoundDiv(tenths, 10);
    }

    // The balls behind the card's figures for this name: none when he has no row.
    int CardBalls(const std::string& name)
    {
        const int row = BowlingRowOf(name);
        return row < 0 ? 0 : Teams[1 - CurrBatSide].Plr[State.BowlingOrder[row]].BallsBowled;
    }
} // namespace

FrmBowlChange& frmBowlChange() { return forms::Instance<FrmBowlChange>(); }

void ShowBowlerChange()
{
    FrmBowlChange& screen = frmBowlChange();
    screen.Show(true);
    // Closed without a choice, or shown without a toolkit: next time it opens afresh.
    if (screen.IsLoaded())
        screen.Unload();
}

// The rows and columns of the match screen's bowling card, on a bordered panel of its own
// under the window's title, with a Cancel button below the eleven.
FrmBowlChange::FrmBowlChange()
    : Form("frmBowlChange")
{
    using namespace look;
    Caption = "Choose a new Bowler";
    Width = kBowlingWidth;
    Height = 428;
    Picture1.Move(0, 0, Width, Height);
    Picture1.BackColor = kPitch;
    Picture1.Boxed = true;

    const Column line { kBowlerName.left, Width - 2 * kBowlerName.left };
    Heading(lblTitle, Picture1, line.left, 8, line.width, Caption.c_str());
    lblTitle.FontSize = kTitlePrint;
    lblTitle.Height = kTitleHeight;
    look::Cell(lblMsg, Picture1, line, 36);
    lblMsg.ForeColor = kHeading;
    static const char* const kHeadings[] = { "Overs", "Maidens", "Runs", "Wickets", "Bowler" };
    static const Column kColumns[]
        = { kBowlerOvers, kBowlerMaidens, kBowlerRuns, kBowlerWickets, kBowlerName };
    for (int i = 0; i < 5; ++i)
        Heading(labels[i], Picture1, kColumns[i].left, 64, kColumns[i].width, kHeadings[i],
            i < 4 ? Alignment::Right : Alignment::Left);
    for (int i = 0; i <= 10; ++i) {
        const int top = 86 + i * 28;
        look::Cell(lblBlrName[i], Picture1, kBowlerName, top);
        lblBlrName[i].MousePointer = Cursor::Hand;
        lblBlrName[i].Click = [this, i] { lblBlrName_Click(i); };
        look::Cell(lblOvers[i], Picture1, kBowlerOvers, top, Alignment::Right);
        look::Cell(lblMaidens[i], Picture1, kBowlerMaidens, top, Alignment::Right);
        look::Cell(lblRunsGiven[i], Picture1, kBowlerRuns, top, Alignment::Right);
        look::Cell(lblWicketsTaken[i], Picture1, kBowlerWickets, top, Alignment::Right);
    }
    Place(cmdCancel, Picture1, Width - kBowlerName.left - 100, Height - 36, 100, 28);
    cmdCancel.Caption = "Cancel";
    cmdCancel.Cancel = true;
    cmdCancel.Click = [this] { Unload(); };
}

void FrmBowlChange::Form_Load()
{
    lblMsg.Caption = "Simply, click on the bowler to set him up as next change";
    for (int i = 0; i <= 10; ++i)
        FillRow(i);
}

// A player's row: his name, and the figures of the match screen's bowling card row of his
// name if he has bowled in this innings.
void FrmBowlChange::FillRow(int i)
{
    const std::string name = Trim(Teams[1 - CurrBatSide].Plr[i].Name);
    lblBlrName[i].Caption = name;
    const int row = BowlingRowOf(name);
    if (row < 0)
        return;
    BowlerFigures figures = FiguresOf(Teams[1 - CurrBatSide].Plr[State.BowlingOrder[row]]);
    lblOvers[i].Caption = std::move(figures.overs);
    lblMaidens[i].Caption = std::move(figures.maidens);
    lblRunsGiven[i].Caption = std::move(figures.runs);
    lblWicketsTaken[i].Caption = std::move(figures.wickets);
}

// Says why the player may not bowl the coming over, if he may not.
bool FrmBowlChange::Refused(const std::string& name)
{
    const MatchTeam& field = Teams[1 - CurrBatSide];
    if (name == Trim(field.Plr[field.Keeper].Name)) {
        SayOrShow("Sorry! You can not choose the keeper!");
        return true;
    }
    if (QuotaOversBowled(WholeOvers(CardBalls(name)))) {
        SayOrShow(Line("Sorry! ").Name(name).Words(
            " has bowled out his quota of " + std::to_string(QuotaOvers()) + " overs"));
        return true;
    }
    // Between overs the other end is the next over's bowler; during one, the bowler on now.
    const bool betweenOvers = BallOfOver == 0 || BallOfOver == 6;
    if (name == Trim(field.Plr[betweenOvers ? OtherBowler : CurrBowler].Name)) {
        SayOrShow(Line("Sorry! You can not choose ")
                      .Name(name)
                      .Words(", as he is bowling at the other end!"));
        return true;
    }
    return false;
}

void FrmBowlChange::lblBlrName_Click(int Index)
{
    const std::string name = Trim(Teams[1 - CurrBatSide].Plr[Index].Name);
    if (Refused(name))
        return;
    if (BallOfOver == 0 || BallOfOver == 6)
        CurrBowler = Index;
    else
        OtherBowler = Index;
    State.ShownNextBowler = Index;
    keeper::Note(PressKind::Bowler, Index);
    frmMain().Repaint();
    Unload();
}

} // namespace stumpcraft
