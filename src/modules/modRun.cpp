#include "modules/modRun.h"

#include "forms/frmMain.h"
#include "modules/Dismissal.h"
#include "modules/MatchResult.h"
#include "modules/MatchText.h"
#include "modules/NumberFormat.h"
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
    constexpr Color kPaleRed = kNotAtCrease;

    int Level(int StrikeEnd) { return frmMain().HScroll1[StrikeEnd - 1].Value; }

    // The batsman's chance to survive an out: the better his batting against his bowling
    // rating, the likelier the out is taken back and the ball drawn again.
    bool Reprieved(const MatchPlayer& striker)
    {
        return RandomDraw(1, OutStandsOneIn(striker.BatRate, striker.BallRate)) != 1;
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
    void Milestone(int striker, bool hundred)
    {
        FrmMain& f = frmMain();
        MatchPlayer& p = Teams[CurrBatSide].Plr[striker];
        const std::string name = Trim(p.Name);
        if (AgentOn)
            Announce(MilestoneLine(name, hundred), false);
        OfferRecord(PlayerRecords[CurrBatSide],
            hundred ? &PlayerRecord::FastestCentury : &PlayerRecord::FastestHalfCentury,
            { p.BallsFaced, name, Teams[CurrBatSide].Country });
        (hundred ? f.chk100 : f.chk50)[striker].Value = 1;
    }

    // The line of one ball: the striker's name and what he did ("Kit Morrow: 4 Runs"), built
    // in one buffer that every ball reuses.
    const std::string& BallLine(const MatchPlayer& striker, int runs, const char* what)
    {
        static std::string line;
        line.clear();
        AppendTrimmed(line, striker.Name);
        line += ": ";
        if (runs > 0)
            AppendNumber(line, runs);
        line += what;
        return line;
    }

    void BookRuns(int striker, int r)
    {
        FrmMain& f = frmMain();
        MatchTeam& bat = Teams[CurrBatSide];
        MatchPlayer& p = bat.Plr[striker];
        p.Runs += r;
        bat.Runs += r;
        Teams[1 - CurrBatSide].Plr[CurrBowler].RunsGiven += r;
        f.lblRunsInOver.Number(CaptionNumber(f.lblRunsInOver.Caption) + r);
        f.lblDesc[BallOfOver - 1].Caption = BallLine(p, r, " Runs");
        const int stand = bat.Runs - bat.FallOfWicket[bat.Wickets];
        f.lblPart[bat.Wickets].CaptionFrom(
            { stand }, [](const CaptionNumbers& n) { return std::to_string(n[0]) + '*'; });
        if (f.chk50[striker].Value == 0 && p.Runs >= 50)
            Milestone(striker, false);
        else if (f.chk100[striker].Value == 0 && p.Runs >= 100)
            Milestone(striker, true);
    }

    // "Current Run Rate for <Country>: 4.5", and while a chase goes on what is still needed:
    // from the batting side, its runs and balls, and the runs and balls still to go (0 in the
    // first innings).
    std::string RunRateLine(const CaptionNumbers& n)
    {
        std::string line = "Current Run Rate for ";
        line += Teams[n[0]].Country;
        line += ": ";
        AppendRatio(line, static_cast<long long>(n[1]) * 6, n[2]);
        if (n[3] >= 1 && n[4] >= 1) {
            line += ". Require a further ";
            AppendNumber(line, n[3]);
            line += " runs from ";
            AppendNumber(line, n[4]);
            line += " balls at ";
            AppendRatio(line, static_cast<long long>(n[3]) * 6, n[4]);
            line += " runs per over.";
        }
        return line;
    }

    // The run rate every ball; in the second innings the chase, or the result once it is
    // decided.
    void ShowRunRateAndChase()
    {
        const MatchTeam& bat = Teams[CurrBatSide];
        Label& msg = frmMain().lblMsg[1];
        if (FirstInnings) {
            msg.CaptionFrom({ CurrBatSide, bat.Runs, bat.Balls, 0, 0 }, RunRateLine);
            return;
        }
        RunsRequired = Teams[FirstBatSide].Runs - bat.Runs + 1;
        BallsRemaining = Overs * 6 - bat.Balls;
        msg.CaptionFrom(
            { CurrBatSide, bat.Runs, bat.Balls, RunsRequired, BallsRemaining }, RunRateLine);
        if (RunsRequired <= 0 || BallsRemaining == 0) {
            DecideOnTotals();
            CloseInningsRecords();
        }
    }

    void CrossOver(int striker, int nonStriker, int StrikeEnd)
    {
        MatchTeam& bat = Teams[CurrBatSide];
        bat.Plr[striker].OnStrike = false;
        bat.Plr[nonStriker].OnStrike = true;
        MoveStrikeMarker(StrikeEnd);
    }

    // The next batsman comes in at the fallen batsman's end; the newest is always Batsman2.
    void NextBatsman(int StrikeEnd, const std::string& howOut)
    {
        FrmMain& f = frmMain();
        MatchTeam& bat = Teams[CurrBatSide];
        if (StrikeEnd == 1) {
            f.lblBatOut[Batsman1].BackColor = kPaleRed;
            f.lblBatOut[Batsman1].Caption = howOut;
            f.HScroll1[0].Value = f.HScroll1[1].Value();
            f.HScroll1[1].Value = 2;
            Batsman1 = Batsman2;
            Batsman2 = Batsman2 + 1;
            f.lblBatOut[Batsman2].BackColor = kAtCrease;
            bat.Plr[Batsman1].OnStrike = true;
            bat.Plr[Batsman2].OnStrike = false;
            ShowBatterFigures(Batsman1, StrikeEnd);
            ShowBatterFigures(Batsman2, 2);
        } else {
            f.lblBatOut[Batsman2].BackColor = kPaleRed;
            f.lblBatOut[Batsman2].Caption = howOut;
            Batsman2 = Batsman2 + 1;
            f.lblBatOut[Batsman2].BackColor = kAtCrease;
            bat.Plr[Batsman2].OnStrike = true;
            bat.Plr[Batsman1].OnStrike = false;
            ShowBatterFigures(Batsman2, StrikeEnd);
        }
        f.frameBatter[0].Caption = bat.Plr[Batsman1].Name;
        f.frameBatter[1].Caption = bat.Plr[Batsman2].Name;
        f.lblPlrs[bat.Wickets].Caption
            = Trim(f.lblBatName[Batsman1].Caption) + " / " + Trim(f.lblBatName[Batsman2].Caption);
    }

    void ShowStrikerOnCard(int striker)
    {
        FrmMain& f = frmMain();
        const MatchPlayer& p = Teams[CurrBatSide].Plr[striker];
        f.lblBatRuns[striker].Number(p.Runs);
        f.lblBatBowlsFaced[striker].Number(p.BallsFaced);
    }

    // The tenth wicket: the innings is over, and in the second innings so is the match.
    void AllOut(int striker, const std::string& howOut)
    {
        FrmMain& f = frmMain();
        ShowStrikerOnCard(striker);
        ShowScoreAndBowling();
        f.lblBatOut[striker].BackColor = kPaleRed;
        f.lblBatOut[striker].Caption = howOut;
        EndInnings();
    }

    // Returns false when the wicket ended the innings.
    bool BookWicket(int striker, int StrikeEnd)
    {
        FrmMain& f = frmMain();
        const std::string howOut = DismissalText();
        CheckMatchScreenStillOpen();
        MatchTeam& bat = Teams[CurrBatSide];
        const int w = ++bat.Wickets;
        if (howOut.empty() || howOut[0] != 'R')
            Teams[1 - CurrBatSide].Plr[CurrBowler].WicketsTaken += 1;
        f.lblDesc[BallOfOver - 1].Caption = BallLine(bat.Plr[striker], 0, "Out");
        bat.FallOfWicket[w] = bat.Runs;
        bat.PartnershipRuns[w] = bat.FallOfWicket[w] - bat.FallOfWicket[w - 1];
        f.lblFoW[w - 1].Caption = std::to_string(bat.FallOfWicket[w]) + "/" + std::to_string(w);
        f.lblPart[w - 1].Caption = std::to_string(bat.PartnershipRuns[w]);
        if (w < 10) {
            NextBatsman(StrikeEnd, howOut);
            return true;
        }
        AllOut(striker, howOut);
        return false;
    }

    void Comment(outcome::Code code)
    {
        if (AgentOn) {
            CommentBall(code, "", "");
            CheckMatchScreenStillOpen();
        }
    }

    void PlayBallSteps(int StrikeEnd)
    {
        const int striker = StrikeEnd == 1 ? Batsman1 : Batsman2;
        const int nonStriker = StrikeEnd == 1 ? Batsman2 : Batsman1;
        MatchTeam& bat = Teams[CurrBatSide];
        MatchPlayer& p = bat.Plr[striker];
        MatchPlayer& bowler = Teams[1 - CurrBatSide].Plr[CurrBowler];

        const int result = DrawBallResult(StrikeEnd, p);

        p.BallsFaced += 1;
        bat.Balls += 1;
        bowler.BallsBowled += 1;
        if (result >= 1 && result <= 6)
            BookRuns(striker, result);
        ShowRunRateAndChase();

        switch (result) {
        case 1:
        case 3:
        case 5:
            (result == 1 ? p.Ones : result == 3 ? p.Threes : p.Fives) += 1;
            CrossOver(striker, nonStriker, StrikeEnd);
            ShowBatterFigures(striker, StrikeEnd);
            break;
        case 2:
            p.Twos += 1;
            ShowBatterFigures(striker, StrikeEnd);
            break;
        case 4:
        case 6:
            (result == 4 ? p.Fours : p.Sixes) += 1;
            ShowBatterFigures(striker, StrikeEnd);
            Comment(result == 4 ? outcome::Four : outcome::Six);
            break;
        case DotBall:
            p.Dots += 1;
            frmMain().lblDesc[BallOfOver - 1].Caption = BallLine(p, 0, "Dot Ball");
            ShowBatterFigures(striker, StrikeEnd);
            break;
        default:
            if (!BookWicket(striker, StrikeEnd))
                return;
            break;
        }
        ShowStrikerOnCard(striker);
        ShowScoreAndBowling();
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

int DeliveryOutcome(int StrikeEnd)
{
    const LevelTable& table = LevelTableOf(Level(StrikeEnd));
    for (const OutcomeTest& test : table.tests)
        if (RandomDraw(1, test.K) == test.hit)
            return test.result;
    return table.otherwise;
}

int DrawBallResult(int StrikeEnd, const MatchPlayer& striker)
{
    const int result = DeliveryOutcome(StrikeEnd);
    if (result == Out && Level(StrikeEnd) < kNoReprieveLevel && Reprieved(striker))
        return DeliveryOutcome(StrikeEnd);
    return result;
}

void PlayBall(int StrikeEnd)
{
    try {
        // The ball's own line comes first; a milestone or the result it brings follows.
        DeliveryNews news;
        PlayBallSteps(StrikeEnd);
        news.Deliver();
        CheckMatchScreenStillOpen();
    } catch (const ControlArrayIndexError&) {
        // An addressed control that does not exist: the delivery simply stops there.
    } catch (const MatchScreenClosed&) {
    } catch (const std::exception& e) {
        MsgBox(std::to_string(ErrorNumber(e)) + " - " + e.what());
    }
}

void CheckMatchScreenStillOpen()
{
    if (!MatchScreenLoaded())
        throw MatchScreenClosed();
}

DeliveryGuard::DeliveryGuard() { State.DeliveryInProgress = true; }

DeliveryGuard::~DeliveryGuard() { State.DeliveryInProgress = false; }

bool DeliveryGuard::Free() { return !State.DeliveryInProgress; }

} // namespace stumpcraft
