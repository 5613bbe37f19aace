// The World Cup window's behaviour: it shows the cup as it stands and plays it on, a person's
// match through the usual screens and every other match at once.
#include "forms/frmWorldCup.h"

#include "forms/WorldCupPlay.h"
#include "forms/frmMenu.h"
#include "modules/Manual.h"
#include "modules/ReturnToMenu.h"
#include "modules/ScorecardFile.h"
#include "modules/WorldCupChart.h"
#include "modules/WorldCupPage.h"
#include "platform/Errors.h"
#include "platform/Services.h"

#include <ctime>
#include <sstream>

namespace stumpcraft {

using namespace worldcup;

FrmWorldCup& frmWorldCup() { return forms::Instance<FrmWorldCup>(); }

void FrmWorldCup::WireEvents()
{
    cmdPlay.Click = [this] { cmdPlay_Click(); };
    cmdSimTo.Click = [this] { cmdSimTo_Click(); };
    cmdSimMine.Click = [this] { cmdSimMine_Click(); };
    cmdKeep.Click = [this] { cmdKeep_Click(); };
    cmdHelp.Click = [this] { cmdHelp_Click(); };
    cmdMenu.Click = [this] { cmdMenu_Click(); };
    lstFixtures.Click = [this] { lstFixtures_Click(); };
}

void FrmWorldCup::Form_Load() { ShowCup(); }

void FrmWorldCup::Form_QueryUnload(bool& cancel, UnloadMode mode)
{
    (void)cancel;
    // The close box ends the game, as on every screen; the cup is kept match by match.
    if (mode != UnloadMode::FormCode) {
        if (FrmMenu* menu = forms::IfLoaded<FrmMenu>())
            menu->Unload();
        EndGame();
    }
}

void FrmWorldCup::ShowCup()
{
    if (!ThisWorldCup)
        return;
    lblTitle.Caption = WorldCupTitle(ThisWorldCup->cup);
    ShowTables();
    ShowFixtures();
    ShowNextMatch();
}

void FrmWorldCup::ShowTables()
{
    const Cup& cup = ThisWorldCup->cup;
    for (int g = 0; g < 2; ++g) {
        const std::vector<TableRow> table = GroupTable(cup, g);
        for (int r = 0; r < kGroupSize; ++r) {
            const TableRow& row = table[static_cast<std::size_t>(r)];
            const std::string cells[kColumns] = { std::to_string(r + 1), row.country,
                std::to_string(row.played), std::to_string(row.won), std::to_string(row.lost),
                std::to_string(row.tied), std::to_string(row.points), row.NetRunRate() };
            for (int c = 0; c < kColumns; ++c)
                Cell(g, r + 1, c).Caption = cells[c];
            bool human = false;
            for (const Entrant& e : cup.humans)
                human = human || e.country == row.country;
            Cell(g, r + 1, 1).FontBold = human;
        }
        chtRace[g].Data = PointsRaceChart(cup, g);
    }
}

namespace {
    std::string FixtureLine(const Cup& cup, int number)
    {
        const Fixture f = FixtureOf(cup, number);
        std::string line = std::to_string(number) + ". " + StageName(f) + ": " + f.label;
        if (number <= static_cast<int>(cup.played.size()))
            return line + " - " + cup.played[static_cast<std::size_t>(number - 1)].result;
        if (number == NextMatch(cup))
            line = "Next: " + line;
        if (HumanIn(cup, number) >= 0)
            line += " (your match)";
        return line;
    }
} // namespace

void FrmWorldCup::ShowFixtures()
{
    const Cup& cup = ThisWorldCup->cup;
    const int picked = lstFixtures.ListIndex;
    lstFixtures.Clear();
    for (int n = 1; n <= kMatches; ++n)
        lstFixtures.AddItem(FixtureLine(cup, n));
    // The last result stands picked, with its card beside the list.
    const int last = static_cast<int>(cup.played.size()) - 1;
    lstFixtures.ListIndex = last >= 0 ? last : picked;
    lstFixtures_Click();
}

void FrmWorldCup::ShowNextMatch()
{
    const Cup& cup = ThisWorldCup->cup;
    const int next = NextMatch(cup);
    const bool mine = next != 0 && HumanIn(cup, next) >= 0;
    bool stillIn = false;
    for (const Entrant& e : cup.humans)
        stillIn = stillIn || !KnockedOut(cup, e.country);
    if (next == 0) {
        lblNext.Caption = "The World Cup is over: " + Champion(cup) + " are the champions ("
            + cup.played.back().result + ").";
    } else {
        const Fixture f = FixtureOf(cup, next);
        lblNext.Caption = "Next, match " + std::to_string(next) + " (" + StageName(f)
            + "): " + f.label + (mine ? ", your match." : ".");
    }
    cmdPlay.Enabled = mine;
    cmdSimMine.Enabled = mine;
    cmdSimTo.Enabled = next != 0 && !mine;
    cmdSimTo.Caption = stillIn ? "&Simulate to my next match" : "&Simulate to the end";
}

void FrmWorldCup::lstFixtures_Click()
{
    lstCard.Clear();
    const Cup& cup = ThisWorldCup->cup;
    const int picked = lstFixtures.ListIndex;
    if (picked < 0 || picked >= static_cast<int>(cup.played.size())) {
        lblCard.Caption = "Scorecard";
        lstCard.AddItem(
            picked < 0 ? "Pick a match in the list for its scorecard." : "Not played yet.");
        return;
    }
    const PlayedMatch& m = cup.played[static_cast<std::size_t>(picked)];
    lblCard.Caption = "Scorecard of match " + std::to_string(m.number);
    std::istringstream lines(m.cardText);
    for (std::string line; std::getline(lines, line);)
        lstCard.AddItem(line);
}

void FrmWorldCup::cmdPlay_Click()
{
    const Cup& cup = ThisWorldCup->cup;
    if (NextMatch(cup) == 0 || HumanIn(cup, NextMatch(cup)) < 0)
        return;
    Hide();
    StartHumanMatch(*ThisWorldCup);
}

// Plays on headless; a squad that cannot be read or a match that went wrong is told, and the
// cup shows what was booked before it.
void FrmWorldCup::Simulate(const std::function<void(WorldCupRun&)>& play)
{
    try {
        play(*ThisWorldCup);
    } catch (const std::exception& e) {
        ShowErrorBox(e);
    }
    ShowCup();
}

void FrmWorldCup::cmdSimTo_Click() { Simulate(SimulateToHumanMatch); }

void FrmWorldCup::cmdSimMine_Click()
{
    const Cup& cup = ThisWorldCup->cup;
    if (NextMatch(cup) != 0 && HumanIn(cup, NextMatch(cup)) >= 0)
        Simulate(SimulateNextMatch);
}

void FrmWorldCup::cmdKeep_Click()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    try {
        const std::string kept = KeepWorldCupPage(ThisWorldCup->cup, local);
        lblNext.ToolTipText = "Kept as " + kept;
        MsgBox("The World Cup is kept in the Scorecards folder as\n" + kept, MsgButtons::OK,
            MsgIcon::Information);
    } catch (const RuntimeError& e) {
        MsgBox(std::string("The World Cup could not be kept. ") + e.what() + ".", MsgButtons::OK,
            MsgIcon::Exclamation);
    }
}

void FrmWorldCup::cmdHelp_Click() { ShowManual(*this); }

void FrmWorldCup::cmdMenu_Click()
{
    // The cup stays in the records, to be carried on from the menu.
    ThisWorldCup.reset();
    Unload();
    ReturnToMainMenu();
}

} // namespace stumpcraft
