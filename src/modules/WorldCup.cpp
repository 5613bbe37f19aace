#include "modules/WorldCup.h"

#include "modules/NumberFormat.h"
#include "modules/Scorecard.h"
#include "modules/modProcs.h"

#include <algorithm>
#include <stdexcept>

namespace stumpcraft::worldcup {

namespace {
    constexpr int kAllOut = 10;

    // The circle method: place 0 stays, the others turn round it a step each round.
    constexpr std::array<std::array<int, 2>, kGroupMatches> kRoundRobin { {
        { 0, 5 }, { 1, 4 }, { 2, 3 }, // round 1
        { 0, 4 }, { 5, 3 }, { 1, 2 }, // round 2
        { 0, 3 }, { 4, 2 }, { 5, 1 }, // round 3
        { 0, 2 }, { 3, 1 }, { 4, 5 }, // round 4
        { 0, 1 }, { 2, 5 }, { 3, 4 }, // round 5
    } };

    // The balls a side's innings counts for net run rate: a side bowled out faced its quota.
    int RateBalls(const Innings& innings, int overs)
    {
        return innings.wickets >= kAllOut ? overs * 6 : innings.balls;
    }

    // Where a country came out of the draw: the lower, the luckier in a drawing of lots.
    int DrawPlace(const Cup& cup, const std::string& country)
    {
        const auto it = std::find(cup.drawn.begin(), cup.drawn.end(), country);
        return static_cast<int>(it - cup.drawn.begin());
    }

    const PlayedMatch* Played(const Cup& cup, int number)
    {
        const auto n = static_cast<std::size_t>(number);
        return n >= 1 && n <= cup.played.size() ? &cup.played[n - 1] : nullptr;
    }

    std::string WinnerOf(const Cup& cup, int number)
    {
        const PlayedMatch* match = Played(cup, number);
        return match && match->winner >= 0 ? match->sides[static_cast<std::size_t>(match->winner)]
                                           : std::string {};
    }

    // Points each side of `countries` took from the group matches among them alone.
    std::vector<int> PointsAmong(
        const Cup& cup, const std::vector<std::string>& countries, int upTo)
    {
        std::vector<int> points(countries.size(), 0);
        const auto indexOf = [&](const std::string& c) {
            return static_cast<int>(
                std::find(countries.begin(), countries.end(), c) - countries.begin());
        };
        for (const PlayedMatch& m : cup.played) {
            if (m.number > upTo || m.number > kGroupStage)
                continue;
            const int a = indexOf(m.sides[0]);
            const int b = indexOf(m.sides[1]);
            if (a == static_cast<int>(countries.size()) || b == static_cast<int>(countries.size()))
                continue;
            if (m.winner < 0) {
                points[static_cast<std::size_t>(a)] += 1;
                points[static_cast<std::size_t>(b)] += 1;
            } else {
                points[static_cast<std::size_t>(m.winner == 0 ? a : b)] += 2;
            }
        }
        return points;
    }

    void Book(TableRow& row, const Innings& mine, const Innings& theirs, int result, int overs)
    {
        row.played += 1;
        row.won += result > 0;
        row.lost += result < 0;
        row.tied += result == 0;
        row.points += result > 0 ? 2 : result == 0 ? 1 : 0;
        row.runsFor += mine.runs;
        row.ballsFaced += RateBalls(mine, overs);
        row.runsAgainst += theirs.runs;
        row.ballsBowled += RateBalls(theirs, overs);
    }

    // Sides level on points and net run rate are ranked by the matches among them; the rows
    // came in the order of the draw and a stable sort keeps it for sides level on that too.
    void RankLevelSides(const Cup& cup, std::vector<TableRow>& rows, int upTo)
    {
        for (std::size_t first = 0; first < rows.size();) {
            std::size_t last = first + 1;
            while (last < rows.size() && rows[last].points == rows[first].points
                && rows[last].CompareNetRunRate(rows[first]) == 0)
                ++last;
            if (last - first > 1) {
                std::vector<std::string> level;
                for (std::size_t i = first; i < last; ++i)
                    level.push_back(rows[i].country);
                const std::vector<int> among = PointsAmong(cup, level, upTo);
                const auto pointsOf = [&](const TableRow& r) {
                    return among[static_cast<std::size_t>(
                        std::find(level.begin(), level.end(), r.country) - level.begin())];
                };
                std::stable_sort(rows.begin() + static_cast<std::ptrdiff_t>(first),
                    rows.begin() + static_cast<std::ptrdiff_t>(last),
                    [&](const TableRow& a, const TableRow& b) {
                        return pointsOf(a) > pointsOf(b);
                    });
            }
            first = last;
        }
    }

    // The place (1 to 6) of a country in its group's final table.
    int GroupPlace(const Cup& cup, const std::string& country)
    {
        const int g = GroupOfCountry(cup, country);
        if (g < 0)
            return kGroupSize + 1;
        const std::vector<TableRow> table = GroupTable(cup, g, kGroupStage);
        for (std::size_t i = 0; i < table.size(); ++i)
            if (table[i].country == country)
                return static_cast<int>(i) + 1;
        return kGroupSize + 1;
    }

    const TableRow* RowOf(const std::vector<TableRow>& table, const std::string& country)
    {
        for (const TableRow& row : table)
            if (row.country == country)
                return &row;
        return nullptr;
    }
} // namespace

std::array<std::string, kCountries> DrawCountries(std::vector<std::string> countries)
{
    if (countries.size() != kCountries)
        throw std::invalid_argument("a World Cup needs twelve countries");
    std::array<std::string, kCountries> drawn;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        // Out of the hat one at a time, each of those left as likely as any other.
        const int pick = RandomDraw(1, static_cast<int>(countries.size())) - 1;
        drawn[i] = countries[static_cast<std::size_t>(pick)];
        countries.erase(countries.begin() + pick);
    }
    return drawn;
}

std::array<std::string, kGroupSize> GroupOf(const Cup& cup, int g)
{
    std::array<std::string, kGroupSize> group;
    for (int i = 0; i < kGroupSize; ++i)
        group[static_cast<std::size_t>(i)]
            = cup.drawn[static_cast<std::size_t>(g * kGroupSize + i)];
    return group;
}

int GroupOfCountry(const Cup& cup, const std::string& country)
{
    const int place = DrawPlace(cup, country);
    return place < kCountries ? place / kGroupSize : -1;
}

std::string GroupName(int g) { return g == 0 ? "A" : "B"; }

const std::array<std::array<int, 2>, kGroupMatches>& RoundRobin() { return kRoundRobin; }

Fixture FixtureOf(const Cup& cup, int number)
{
    if (number < 1 || number > kMatches)
        throw std::out_of_range("no World Cup match " + std::to_string(number));
    Fixture f;
    f.number = number;
    if (number <= kGroupStage) {
        const int k = (number - 1) % 6;
        f.round = (number - 1) / 6 + 1;
        f.group = k / 3;
        const auto& pair = kRoundRobin[static_cast<std::size_t>((f.round - 1) * 3 + k % 3)];
        const auto group = GroupOf(cup, f.group);
        f.sides = { group[static_cast<std::size_t>(pair[0])],
            group[static_cast<std::size_t>(pair[1])] };
        f.label = f.sides[0] + " v " + f.sides[1];
        return f;
    }
    const bool groupsDone = cup.played.size() >= static_cast<std::size_t>(kGroupStage);
    if (number == kFinal) {
        f.stage = Stage::Final;
        f.sides = { WinnerOf(cup, kFirstSemi), WinnerOf(cup, kSecondSemi) };
        f.label = "Winner of the first semi-final v Winner of the second";
    } else {
        f.stage = Stage::Semi;
        const int top = number == kFirstSemi ? 0 : 1;
        if (groupsDone)
            f.sides = { GroupTable(cup, top)[0].country, GroupTable(cup, 1 - top)[1].country };
        f.label = "Winner " + GroupName(top) + " v Runner-up " + GroupName(1 - top);
    }
    if (f.Known())
        f.label = f.sides[0] + " v " + f.sides[1];
    return f;
}

std::string StageName(const Fixture& fixture)
{
    switch (fixture.stage) {
    case Stage::Group:
        return "Group " + GroupName(fixture.group);
    case Stage::Semi:
        return fixture.number == kFirstSemi ? "Semi-final 1" : "Semi-final 2";
    case Stage::Final:
        return "Final";
    }
    return {};
}

int TableRow::CompareNetRunRate(const TableRow& other) const
{
    // a/b - c/d against e/f - g/h, all in whole numbers: (ad - cb) fh against (eh - gf) bd.
    const auto fraction = [](const TableRow& r) {
        const long long faced = r.ballsFaced ? r.ballsFaced : 1;
        const long long bowled = r.ballsBowled ? r.ballsBowled : 1;
        const long long scored = r.ballsFaced ? r.runsFor : 0;
        const long long conceded = r.ballsBowled ? r.runsAgainst : 0;
        return std::array<long long, 2> { scored * bowled - conceded * faced, faced * bowled };
    };
    const auto mine = fraction(*this);
    const auto theirs = fraction(other);
    const long long left = mine[0] * theirs[1];
    const long long right = theirs[0] * mine[1];
    return left < right ? -1 : left > right ? 1 : 0;
}

std::string TableRow::NetRunRate() const
{
    const long long faced = ballsFaced ? ballsFaced : 1;
    const long long bowled = ballsBowled ? ballsBowled : 1;
    const long long scored = ballsFaced ? runsFor : 0;
    const long long conceded = ballsBowled ? runsAgainst : 0;
    // Runs an over, in thousandths, halves to even.
    const long long thousandths
        = RoundDiv(6000 * (scored * bowled - conceded * faced), faced * bowled);
    if (thousandths == 0)
        return "0.000";
    const long long whole = std::abs(thousandths);
    std::string fraction = std::to_string(whole % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    return std::string(thousandths > 0 ? "+" : "-") + std::to_string(whole / 1000) + "." + fraction;
}

std::vector<TableRow> GroupTable(const Cup& cup, int g, int upTo)
{
    std::vector<TableRow> rows;
    for (const std::string& country : GroupOf(cup, g))
        rows.push_back({ country });
    const auto rowOf = [&](const std::string& c) -> TableRow& {
        return *std::find_if(
            rows.begin(), rows.end(), [&](const TableRow& r) { return r.country == c; });
    };
    for (const PlayedMatch& m : cup.played) {
        if (m.number > upTo || m.number > kGroupStage || GroupOfCountry(cup, m.sides[0]) != g)
            continue;
        const int result0 = m.winner < 0 ? 0 : m.winner == 0 ? 1 : -1;
        Book(rowOf(m.sides[0]), m.innings[0], m.innings[1], result0, cup.overs);
        Book(rowOf(m.sides[1]), m.innings[1], m.innings[0], -result0, cup.overs);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const TableRow& a, const TableRow& b) {
        if (a.points != b.points)
            return a.points > b.points;
        return a.CompareNetRunRate(b) > 0;
    });
    RankLevelSides(cup, rows, upTo);
    return rows;
}

std::array<std::array<int, kRounds + 1>, kGroupSize> PointsRace(const Cup& cup, int g)
{
    std::array<std::array<int, kRounds + 1>, kGroupSize> race {};
    const auto group = GroupOf(cup, g);
    for (int round = 1; round <= kRounds; ++round) {
        const std::vector<TableRow> table = GroupTable(cup, g, round * 6);
        for (int i = 0; i < kGroupSize; ++i)
            for (const TableRow& row : table)
                if (row.country == group[static_cast<std::size_t>(i)])
                    race[static_cast<std::size_t>(i)][static_cast<std::size_t>(round)] = row.points;
    }
    return race;
}

int MatchWinner(
    const Cup& cup, const Fixture& fixture, const std::array<Innings, 2>& innings, std::string* how)
{
    if (innings[0].runs != innings[1].runs)
        return innings[0].runs > innings[1].runs ? 0 : 1;
    if (fixture.stage == Stage::Group)
        return -1;
    const auto say = [&](std::string text) {
        if (how)
            *how = std::move(text);
    };
    if (innings[0].wickets != innings[1].wickets) {
        const int w = innings[0].wickets < innings[1].wickets ? 0 : 1;
        say("on fewer wickets lost (" + std::to_string(innings[w].wickets) + " to "
            + std::to_string(innings[1 - w].wickets) + ")");
        return w;
    }
    const int place0 = GroupPlace(cup, fixture.sides[0]);
    const int place1 = GroupPlace(cup, fixture.sides[1]);
    if (place0 != place1) {
        say("as the higher-placed side in its group");
        return place0 < place1 ? 0 : 1;
    }
    const auto table0 = GroupTable(cup, GroupOfCountry(cup, fixture.sides[0]), kGroupStage);
    const auto table1 = GroupTable(cup, GroupOfCountry(cup, fixture.sides[1]), kGroupStage);
    const TableRow* row0 = RowOf(table0, fixture.sides[0]);
    const TableRow* row1 = RowOf(table1, fixture.sides[1]);
    if (row0 && row1 && row0->CompareNetRunRate(*row1) != 0) {
        say("on the better net run rate in the groups");
        return row0->CompareNetRunRate(*row1) > 0 ? 0 : 1;
    }
    say("by the drawing of lots");
    return DrawPlace(cup, fixture.sides[0]) < DrawPlace(cup, fixture.sides[1]) ? 0 : 1;
}

std::string ResultText(
    const Cup& cup, const Fixture& fixture, const std::array<Innings, 2>& innings, int battedFirst)
{
    std::string how;
    const int winner = MatchWinner(cup, fixture, innings, &how);
    if (winner < 0)
        return fixture.sides[0] + " and " + fixture.sides[1] + " tie";
    const std::string& name = fixture.sides[static_cast<std::size_t>(winner)];
    if (!how.empty())
        return "Scores level at " + std::to_string(innings[0].runs) + ": " + name + " win " + how;
    const Innings& won = innings[static_cast<std::size_t>(winner)];
    const Innings& lost = innings[static_cast<std::size_t>(1 - winner)];
    const auto by = [&](int n, const char* one) {
        return name + " win by " + std::to_string(n) + " " + one + (n == 1 ? "" : "s");
    };
    if (winner == battedFirst)
        return by(won.runs - lost.runs, "run");
    return by(kAllOut - won.wickets, "wicket");
}

int NextMatch(const Cup& cup)
{
    const int played = static_cast<int>(cup.played.size());
    return played < kMatches ? played + 1 : 0;
}

int HumanIn(const Cup& cup, int number)
{
    if (number < 1 || number > kMatches)
        return -1;
    const Fixture f = FixtureOf(cup, number);
    for (std::size_t i = 0; i < cup.humans.size(); ++i)
        if (f.sides[0] == cup.humans[i].country || f.sides[1] == cup.humans[i].country)
            return static_cast<int>(i);
    return -1;
}

int NextHumanMatch(const Cup& cup)
{
    const int next = NextMatch(cup);
    if (next == 0)
        return 0;
    for (int n = next; n <= kMatches; ++n) {
        // A knockout whose sides are not known yet may still be his: it is the next we know of
        // only when everything before it is played.
        if (n > kGroupStage && !FixtureOf(cup, n).Known())
            return 0;
        if (HumanIn(cup, n) >= 0)
            return n;
    }
    return 0;
}

bool KnockedOut(const Cup& cup, const std::string& country)
{
    const auto plays = [&](int number) {
        const Fixture f = FixtureOf(cup, number);
        return f.sides[0] == country || f.sides[1] == country;
    };
    const int played = static_cast<int>(cup.played.size());
    if (played >= kGroupStage && !plays(kFirstSemi) && !plays(kSecondSemi))
        return true;
    if (played >= kSecondSemi && !plays(kFinal))
        return true;
    return played >= kFinal && Champion(cup) != country;
}

std::string Champion(const Cup& cup) { return WinnerOf(cup, kFinal); }

void AddResult(Cup& cup, PlayedMatch match)
{
    const int next = NextMatch(cup);
    if (next == 0 || match.number != next)
        throw std::logic_error(
            "World Cup match " + std::to_string(match.number) + " is not the next to be played");
    const Fixture f = FixtureOf(cup, next);
    if (match.sides != f.sides)
        throw std::logic_error("World Cup match " + std::to_string(next) + " is " + f.label);
    cup.played.push_back(std::move(match));
}

std::string InningsText(const std::string& country, const Innings& innings)
{
    std::string text = country + " " + std::to_string(innings.runs);
    if (innings.wickets < kAllOut)
        text += "/" + std::to_string(innings.wickets);
    return text + " (" + OversText(innings.balls) + " ov)";
}

} // namespace stumpcraft::worldcup
