#include "forms/frmBowlChange.h"

#include "forms/frmMain.h"
#include "modules/MatchText.h"
#include "modules/NumberFormat.h"
#include "modules/Quota.h"
#include "modules/modVars.h"

namespace stumpcraft {

namespace {
    constexpr Color kBackground = RGB(24, 88, 48);
    constexpr Color kChalk = RGB(240, 240, 224);
    constexpr Color kHeading = RGB(255, 224, 128);

    // Overs as the card shows them ("7", "7.4"), to the nearest whole over, halves to even.
    long long WholeOvers(const std::string& caption)
    {
        const std::string text = Trim(caption);
        if (text.empty())
            return 0;
        const auto point = text.find('.');
        long long tenths = CaptionNumber(text.substr(0, point)) * 10LL;
        if (point != std::string::npos && point + 1 < text.size())
            tenths += text[point + 1] - '0';
        return RoundDiv(tenths, 10);
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

FrmBowlChange::FrmBowlChange()
    : Form("frmBowlChange")
{
    Caption = "Choose a new Bowler";
    Width = 440;
    Height = 376;
    Picture1.Move(0, 0, Width, Height);
    Picture1.BackColor = kBackground;

    auto place = [this](Label& l, int left, int top, int width, Color colour) {
        l.SetContainer(Picture1);
        l.Move(left, top, width, 22);
        l.ForeColor = colour;
    };
    place(lblMsg, 12, 8, 416, kHeading);
    static const char* const kHeadings[] = { "Overs", "Maidens", "Runs", "Wickets", "Bowler" };
    static const int kLefts[] = { 176, 240, 304, 368, 12 };
    for (int i = 0; i < 5; ++i) {
        place(labels[i], kLefts[i], 36, i < 4 ? 60 : 160, kHeading);
        labels[i].Caption = kHeadings[i];
        labels[i].FontBold = true;
        labels[i].TextAlign = i < 4 ? Alignment::Right : Alignment::Left;
    }
    for (int i = 0; i <= 10; ++i) {
        const int top = 62 + i * 28;
        place(lblBlrName[i], 12, top, 160, kChalk);
        lblBlrName[i].MousePointer = Cursor::Hand;
        lblBlrName[i].Click = [this, i] { lblBlrName_Click(i); };
        for (Label* figure :
            { &lblOvers[i], &lblMaidens[i], &lblRunsGiven[i], &lblWicketsTaken[i] })
            figure->TextAlign = Alignment::Right;
        place(lblOvers[i], 176, top, 60, kChalk);
        place(lblMaidens[i], 240, top, 60, kChalk);
        place(lblRunsGiven[i], 304, top, 60, kChalk);
        place(lblWicketsTaken[i], 368, top, 60, kChalk);
    }
}

void FrmBowlChange::Form_Load()
{
    lblMsg.Caption = "Simply, click on the bowler to set him up as next change";
    for (int i = 0; i <= 10; ++i)
        FillRow(i);
}

// A player's row: his name, and his figures from the match screen's bowling card if he has
// bowled in this innings.
void FrmBowlChange::FillRow(int i)
{
    const std::string name = Trim(Teams[1 - CurrBatSide].Plr[i].Name);
    lblBlrName[i].Caption = name;
    FrmMain& card = frmMain();
    for (int r = 0; r <= 10 && !card.lblBlrName[r].Caption().empty(); ++r) {
        if (Trim(card.lblBlrName[r].Caption) == name) {
            lblOvers[i].Caption = card.lblOvers[r].Caption();
            lblMaidens[i].Caption = card.lblMaidens[r].Caption();
            lblRunsGiven[i].Caption = card.lblRunsGiven[r].Caption();
            lblWicketsTaken[i].Caption = card.lblWicketsTaken[r].Caption();
            return;
        }
    }
}

// Says why the player may not bowl the coming over, if he may not.
bool FrmBowlChange::Refused(int Index, const std::string& name)
{
    const MatchTeam& field = Teams[1 - CurrBatSide];
    if (name == Trim(field.Plr[field.Keeper].Name)) {
        SayOrShow("Sorry! You can not choose the keeper!");
        return true;
    }
    if (QuotaOversBowled(WholeOvers(lblOvers[Index].Caption))) {
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
    const std::string name = Trim(lblBlrName[Index].Caption);
    if (Refused(Index, name))
        return;
    if (BallOfOver == 0 || BallOfOver == 6)
        CurrBowler = Index;
    else
        OtherBowler = Index;
    frmMain().lblNxtBlr.Caption = "Next Bowler: " + name;
    Unload();
}

} // namespace stumpcraft
