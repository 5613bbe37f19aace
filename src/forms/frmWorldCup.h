#pragma once

#include "platform/Chart.h"
#include "platform/Form.h"

#include <functional>

namespace stumpcraft {

struct WorldCupRun;

// The World Cup window: both group tables with their points race, the fixtures in order with
// each result, the card of the match picked there, the next match, and the buttons that play
// a person's match through the usual screens, simulate the others, keep the whole tournament
// as a page, and go back to the main menu. It shows ThisWorldCup.
class FrmWorldCup : public Form {
public:
    FrmWorldCup();

    static constexpr int kColumns = 8; // place, country, P, W, L, T, Pts, NRR
    static constexpr int kTableRows = 7; // the heading and six sides
    static constexpr int kCellsPerGroup = kColumns * kTableRows;

    Label lblTitle { this, "lblTitle" };
    ControlArray<Frame, 2> fraGroup { this, "fraGroup" };
    // Group g's cell at row r (0 the heading) and column c: index g * 56 + r * 8 + c.
    ControlArray<Label, 2 * kCellsPerGroup> lblTable { this, "lblTable" };
    ControlArray<Chart, 2> chtRace { this, "chtRace" };
    Label lblFixtures { this, "lblFixtures" };
    ListBox lstFixtures { this, "lstFixtures" };
    Label lblCard { this, "lblCard" };
    ListBox lstCard { this, "lstCard" };
    Label lblNext { this, "lblNext" };
    CommandButton cmdPlay { this, "cmdPlay" };
    CommandButton cmdSimTo { this, "cmdSimTo" };
    CommandButton cmdSimMine { this, "cmdSimMine" };
    CommandButton cmdKeep { this, "cmdKeep" };
    CommandButton cmdHelp { this, "cmdHelp" };
    CommandButton cmdMenu { this, "cmdMenu" };

    // Shows the World Cup as it stands: tables, races, fixtures, the next match, the buttons.
    void ShowCup();

    void cmdPlay_Click();
    void cmdSimTo_Click();
    void cmdSimMine_Click();
    void cmdKeep_Click();
    void cmdHelp_Click();
    void cmdMenu_Click();
    void lstFixtures_Click();

    Label& Cell(int group, int row, int column)
    {
        return lblTable[group * kCellsPerGroup + row * kColumns + column];
    }

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override;

private:
    void LayOutGroups();
    void LayOutFixtures();
    void LayOutButtons();
    void WireEvents();
    void ShowTables();
    void ShowFixtures();
    void ShowNextMatch();
    void Simulate(const std::function<void(WorldCupRun&)>& play);
};

FrmWorldCup& frmWorldCup();

} // namespace stumpcraft
