#pragma once

// A player going through the screens before the first ball as quickly as they allow.
#include "forms/frmMenu.h"
#include "forms/frmStart.h"
#include "forms/frmToss.h"

#include <string>

namespace stumpcraft::testing {

// Calls heads where a person calls, bats first where a person chooses, and continues.
void TakeToss(FrmToss& toss);

// Picks the first row as captain, the sixth as keeper (the invented squads' keeper) and the
// last two as opening bowlers, and continues.
void SignSheet(FrmStart& sheet);

// From the menu's first stage to the match screen: the game type, the players, the
// countries and the overs, then the toss and both sheets (a one-innings game stops at its
// setup screen). The squads of both countries must be in the program's folder.
void SetUpGame(FrmMenu& menu, int gameType, const std::vector<std::string>& names,
    const std::string& country0, const std::string& country1, const char* overs = "50");

} // namespace stumpcraft::testing
