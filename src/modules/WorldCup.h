#pragma once

#include <array>
#include <string>
#include <vector>

namespace stumpcraft::worldcup {

// The World Cup as plain rules and data, with no window and no store: twelve countries drawn
// into two groups of six, a round robin in each group, the semi-finals (first of A against
// second of B, first of B against second of A) and the final; 33 matches in all, numbered in
// the order they are played.

inline constexpr int kGroupSize = 6;
inline constexpr int kCountries = 2 * kGroupSize;
inline constexpr int kRounds = kGroupSize - 1;
inline constexpr int kGroupMatches = kGroupSize * (kGroupSize - 1) / 2; // 15 a group
inline constexpr int kGroupStage = 2 * kGroupMatches; // matches 1 to 30
inline constexpr int kFirstSemi = kGroupStage + 1; // 31: A1 v B2
inline constexpr int kSecondSemi = kGroupStage + 2; // 32: B1 v A2
inline constexpr int kFinal = kGroupStage + 3; // 33
inline constexpr int kMatches = kFinal;

enum class Stage { Group, Semi, Final };

// One side's innings: runs, wickets lost and the balls it faced.
struct Innings {
    int runs = 0;
    int wickets = 0;
    int balls = 0;

    friend bool operator==(const Innings&, const Innings&) = default;
};

// A match once played. Sides are in the fixture's order; the winner is 0 or 1, or -1 for a
// tie in a group match (a knockout always has a winner, see KnockoutWinner).
struct PlayedMatch {
    int number = 0;
    std::array<std::string, 2> sides;
    std::array<Innings, 2> innings;
    int battedFirst = 0;
    int winner = -1;
    std::string result; // "Kenya win by 4 wickets", and for a tied knockout how it was settled
    std::string cardText; // the scorecard as text, and as a piece of a page
    std::string cardHtml;
    bool simulated = true; // no person captained either side

    friend bool operator==(const PlayedMatch&, const PlayedMatch&) = default;
};

// A person in the World Cup and the country he plays.
struct Entrant {
    std::string player;
    std::string country;

    friend bool operator==(const Entrant&, const Entrant&) = default;
};

// The whole tournament: the draw, who plays, and every result so far, in match order.
struct Cup {
    // The order in which the countries came out of the draw: the first six make group A, the
    // next six group B. The order also settles a tie that nothing else can (drawing lots).
    std::array<std::string, kCountries> drawn;
    std::vector<Entrant> humans; // one or two
    int overs = 50;
    int year = 0;
    std::vector<PlayedMatch> played;

    friend bool operator==(const Cup&, const Cup&) = default;
};

// Twelve countries drawn into their order with the game's RandomDraw.
std::array<std::string, kCountries> DrawCountries(std::vector<std::string> countries);

// The countries of group g (0 is A, 1 is B), in the order drawn.
std::array<std::string, kGroupSize> GroupOf(const Cup& cup, int g);
// The group (0 or 1) of a country, or -1.
int GroupOfCountry(const Cup& cup, const std::string& country);
std::string GroupName(int g);

// The pairs of a round robin of six, by the places in the group: five rounds of three.
const std::array<std::array<int, 2>, kGroupMatches>& RoundRobin();

// One fixture. Knockout sides stay empty until the matches before them are played; `label`
// names them then ("Winner A v Runner-up B").
struct Fixture {
    int number = 0;
    Stage stage = Stage::Group;
    int group = -1; // group matches only
    int round = 0; // group matches: 1 to 5
    std::array<std::string, 2> sides;
    std::string label;

    bool Known() const { return !sides[0].empty() && !sides[1].empty(); }
};

// Fixture n (1 to 33) as it stands with the results so far. Group matches go round by round,
// group A's three then group B's three.
Fixture FixtureOf(const Cup& cup, int number);
std::string StageName(const Fixture& fixture);

// One line of a group's table. Net run rate is kept as its exact fraction of runs per ball.
struct TableRow {
    std::string country;
    int played = 0;
    int won = 0;
    int lost = 0;
    int tied = 0;
    int points = 0;
    int runsFor = 0;
    int ballsFaced = 0; // a side bowled out counts its full quota
    int runsAgainst = 0;
    int ballsBowled = 0;

    // Runs an over scored less runs an over conceded, to three decimals with a sign:
    // "+0.452", "-1.250", "0.000".
    std::string NetRunRate() const;
    // Compares the net run rates exactly: <0, 0 or >0.
    int CompareNetRunRate(const TableRow& other) const;
};

// Group g's table after the first `upTo` matches (all played so far by default), ranked:
// points; net run rate; the matches between the sides still level (for two sides, the match
// between them); then the order of the draw.
std::vector<TableRow> GroupTable(const Cup& cup, int g, int upTo = kMatches);

// Points of each side of group g after each round: [place in the draw][round 0..5].
std::array<std::array<int, kRounds + 1>, kGroupSize> PointsRace(const Cup& cup, int g);

// Who wins a match on its figures: the side with more runs, 0 or 1; -1 for a tie. A tied
// knockout goes to the side that lost fewer wickets, then to the higher place in its group,
// then to the better net run rate, then by the draw; `how` says which settled it.
int MatchWinner(const Cup& cup, const Fixture& fixture, const std::array<Innings, 2>& innings,
    std::string* how = nullptr);

// The result line of a match: "Kenya win by 4 wickets", "Kenya win by 12 runs", "Kenya and
// Holland tie", or for a tied knockout the tie and what settled it.
std::string ResultText(
    const Cup& cup, const Fixture& fixture, const std::array<Innings, 2>& innings, int battedFirst);

// The next match to play (1 to 33), or 0 when the final is played.
int NextMatch(const Cup& cup);
// The entrant (index into cup.humans) whose country plays in match n, or -1 for none; with
// two entrants in the same match, the first.
int HumanIn(const Cup& cup, int number);
// The first match from the next one on in which a person's country plays, or 0.
int NextHumanMatch(const Cup& cup);
// Whether a country can play no more matches: out in the groups, or beaten in a knockout.
bool KnockedOut(const Cup& cup, const std::string& country);
// The champions, once the final is played; otherwise empty.
std::string Champion(const Cup& cup);

// Adds a played match as the next result. Throws std::logic_error when it is not the next
// match or its sides are not the fixture's: a result is never counted twice.
void AddResult(Cup& cup, PlayedMatch match);

// "Australia 245/6 (50 ov)", "Kenya 180 (44.2 ov)" for an all-out side.
std::string InningsText(const std::string& country, const Innings& innings);

} // namespace stumpcraft::worldcup
