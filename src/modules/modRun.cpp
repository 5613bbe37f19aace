#include "modules/modRun.h"

#include "modules/Dismissal.h"
#include "modules/MatchResult.h"
#include "modules/MatchText.h"
#include "modules/OutcomeTable.h"
#include "modules/Scoreboard.h"
#include "modules/modAgent.h"
#include "modules/modProcs.h"
#include "modules/modRecords.h"
#include "modules/modVars.h"
#include "platform/Errors.h"
#include "platform/Services.h"

#include <string>

namespace stumpcraft {

namespace {
    int Level(int StrikeEnd) { return State.BatLevel[StrikeEnd - 1]; }

    // The batsman's chance to survive an out: the better his batting against his bowling
    // rating, the likelier the out is taken back and the ball drawn again.
    bool Reprieved(const MatchPlayer& striker)
    {
        return RandomDraw(1, OutStandsOneIn(striker.BatRate, striker.BallRate)) != 1;
    }

    // The tests of the striker's level tried in order, the first hit standing.
    inline int OutcomeAt(int level)
    {
        if (!DrawRun::Available()) [[unlikely]] {
            const LevelTable& table = LevelTableOf(level);
            for (const OutcomeTest& test : table.tests)
                if (RandomDraw(1, test.K) == test.hit)
                    return test.result;
            return table.otherwise;
        }
        const LevelWindows& table = kLevelWindows.at(static_cast<std::size_t>(level - 1));
        DrawRun run; // about four draws a ball
        for (const OutcomeWindow& test : table.windows)
            if (test.Holds(run.Raw()))
                return test.result;
        return table.otherwise;
    }

    // The result that stands at this level: below the top level an out may be reprieved, and
    // the ball is then drawn once more.
    inline int ResultAt(int level, const MatchPlayer& striker)
    {
        const int result = OutcomeAt(level);
        if (result == Out && level < kNoReprieveLevel && Reprieved(striker))
            return OutcomeAt(level);
        return result;
    }

    // "That's his 50. ..." or "That's his 100. ...", each with the batsman's name.
    Line MilestoneLine(const std::string& name, bool hundred)
    {
        const char* figure = hundred ? "100" : "50";
        const char* word = hundred ? "century" : "50";
        Line line;
        line.Words("That's his ").Words(figure).Words(". Well played, ").Name(name);
        line.Words(".|That 's an outstanding ").Words(word).Words(" by ").Name(name);
        line.Words(".|What a great ").Words(word).Words(" by ").Name(name).Words(".");
        return line;
    }

    // A fifty or a hundred: celebrated once, and checked against the side's fastest.
    void Milestone(MatchPlayer& p, bool hundred)
    {
        const std::string name = Trim(p.Name);
        if (AgentOn)
            Announce(MilestoneLine(name, hundred), false);
        OfferRecord(PlayerRecords[CurrBatSide],
            hundred ? &PlayerRecord::FastestCentury : &PlayerRecord::FastestHalfCentury,
            { p.BallsFaced, name, Teams[CurrBatSide].Country });
        (hundred ? p.ReachedHundred : p.ReachedFifty) = true;
    }

    void BookRuns(MatchTeam& bat, MatchPlayer& p, MatchPlayer& bowler, int r)
    {
        p.Runs += r;
        bat.Runs += r;
        bowler.RunsGiven += r;
        State.RunsInOver += r;
        if (!p.ReachedFifty && p.Runs >= 50)
            Milestone(p, false);
        else if (!p.ReachedHundred && p.Runs >= 100)
            Milestone(p, true);
    }

    // In the second innings, the chase: what is still needed, and the result once it is
    // decided by this ball.
    void Chase(const MatchTeam& bat)
    {
        State.Status = StatusLine::RunRate;
        State.KeptScorecardNoted = false;
        if (FirstInnings)
            return;
        RunsRequired = Teams[FirstBatSide].Runs - bat.Runs + 1;
        BallsRemaining = Overs * 6 - bat.Balls;
        if (RunsRequired <= 0 || BallsRemaining == 0) {
            DecideOnTotals();
            CloseInningsRecords();
        }
    }

    void CrossOver(MatchPlayer& striker, MatchPlayer& nonStriker)
    {
        striker.OnStrike = false;
        nonStriker.OnStrike = true;
    }

    // The next batsman comes in at the fallen batsman's end; the newest is always Batsman2.
    // The survivor of frame 2 takes frame 1 with his level; the newcomer starts at 2.
    void NextBatsman(int StrikeEnd)
    {
        MatchTeam& bat = Teams[CurrBatSide];
        if (StrikeEnd == 1) {
            State.BatLevel[0] = State.BatLevel[1];
            State.BatLevel[1] = 2;
            Batsman1 = Batsman2;
            Batsman2 = Batsman2 + 1;
            bat.Plr[Batsman1].OnStrike = true;
            bat.Plr[Batsman2].OnStrike = false;
        } else {
            Batsman2 = Batsman2 + 1;
            bat.Plr[Batsman2].OnStrike = true;
            bat.Plr[Batsman1].OnStrike = false;
        }
        State.Stands[bat.Wickets] = { Batsman1, Batsman2 };
    }

    // Returns false when the wicket ended the innings.
    bool BookWicket(
        MatchTeam& bat, MatchPlayer& striker, MatchPlayer& bowler, int StrikeEnd, BallNews& news)
    {
        news.out = DrawDismissal();
        striker.Out = news.out;
        const int w = ++bat.Wickets;
        if (BowlerCredited(news.out))
            bowler.WicketsTaken += 1;
        bat.FallOfWicket[w] = bat.Runs;
        bat.PartnershipRuns[w] = bat.FallOfWicket[w] - bat.FallOfWicket[w - 1];
        if (w < 10) {
            NextBatsman(StrikeEnd);
            return true;
        }
        BookBowlerOnCard();
        EndInnings();
        return false;
    }

    // The sides are addressed once: the booking changes figures, never who bats or bowls.
    void PlayBallSteps(MatchTeam& bat, MatchPlayer& bowler, int StrikeEnd, BallNews& news)
    {
        const int striker = StrikeEnd == 1 ? Batsman1 : Batsman2;
        const int nonStriker = StrikeEnd == 1 ? Batsman2 : Batsman1;
        MatchPlayer& p = bat.Plr[striker];

        const int result = ResultAt(Level(StrikeEnd), p);
        news.result = result;
        news.striker = striker;

        p.BallsFaced += 1;
        bat.Balls += 1;
        bowler.BallsBowled += 1;
        news.counted = true;
        // A ball beyond the over's sixth (only a caller's mistake) has no line of its own.
        if (BallOfOver >= 1 && BallOfOver <= State.OverBalls.size())
            State.OverBalls[BallOfOver - 1] = { striker, result };
        if (result >= 1 && result <= 6)
            BookRuns(bat, p, bowler, result);
        Chase(bat);

        switch (result) {
        case 1:
        case 3:
        case 5:
            (result == 1 ? p.Ones : result == 3 ? p.Threes : p.Fives) += 1;
            CrossOver(p, bat.Plr[nonStriker]);
            break;
        case 2:
            p.Twos += 1;
            break;
        case 4:
        case 6:
            (result == 4 ? p.Fours : p.Sixes) += 1;
            break;
        case DotBall:
            p.Dots += 1;
            break;
        default:
            if (!BookWicket(bat, p, bowler, StrikeEnd, news))
                return;
            break;
        }
        BookBowlerOnCard();
    }

    // Keeps a counted delivery in the match's history.
    void Record(const MatchTeam& bat, int level, int bowler, const BallNews& news, int runsBefore)
    {
        BallRecord ball;
        ball.level = level;
        ball.striker = news.striker;
        ball.bowler = bowler;
        ball.runs = bat.Runs - runsBefore;
        ball.wicket = news.result == Out;
        History.RecordBall(FirstInnings ? 0 : 1, CurrBatSide, ball, news.out);
    }

    long ErrorNumber(const std::exception& e)
    {
        if (const auto* runtime = dynamic_cast<const RuntimeError*>(&e))
            return runtime->Number();
        if (dynamic_cast<const IndexError*>(&e))
            return errors::SubscriptOutOfRange;
        return errors::InvalidProcedureCall;
    }
} // namespace

int DeliveryOutcome(int StrikeEnd) { return OutcomeAt(Level(StrikeEnd)); }

int DrawBallResult(int StrikeEnd, const MatchPlayer& striker)
{
    return ResultAt(Level(StrikeEnd), striker);
}

BallNews PlayBall(int StrikeEnd)
{
    BallNews news;
    // Who bowled to whom at what level, taken before the ball changes any of it.
    const int level = Level(StrikeEnd);
    const int bowler = CurrBowler;
    MatchTeam& bat = Teams[CurrBatSide];
    const int runsBefore = bat.Runs;
    try {
        MatchPlayer& bowling = Teams[1 - CurrBatSide].Plr[bowler];
        PlayBallSteps(bat, bowling, StrikeEnd, news);
    } catch (const std::exception& e) {
        MsgBox(std::to_string(ErrorNumber(e)) + " - " + e.what());
    }
    if (news.counted)
        Record(bat, level, bowler, news, runsBefore);
    return news;
}

DeliveryGuard::DeliveryGuard() { State.DeliveryInProgress = true; }

DeliveryGuard::~DeliveryGuard() { State.DeliveryInProgress = false; }

bool DeliveryGuard::Free() { return !State.DeliveryInProgress; }

} // namespace stumpcraft
