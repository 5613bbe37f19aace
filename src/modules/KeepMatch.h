#pragma once

#include "modules/MatchArchive.h"

#include <string>

namespace stumpcraft {

// The match in progress, kept after every press that changes it, so that neither a close,
// a crash nor a power cut loses it. The match screen tells the keeper when a match opens,
// each press as it starts, and when a press is over; the keeper writes the press with the
// score it led to in one transaction of the kept matches' file (MatchArchive).

// Whether the matches played are kept. The game turns it on; the tests, the benchmarks, the
// season simulator and the matches the World Cup plays by itself leave it off.
inline bool KeepMatchesInPlay = false;

// Told before each delivery of a press: a kept match being played again puts back the levels
// the player set while the press was being told. Empty otherwise.
inline void (*BeforeEachDelivery)() = nullptr;
// Told after each delivery, once the board shows it: a kept match watched again stops there.
inline void (*AfterEachDelivery)() = nullptr;

namespace keeper {
    // The match screen is opening a new match: its opening is taken before the screen's load
    // changes anything, and kept, in place of any match kept before, once the load is over.
    void BeginMatch();
    void Opened();
    // A match taken back from the file goes on being kept where it stopped.
    void GoOn(const MatchArchive::Kept& kept);
    // A press that changes the match has started (or, for a level, happened).
    void Note(PressKind kind, int a = 0, int b = 0);
    // The press is over: it is written with the score it led to. A decided match is kept
    // among the decided ones, and keeping stops. A file that cannot be written is told once,
    // and the match goes on unkept.
    void PressDone();
    // Keeping stops without a word (the match is being played again, or has gone).
    void Stop();
    // The name of the match being kept, by which the records count it once; "" when none.
    const std::string& MatchKey();
    // The open file, opened (and made) on first use; null when it cannot be.
    MatchArchive* Archive();
    // Lets go of the file (the end of the program, or a test's).
    void CloseArchive();
} // namespace keeper

} // namespace stumpcraft
