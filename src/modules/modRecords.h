#pragma once

#include "modules/modVars.h"

namespace stumpcraft {

// The result of the match and the records of an innings.

// Announces the result and counts the game for both players (not in a one-innings game);
// the innings button becomes "E&xit to Main Menu". Result -1: a tie; 0: the side that batted
// first won by Margin runs; 1: the side batting now won with Margin wickets in hand.
void ShowResult(int Result, int Margin);

// Whether ShowResult counts the game in the players' rows. A World Cup match leaves the count
// to its own record of the result, which books both in one transaction.
inline bool ShowResultCountsGame = true;

// Writes the records of the innings just ended back to the records store: the batting records
// of the side that batted, the bowling record of the side that fielded, and any all-time best
// they beat. A failed write is reported and the match goes on.
void UpdateRecords();

// Compares the innings just ended with both players' records in memory: highest total and
// best innings for the batting side, best bowling for the fielding side. Only a strictly
// better figure breaks a record.
void CheckRecords();

// Offers a figure of this match to one record figure in memory: it is taken, and RecordBroken
// set, only when it is strictly better (more runs or wickets; fewer balls for the fastest
// fifty and hundred), so an equal figure keeps the older record.
void OfferRecord(PlayerRecord& record, RecordFigure PlayerRecord::*figure, RecordFigure offered);

// Takes into `into` every figure of the chosen groups (RecordsStore::Columns) in which `from`
// is strictly better; returns the groups that changed.
unsigned MergeRecords(PlayerRecord& into, const PlayerRecord& from, unsigned groups);

// The slot (0-10) of the batting side's highest scorer; the earlier slot wins a tie.
int TopScorer();
// The slot (0-10) of the fielding side's best wicket-taker; the earlier slot wins a tie.
int TopWicketTaker();

} // namespace stumpcraft
