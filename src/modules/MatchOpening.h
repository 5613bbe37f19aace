#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace stumpcraft {

// A kept match that cannot be taken back: cut short, damaged, written by another program or
// by another version of the game. What it says is for the record, not for the player.
class KeptMatchDamaged : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One press of the player's that changed the match, as the kept match's log holds it: a play
// button, the innings button, a bowler chosen (a = his slot) or a level set (a = the frame,
// b = the level). `at` counts the deliveries of the match played before it, so a level set
// while a press was being told goes back in before the same ball.
enum class PressKind : char { Bowl = 'B', Over = 'O', Innings = 'C', Bowler = 'W', Level = 'L' };
struct Press {
    PressKind kind = PressKind::Bowl;
    int a = 0;
    int b = 0;
    int at = 0;

    friend bool operator==(const Press&, const Press&) = default;
};

// Checks a press read from a file: its kind, and its slot, frame and level within range.
bool PressIsSound(const Press& press);

// Deliveries of both innings played so far.
int DeliveriesPlayed();

// The match as the match screen opens it, as text: the settings, both sides as they stand
// (names, ratings, specials, a one-innings total), both players' records as loaded and the
// generator's state. Together with the log of presses it is the whole match.
std::string OpeningOfMatch();

// Puts an opening back into the match state, which starts afresh (the commentator stays as
// he is), and the generator back to its state. Throws KeptMatchDamaged when the text is not
// an opening this version wrote whole.
void RestoreOpening(const std::string& text);

// What must come out the same when a kept match is played again: the score of both sides,
// the over, the batsmen and bowlers, the levels, the result and the generator's state.
std::string MatchFingerprint();

// A running check over the opening and every press, so a changed byte anywhere in them shows.
struct KeepDigest {
    unsigned long long value = 14695981039346656037ULL;
    void Add(const std::string& text);
    void Add(const Press& press);
    std::string Text() const;
};

// "Australia 143/4 in 27.3 overs against Bangladesh, Ann against the computer": the match
// in the match state as the main menu offers it back.
std::string MatchInProgressText();

} // namespace stumpcraft
