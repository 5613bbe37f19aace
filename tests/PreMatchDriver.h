#pragma once

// A player going through the screens before the first ball as quickly as they allow.
#include "fakes/FakeServices.h"
#include "forms/frmMenu.h"
#include "forms/frmStart.h"

#include <array>

namespace stumpcraft::testing {

// Picks the entry of that text in the list.
void Pick(ComboBox& list, const std::string& entry);

// Marks the rows as captain, keeper, first and second bowler.
void MarkSpecials(FrmStart& sheet, const std::array<int, 4>& rows);

// Picks the first row as captain, the sixth as keeper (the invented squads' keeper) and the
// last two as opening bowlers, and continues.
void SignSheet(FrmStart& sheet);

// The menu's first stages: the game type, one player or two as there are names, the names.
void EnterPlayers(FrmMenu& menu, int gameType, const std::vector<std::string>& names);

// From the menu's first stage to the match screen: the players, the countries and the overs,
// then the toss and both sheets (a one-innings game stops at its setup screen). The squads of
// both countries must be in the program's folder.
void SetUpGame(FrmMenu& menu, int gameType, const std::vector<std::string>& names,
    const std::string& country0, const std::string& country1, const char* overs = "50");

// From the toss (when the game has one) through both sheets to the match screen.
void TossAndSheets();

} // namespace stumpcraft::testing
