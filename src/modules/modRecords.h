#pragma once

namespace stumpcraft {

// The result of the match and the records of an innings.

// Announces the result and counts the game for both players (not in a one-innings game);
// the innings button becomes "E&xit to Main Menu". Result -1: a tie; 0: the side that batted
// first won by Margin runs; 1: the side batting now won with Margin wickets in hand.
void ShowResult(int Result, int Margin);

// Compares the innings just ended with both players' records in memory: highest total and
// best innings for the batting side, best bowling for the fielding side. Only a strictly
// better figure breaks a record.
void CheckRecords();

// The slot (0-10) of the batting side's highest scorer; the earlier slot wins a tie.
int TopScorer();
// The slot (0-10) of the fielding side's best wicket-taker; the earlier slot wins a tie.
int TopWicketTaker();

} // namespace stumpcraft
