#include "modules/modRecords.h"

#include "modules/KeepMatch.h"
#include "modules/MatchText.h"
#include "modules/RecordsStore.h"
#include "modules/modAgent.h"
#include "modules/modVars.h"
#include "platform/Errors.h"
#include "platform/Services.h"

#include <array>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace stumpcraft {

namespace {
    const char* const kLineBreak = "\r\n";

    Line ResultMessage(int Result, int Margin)
    {
        const MatchTeam& bat = Teams[CurrBatSide];
        const MatchTeam& field = Teams[1 - CurrBatSide];
        const MatchTeam& winner = Result == 1 ? bat : field;
        const MatchTeam& loser = Result == 1 ? field : bat;
        Line line;
        switch (Result) {
        case 1:
        case 0:
            line.Words("Congratulations ").Name(winner.PlayerName).Words(",").Words(kLineBreak);
            line.Name(winner.Country).Words(" has defeated ").Name(loser.Country).Words(" by ");
            line.Words(std::to_string(Margin)).Words(Result == 1 ? " wickets!" : " runs!");
            break;
        case -1:
            line.Words("Fantastic Game of Cricket!")
                .Words(kLineBreak)
                .Words("It is a tie between ");
            line.Name(field.Country).Words(" and ").Name(bat.Country);
            break;
        default:
            break;
        }
        return line;
    }

    // Played, won and tied, winner first, both in one transaction. The store is open whenever
    // a match is played from the menu; without one there is nothing to count in. A kept match
    // is counted once, however often it was interrupted and taken back.
    void CountGame(int Result)
    {
        if (!cnRecords)
            return;
        using Outcome = RecordsStore::Outcome;
        const std::string& bat = Teams[CurrBatSide].PlayerName;
        const std::string& field = Teams[1 - CurrBatSide].PlayerName;
        std::vector<std::pair<std::string, Outcome>> counts;
        if (Result == 1)
            counts = { { bat, Outcome::Won }, { field, Outcome::Lost } };
        else if (Result == 0)
            counts = { { field, Outcome::Won }, { bat, Outcome::Lost } };
        else if (Result == -1)
            counts = { { bat, Outcome::Tied }, { field, Outcome::Tied } };
        if (!counts.empty())
            cnRecords->CountMatch(keeper::MatchKey(), counts);
    }

    // Each record figure, which way is better, and the columns it is stored in.
    struct FigureRule {
        RecordFigure PlayerRecord::*figure;
        bool fewerIsBetter;
        unsigned group;
    };
    using RS = RecordsStore;
    constexpr std::array<FigureRule, 5> kFigureRules { {
        { &PlayerRecord::HighestRuns, false, RS::HighestTotal },
        { &PlayerRecord::HighestRunsPlr, false, RS::BestInnings },
        { &PlayerRecord::MostWicketsPlr, false, RS::BestBowling },
        { &PlayerRecord::FastestHalfCentury, true, RS::FastestFifty },
        { &PlayerRecord::FastestCentury, true, RS::FastestHundred },
    } };

    bool Beats(const RecordFigure& offered, const RecordFigure& held, bool fewerIsBetter)
    {
        return fewerIsBetter ? offered.Value < held.Value : offered.Value > held.Value;
    }

    const FigureRule& RuleOf(RecordFigure PlayerRecord::*figure)
    {
        for (const FigureRule& rule : kFigureRules)
            if (rule.figure == figure)
                return rule;
        throw std::logic_error("not a record figure");
    }

    // The first slot of Today's Eleven with the strictly highest figure.
    template <typename Figure> int TopSlot(const MatchTeam& team, Figure figure)
    {
        int best = figure(team.Plr[0]);
        int answer = 0;
        for (int s = 1; s <= 10; ++s) {
            if (figure(team.Plr[s]) > best) {
                best = figure(team.Plr[s]);
                answer = s;
            }
        }
        return answer;
    }
} // namespace

void ShowResult(int Result, int Margin)
{
    const Line message = ResultMessage(Result, Margin);
    if (!message.Empty()) {
        Announce(message, true);
        if (!OneInningsGame && ShowResultCountsGame) {
            try {
                CountGame(Result);
            } catch (const RuntimeError& e) {
                ShowErrorBox(e); // the result stands; only the count is lost
            }
        }
    }
    State.Result = Result;
    State.ResultMargin = Margin;
    State.InningsButtonMode = InningsButton::ExitToMenu;
}

int TopScorer()
{
    return TopSlot(Teams[CurrBatSide], [](const MatchPlayer& p) { return p.Runs; });
}

int TopWicketTaker()
{
    return TopSlot(Teams[1 - CurrBatSide], [](const MatchPlayer& p) { return p.WicketsTaken; });
}

void OfferRecord(PlayerRecord& record, RecordFigure PlayerRecord::*figure, RecordFigure offered)
{
    RecordFigure& held = record.*figure;
    if (Beats(offered, held, RuleOf(figure).fewerIsBetter)) {
        held = std::move(offered);
        RecordBroken = true;
    }
}

unsigned MergeRecords(PlayerRecord& into, const PlayerRecord& from, unsigned groups)
{
    unsigned changed = 0;
    for (const FigureRule& rule : kFigureRules) {
        if ((rule.group & groups)
            && Beats(from.*rule.figure, into.*rule.figure, rule.fewerIsBetter)) {
            into.*rule.figure = from.*rule.figure;
            changed |= rule.group;
        }
    }
    return changed;
}

void CheckRecords()
{
    const MatchTeam& bat = Teams[CurrBatSide];
    const MatchTeam& field = Teams[1 - CurrBatSide];
    PlayerRecord& batting = PlayerRecords[CurrBatSide];
    const MatchPlayer& scorer = bat.Plr[TopScorer()];
    const MatchPlayer& taker = field.Plr[TopWicketTaker()];
    OfferRecord(batting, &PlayerRecord::HighestRuns, { bat.Runs, "", bat.Country });
    OfferRecord(
        batting, &PlayerRecord::HighestRunsPlr, { scorer.Runs, Trim(scorer.Name), bat.Country });
    OfferRecord(PlayerRecords[1 - CurrBatSide], &PlayerRecord::MostWicketsPlr,
        { taker.WicketsTaken, Trim(taker.Name), field.Country });
}

namespace {
    using Columns = RecordsStore::Columns;
    constexpr unsigned kBatting = Columns::HighestTotal | Columns::BestInnings
        | Columns::FastestFifty | Columns::FastestHundred;
    constexpr unsigned kBowling = Columns::BestBowling;

    // Each row takes only the figures that beat what it holds. Both sides of a match may be
    // played under one name, and then share a row of which each side holds its own copy: the
    // copy of the side that did less must not write over the other's new record.
    void Improve(RecordsStore& store, const std::string& name,
        std::initializer_list<std::pair<const PlayerRecord*, unsigned>> offers)
    {
        auto row = store.Find(name);
        if (!row)
            return; // a name without a row: nothing to write to
        unsigned changed = 0;
        for (const auto& [record, groups] : offers)
            changed |= MergeRecords(*row, *record, groups);
        if (changed != 0)
            store.WriteRecord(name, *row, changed);
    }
} // namespace

void UpdateRecords()
{
    if (!cnRecords)
        return; // nothing to write to: a match played without the menu's store
    const int b = CurrBatSide;
    const int f = 1 - b;
    try {
        Improve(*cnRecords, Teams[b].PlayerName, { { &PlayerRecords[b], kBatting } });
        Improve(*cnRecords, Teams[f].PlayerName, { { &PlayerRecords[f], kBowling } });
        Improve(*cnRecords, "All",
            { { &PlayerRecords[b], kBatting }, { &PlayerRecords[f], kBowling } });
    } catch (const RuntimeError& e) {
        // The match goes on; the rows keep what they held before the failed write.
        ShowErrorBox(e);
    }
}

} // namespace stumpcraft
