#include "modules/modRecords.h"

#include "forms/frmMain.h"
#include "modules/MatchText.h"
#include "modules/RecordsStore.h"
#include "modules/modAgent.h"
#include "modules/modVars.h"
#include "platform/Errors.h"
#include "platform/Services.h"

#include <string>

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

    // Played, won and tied, winner first. The store is open whenever a match is played from
    // the menu; without one there is nothing to count in.
    void CountGame(int Result)
    {
        if (!cnRecords)
            return;
        using Outcome = RecordsStore::Outcome;
        const std::string& bat = Teams[CurrBatSide].PlayerName;
        const std::string& field = Teams[1 - CurrBatSide].PlayerName;
        if (Result == 1) {
            cnRecords->CountGame(bat, Outcome::Won);
            cnRecords->CountGame(field, Outcome::Lost);
        } else if (Result == 0) {
            cnRecords->CountGame(field, Outcome::Won);
            cnRecords->CountGame(bat, Outcome::Lost);
        } else if (Result == -1) {
            cnRecords->CountGame(bat, Outcome::Tied);
            cnRecords->CountGame(field, Outcome::Tied);
        }
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
        if (!OneInningsGame) {
            try {
                CountGame(Result);
            } catch (const RuntimeError& e) {
                ShowErrorBox(e); // the result stands; only the count is lost
            }
        }
    }
    FrmMain& f = frmMain();
    f.cmdChange.Caption = "E&xit to Main Menu";
    f.cmdChange.Enabled = true;
    f.cmdChange.Visible = true;
    f.cmdChange.SetFocus();
}

int TopScorer()
{
    return TopSlot(Teams[CurrBatSide], [](const MatchPlayer& p) { return p.Runs; });
}

int TopWicketTaker()
{
    return TopSlot(Teams[1 - CurrBatSide], [](const MatchPlayer& p) { return p.WicketsTaken; });
}

void CheckRecords()
{
    const int b = CurrBatSide;
    const int f = 1 - b;
    const MatchTeam& bat = Teams[b];
    const MatchTeam& field = Teams[f];
    PlayerRecord& batting = PlayerRecords[b];
    PlayerRecord& bowling = PlayerRecords[f];

    if (bat.Runs > batting.HighestRuns) {
        RecordBroken = true;
        batting.HighestRuns = bat.Runs;
        batting.HighestRunsBy = bat.Country;
    }
    const MatchPlayer& scorer = bat.Plr[TopScorer()];
    if (scorer.Runs > batting.HighestRunsPlr) {
        RecordBroken = true;
        batting.HighestRunsPlr = scorer.Runs;
        batting.HighestRunsPlrName = Trim(scorer.Name);
        batting.HighestRunsPlrTeam = bat.Country;
    }
    const MatchPlayer& taker = field.Plr[TopWicketTaker()];
    if (taker.WicketsTaken > bowling.MostWicketsPlr) {
        RecordBroken = true;
        bowling.MostWicketsPlr = taker.WicketsTaken;
        bowling.MostWicketsPlrName = Trim(taker.Name);
        bowling.MostWicketsPlrTeam = field.Country;
    }
}

} // namespace stumpcraft
