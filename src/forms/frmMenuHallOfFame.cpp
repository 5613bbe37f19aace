// The hall of fame inside the main menu: one row of the records store at a time (the all-time
// bests of "All", the computer's or a player's), and the link that wipes it.
#include "forms/frmMenu.h"
#include "modules/NumberFormat.h"
#include "modules/RecordsStore.h"
#include "platform/Errors.h"

namespace stumpcraft {

namespace {
    // A tie is half a win; a player with no games has "0" without a percent sign.
    std::string WinPercentage(int played, int won, int tied)
    {
        if (played == 0)
            return "0";
        return FormatRatio((2LL * won + tied) * 100, 2LL * played) + " %";
    }
} // namespace

// Rows 1 to 4 (the counts) mean nothing for the all-time bests.
void FrmMenu::ShowHallOfFameRows(bool shown)
{
    PlaceHallOfFameRows(shown);
    for (int i = 0; i <= 3; ++i) {
        lbls[i].Visible = shown;
        lblRVal[i].Visible = shown;
    }
    lbls[14].Visible = shown;
    lblRVal[18].Visible = shown;
}

// "Kenya 2026 (50 overs)" for each World Cup the player won, oldest first.
void FrmMenu::ShowWorldCupWins(const std::string& name)
{
    std::string wins;
    for (const RecordsStore::WorldCupWin& win : cnRecords->WorldCupWins(name))
        wins += (wins.empty() ? "" : ", ") + win.country + " " + std::to_string(win.year) + " ("
            + std::to_string(win.overs) + " overs)";
    lblRVal[18].Caption = wins.empty() ? "none" : wins;
    lblRVal[18].ToolTipText = wins;
}

void FrmMenu::ShowRecord(const PlayerRecord& r)
{
    const auto number = [](int n) { return std::to_string(n); };
    lblRVal[0].Caption = number(r.Played);
    lblRVal[1].Caption = number(r.Won);
    lblRVal[2].Caption = number(r.Ties);
    lblRVal[3].Caption = WinPercentage(r.Played, r.Won, r.Ties);
    lblRVal[4].Caption = number(r.HighestRuns.Value);
    lblRVal[5].Caption = r.HighestRuns.Team;
    lblRVal[6].Caption = number(r.HighestRunsPlr.Value);
    lblRVal[7].Caption = r.HighestRunsPlr.Who;
    lblRVal[8].Caption = r.HighestRunsPlr.Team;
    lblRVal[9].Caption = number(r.MostWicketsPlr.Value);
    lblRVal[10].Caption = r.MostWicketsPlr.Who;
    lblRVal[11].Caption = r.MostWicketsPlr.Team;
    ShowFastest(r.FastestCentury, lblRVal[12], lbls[11], lblRVal[13], lblRVal[14]);
    ShowFastest(r.FastestHalfCentury, lblRVal[15], lbls[13], lblRVal[16], lblRVal[17]);
}

// The store keeps 10000 balls for a fastest figure nobody has made yet: the view says "-",
// and there are no balls and nobody to name after it.
void FrmMenu::ShowFastest(
    const RecordFigure& fastest, Label& balls, Label& ballsBy, Label& who, Label& team)
{
    const bool set = fastest.Value != PlayerRecord::kNoFastest;
    balls.Caption = set ? std::to_string(fastest.Value) : std::string("-");
    ballsBy.Visible = set;
    who.Caption = set ? fastest.Who : std::string();
    team.Caption = set ? fastest.Team : std::string();
}

void FrmMenu::cmbNames_Click()
{
    const std::string name = cmbNames.Text;
    ShowHallOfFameRows(name != "All");
    if (!cnRecords)
        return;
    try {
        if (const auto row = cnRecords->Find(name))
            ShowRecord(*row);
        ShowWorldCupWins(name);
    } catch (const RuntimeError& error) {
        ShowErrorBox(error);
    }
}

// No question asked: the row goes back to the empty record and the view shows it at once.
void FrmMenu::lblReset_Click()
{
    const std::string name = cmbNames.Text;
    if (!cnRecords || name.empty())
        return;
    try {
        cnRecords->ResetPlayer(name);
    } catch (const RuntimeError& error) {
        ShowErrorBox(error);
    }
    cmbNames_Click();
}

} // namespace stumpcraft
