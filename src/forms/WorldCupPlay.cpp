#include "forms/WorldCupPlay.h"

#include "forms/HeadlessMatch.h"
#include "forms/frmToss.h"
#include "forms/frmWorldCup.h"
#include "modules/Countries.h"
#include "modules/MatchResult.h"
#include "modules/MatchText.h"
#include "modules/RecordsStore.h"
#include "modules/Scorecard.h"
#include "modules/modProcs.h"
#include "modules/modRecords.h"
#include "modules/modVars.h"
#include "platform/Errors.h"
#include "platform/Services.h"

#include <algorithm>
#include <stdexcept>

namespace stumpcraft {

using namespace worldcup;

namespace {
    using Outcome = RecordsStore::Outcome;

    // The games people played in the match just decided, as the records count them.
    std::vector<std::pair<std::string, Outcome>> PeoplesGames(const PlayedMatch& match)
    {
        std::vector<std::pair<std::string, Outcome>> games;
        if (match.simulated)
            return games;
        for (int s = 0; s < 2; ++s) {
            const MatchTeam& team = Teams[s];
            if (team.PlayerName == kComputer)
                continue;
            const int other = Teams[1 - s].Runs;
            const Outcome outcome = team.Runs > other ? Outcome::Won
                : team.Runs < other                   ? Outcome::Lost
                                                      : Outcome::Tied;
            games.emplace_back(team.PlayerName, outcome);
        }
        return games;
    }

    std::vector<RecordsStore::WorldCupWin> WinnersRows(const Cup& cup, const PlayedMatch& match)
    {
        std::vector<RecordsStore::WorldCupWin> rows;
        if (match.number != kFinal || match.winner < 0)
            return rows;
        const std::string& champion = match.sides[static_cast<std::size_t>(match.winner)];
        for (const Entrant& e : cup.humans)
            if (e.country == champion)
                rows.push_back({ e.player, e.country, cup.year, cup.overs });
        return rows;
    }

    // Told when the person's match is decided: it is booked at once, with the games counted.
    void HumanMatchDecided()
    {
        if (!ThisWorldCup || ThisWorldCup->humanMatch == 0)
            return;
        WorldCupRun& run = *ThisWorldCup;
        BookMatch(run, MatchFromState(run.cup, run.humanMatch, false));
        run.humanMatch = 0;
        run.backFromMatch = true;
        ShowResultCountsGame = true;
    }

    void AnnounceChampions(const Cup& cup)
    {
        const std::string champion = Champion(cup);
        Line line = Line().Name(champion).Words(" win the World Cup!");
        for (const Entrant& e : cup.humans)
            if (e.country == champion)
                line.Words(" Congratulations, ").Name(e.player).Words("!");
        SayOrShow(line);
    }
} // namespace

std::string WorldCupTitle(const Cup& cup)
{
    return "World Cup " + std::to_string(cup.year) + ", " + std::to_string(cup.overs)
        + " overs a side";
}

WorldCupRun BeginWorldCup(std::vector<Entrant> humans, int overs, int year)
{
    WorldCupRun run;
    run.cup.drawn = DrawCountries({ kCountryNames.begin(), kCountryNames.end() });
    run.cup.humans = std::move(humans);
    run.cup.overs = overs;
    run.cup.year = year;
    if (cnRecords)
        run.id = cnRecords->StartWorldCup(run.cup);
    return run;
}

std::optional<WorldCupRun> UnfinishedWorldCup()
{
    if (!cnRecords)
        return std::nullopt;
    const auto stored = cnRecords->LatestWorldCup();
    if (!stored || stored->finished)
        return std::nullopt;
    return WorldCupRun { stored->id, stored->cup, 0, false };
}

PlayedMatch MatchFromState(const Cup& cup, int number, bool simulated)
{
    const Fixture f = FixtureOf(cup, number);
    PlayedMatch m;
    m.number = number;
    m.sides = f.sides;
    m.simulated = simulated;
    for (std::size_t i = 0; i < 2; ++i) {
        const int s = Teams[0].Country == f.sides[i] ? 0 : 1;
        const MatchTeam& team = Teams[s];
        m.innings[i] = { team.Runs, team.Wickets, team.Balls };
        if (s == FirstBatSide)
            m.battedFirst = static_cast<int>(i);
    }
    m.winner = MatchWinner(cup, f, m.innings);
    m.result = ResultText(cup, f, m.innings, m.battedFirst);
    MatchCard card = ScorecardOfMatch("at the World Cup of " + std::to_string(cup.year));
    card.title = "Match " + std::to_string(number) + ", " + StageName(f) + ": " + card.title;
    card.result = m.result;
    m.cardText = ScorecardText(card);
    m.cardHtml = ScorecardHtmlBody(card);
    return m;
}

bool BookMatch(WorldCupRun& run, PlayedMatch match)
{
    Cup after = run.cup;
    AddResult(after, match); // a match out of turn is a fault of the program, not the store
    if (cnRecords && run.id != 0) {
        try {
            if (!cnRecords->RecordWorldCupMatch(
                    run.id, match, PeoplesGames(match), WinnersRows(after, match))) {
                MsgBox("Match " + std::to_string(match.number)
                        + " of the World Cup was already kept in the records; it is not "
                          "counted again.",
                    MsgButtons::OK, MsgIcon::Exclamation);
                return false;
            }
        } catch (const RuntimeError& e) {
            MsgBox(std::string("The result of the match could not be kept: ") + e.what()
                    + ".\nThe match will be played again.",
                MsgButtons::OK, MsgIcon::Exclamation);
            return false;
        }
    }
    run.cup = std::move(after);
    if (match.number == kFinal)
        AnnounceChampions(run.cup);
    return true;
}

bool SimulateNextMatch(WorldCupRun& run)
{
    const int next = NextMatch(run.cup);
    if (next == 0)
        return false;
    const Fixture f = FixtureOf(run.cup, next);
    const int firstBat = RandomDraw(1, 2) - 1; // the toss
    PlayHeadlessMatch(f.sides[0], f.sides[1], run.cup.overs, firstBat);
    const bool booked = BookMatch(run, MatchFromState(run.cup, next, true));
    FreshMatchState();
    return booked;
}

int SimulateToHumanMatch(WorldCupRun& run)
{
    int played = 0;
    while (NextMatch(run.cup) != 0 && NextMatch(run.cup) != NextHumanMatch(run.cup)) {
        if (!SimulateNextMatch(run))
            break;
        ++played;
    }
    return played;
}

void StartHumanMatch(WorldCupRun& run)
{
    const int next = NextMatch(run.cup);
    const int seat = HumanIn(run.cup, next);
    if (seat < 0)
        throw std::logic_error("the next World Cup match is nobody's");
    const Fixture f = FixtureOf(run.cup, next);
    const Entrant& person = run.cup.humans[static_cast<std::size_t>(seat)];
    const std::string& other = f.sides[0] == person.country ? f.sides[1] : f.sides[0];
    std::string otherPlayer = kComputer;
    for (const Entrant& e : run.cup.humans)
        if (e.country == other)
            otherPlayer = e.player;

    FreshMatchState();
    Teams[0].Country = person.country;
    Teams[0].PlayerName = person.player;
    Teams[1].Country = other;
    Teams[1].PlayerName = otherPlayer;
    OnePlayer = otherPlayer == kComputer;
    OneInningsGame = false;
    Overs = run.cup.overs;
    for (int side : { 1, 0 }) {
        PlayerRecords[side] = PlayerRecord::Empty();
        if (!cnRecords)
            continue;
        try {
            PlayerRecords[side] = cnRecords->Load(Teams[side].PlayerName);
        } catch (const RuntimeError& e) {
            ShowErrorBox(e); // the match is played; only his records are not in it
        }
    }
    run.humanMatch = next;
    run.backFromMatch = false;
    // The result is counted with the World Cup's own record of it, in one transaction.
    ShowResultCountsGame = false;
    OnMatchDecided = HumanMatchDecided;
    frmToss().Show();
}

bool ReturnToWorldCup()
{
    if (!ThisWorldCup || !ThisWorldCup->backFromMatch)
        return false;
    ThisWorldCup->backFromMatch = false;
    OnMatchDecided = nullptr;
    frmWorldCup().Show();
    frmWorldCup().ShowCup();
    return true;
}

} // namespace stumpcraft
