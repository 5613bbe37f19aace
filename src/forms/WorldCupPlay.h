#pragma once

#include "modules/WorldCup.h"

#include <optional>
#include <string>
#include <vector>

namespace stumpcraft {

// The World Cup of this run, as the records store keeps it, and the way its matches are
// played: a person's through the toss, both team sheets and the match screen; every other
// match at once, headless, the computer captaining both sides.
struct WorldCupRun {
    long long id = 0; // in the records store; 0 when the game runs without one
    worldcup::Cup cup;
    int humanMatch = 0; // the match a person is playing on the match screen now, or 0
    bool backFromMatch = false; // that match is decided: the way out leads back to the cup
};

inline std::optional<WorldCupRun> ThisWorldCup;

// Draws a new World Cup for these people and stores it in place of one unfinished. Throws
// RuntimeError when the store cannot write it.
WorldCupRun BeginWorldCup(std::vector<worldcup::Entrant> humans, int overs, int year);

// The World Cup left unfinished in the records store, if any.
std::optional<WorldCupRun> UnfinishedWorldCup();

// The played match as the match state holds it now, with its card, as match n of the cup.
worldcup::PlayedMatch MatchFromState(const worldcup::Cup& cup, int number, bool simulated);

// Books match n: into the store first (the result, the people's games counted and, after the
// final, the winners' rows, in one transaction), then into the cup. After the final the
// commentator announces the champions. False when the store refused it (a message said why):
// the match is then to be played again.
bool BookMatch(WorldCupRun& run, worldcup::PlayedMatch match);

// Plays the next match headless and books it. False when it could not be booked.
bool SimulateNextMatch(WorldCupRun& run);
// Plays every match before the next one of a person's country; with none left to him, every
// match to the end. Returns how many were played.
int SimulateToHumanMatch(WorldCupRun& run);

// Sets the match state up for the next match, which is a person's (his country as side 0),
// loads the players' records and opens the toss.
void StartHumanMatch(WorldCupRun& run);

// Where a finished match's way out goes: back to the World Cup window when the match was the
// World Cup's (true), else nowhere (false).
bool ReturnToWorldCup();

// "World Cup 2026, 50 overs a side".
std::string WorldCupTitle(const worldcup::Cup& cup);

} // namespace stumpcraft
