// The match screen painted from the match state: one function per card or frame. Nothing here
// changes the match; everything the screen shows is worked out from the state each time.
#include "forms/Look.h"
#include "forms/frmMain.h"
#include "modules/Dismissal.h"
#include "modules/MatchResult.h"
#include "modules/MatchText.h"
#include "modules/NumberFormat.h"
#include "modules/Scoreboard.h"
#include "modules/modVars.h"

namespace stumpcraft {

namespace {
    const MatchTeam& Batting() { return Teams[CurrBatSide]; }
    const MatchTeam& Fielding() { return Teams[1 - CurrBatSide]; }

    std::string NumberText(const CaptionNumbers& n) { return std::to_string(n[0]); }

    // A figure, or nothing yet.
    void NumberOrBlank(Label& label, bool shown, int n)
    {
        if (shown)
            label.Number(n);
        else
            label.Caption = "";
    }

    // A counter that reads "00" until it first counts.
    void Counter(Label& label, bool counting, int n)
    {
        if (counting)
            label.Number(n);
        else
            label.Caption = kEmptyCounter;
    }

    // The ball part of the overs of `balls` bowled so far: the ball of the over just bowled,
    // or 6 for a finished over ("12.4", "13"); 0 before the first ball ("0.0").
    int BallOfLast(int balls) { return balls == 0 ? 0 : (balls - 1) % 6 + 1; }

    std::string BowlerName(int slot)
    {
        return slot >= 0 ? Trim(Fielding().Plr[slot].Name) : std::string {};
    }

    // "Kit Morrow: 4 Runs", "Kit Morrow: Dot Ball", "Kit Morrow: Out".
    std::string BallLine(const OverBall& ball)
    {
        std::string line;
        AppendTrimmed(line, Batting().Plr[ball.striker].Name);
        line += ": ";
        if (ball.result >= 1 && ball.result <= 6) {
            AppendNumber(line, ball.result);
            line += " Runs";
        } else {
            line += ball.result == DotBall ? "Dot Ball" : "Out";
        }
        return line;
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

    std::string RequiredRateLine()
    {
        return "       Required Run Rate for " + Batting().Country + ": "
            + FormatRatio(static_cast<long long>(Teams[FirstBatSide].Runs) + 1, Overs);
    }

    // "Northland 45/2", the score line after each ball.
    std::string ScoreLine(const CaptionNumbers& n)
    {
        std::string text = Teams[n[0]].Country + " ";
        AppendNumber(text, n[1]);
        text += '/';
        AppendNumber(text, n[2]);
        return text;
    }
} // namespace

BowlerFigures FiguresOf(const MatchPlayer& bowler)
{
    const int b = bowler.BallsBowled;
    if (b == 0)
        return {};
    return { OversText(b, b % 6 == 0 ? 6 : b % 6), std::to_string(bowler.Maidens),
        std::to_string(bowler.RunsGiven), std::to_string(bowler.WicketsTaken) };
}

int BowlingRowOf(const std::string& name)
{
    for (int r = 0; r < State.BowlersOnCard; ++r)
        if (Trim(Fielding().Plr[State.BowlingOrder[r]].Name) == name)
            return r;
    return -1;
}

void FrmMain::Paint()
{
    if (layoutDue_) {
        layoutDue_ = false;
        layingOut_ = true;
        LayOut();
        layingOut_ = false;
        buttonsPainted_.reset(); // the layout set the buttons' flags its own way
        PaintAtOnce();
    }
    PaintBatterFrames();
    PaintCommentary();
    PaintBattingCard();
    PaintBowlingCard();
    PaintPartnerships();
    PaintScoreboard();
    PaintStatusLines();
    PaintButtons();
    PaintLevelOdds();
    PaintCharts();
}

// Each frame: its batsman's name, the striker's marker, his level and its slider, and his
// figures once he has faced a ball or come in after a wicket.
void FrmMain::PaintBatterFrames()
{
    const MatchTeam& bat = Batting();
    const bool firstOnStrike = bat.Plr[Batsman1].OnStrike;
    for (int f = 0; f < 2; ++f) {
        const MatchPlayer& p = bat.Plr[f == 0 ? Batsman1 : Batsman2];
        frameBatter[f].Caption = p.Name;
        picInStrike[f].Visible = (f == 0) == firstOnStrike;
        HScroll1[f].Enabled = !State.LevelsLocked;
        HScroll1[f].Value = State.BatLevel[f];
        lbls[10 + f].CaptionFrom({ State.BatLevel[f] },
            [](const CaptionNumbers& n) { return "Level " + NumberText(n); });
        const int b = f * 5;
        if (p.BallsFaced == 0 && bat.Wickets == 0) {
            for (int i = b; i < b + 5; ++i)
                lblDetails[i].Caption = "";
            continue;
        }
        lblDetails[b].Number(p.Runs);
        lblDetails[b + 1].Number(p.BallsFaced);
        lblDetails[b + 2].Number(p.Fours);
        lblDetails[b + 3].Number(p.Sixes);
        lblDetails[b + 4].CaptionFrom({ p.Runs, p.BallsFaced },
            [](const CaptionNumbers& n) { return StrikeRate(n[0], n[1]); });
    }
}

// The over in progress: who bowls it, each ball's line, who bowls next and the over's runs.
void FrmMain::PaintCommentary()
{
    lblCurrBlr.Caption = "Current Bowler: " + BowlerName(State.ShownBowler);
    for (int i = 0; i < 6; ++i) {
        const OverBall& ball = State.OverBalls[i];
        lblDesc[i].Caption = ball.striker >= 0 ? BallLine(ball) : std::string {};
    }
    lblNxtBlr.Caption = "Next Bowler: " + BowlerName(State.ShownNextBowler);
    Counter(lblRunsInOver, State.RunsInOver > 0, State.RunsInOver);
}

// A row per slot of the side batting: how he is out (orange while at the crease), his runs and
// balls once he has faced, his milestones; the total under the card.
void FrmMain::PaintBattingCard()
{
    const MatchTeam& bat = Batting();
    const MatchTeam& field = Fielding();
    for (int r = 0; r <= 10; ++r) {
        const MatchPlayer& p = bat.Plr[r];
        const bool out = p.Out.kind != HowOut::NotOut;
        lblBatName[r].Caption = p.Name;
        // A batsman yet to come in has no how-out at all, not "Not Out".
        lblBatOut[r].Caption = out || r <= Batsman2 ? DismissalText(p.Out, field) : std::string {};
        lblBatOut[r].BackColor
            = !out && (r == Batsman1 || r == Batsman2) ? kAtCrease : kNotAtCrease;
        NumberOrBlank(lblBatRuns[r], p.BallsFaced > 0, p.Runs);
        NumberOrBlank(lblBatBowlsFaced[r], p.BallsFaced > 0, p.BallsFaced);
        chk50[r].Value = p.ReachedFifty ? 1 : 0;
        chk100[r].Value = p.ReachedHundred ? 1 : 0;
    }
    Counter(lblTotal, bat.Balls > 0, bat.Runs);
    Counter(lblTotalBalls, bat.Balls > 0, bat.Balls);
}

// The bowlers in the order they first bowled, each with his figures from his first ball.
void FrmMain::PaintBowlingCard()
{
    for (int r = 0; r <= 10; ++r) {
        const bool taken = r < State.BowlersOnCard;
        Label* row[] = { &lblBlrName[r], &lblOvers[r], &lblMaidens[r], &lblRunsGiven[r],
            &lblWicketsTaken[r] };
        for (Label* l : row)
            l->Visible = taken;
        if (!taken) {
            for (Label* l : row)
                l->Caption = "";
            continue;
        }
        const MatchPlayer& bowler = Fielding().Plr[State.BowlingOrder[r]];
        BowlerFigures figures = FiguresOf(bowler);
        lblBlrName[r].Caption = bowler.Name;
        lblOvers[r].Caption = std::move(figures.overs);
        lblMaidens[r].Caption = std::move(figures.maidens);
        lblRunsGiven[r].Caption = std::move(figures.runs);
        lblWicketsTaken[r].Caption = std::move(figures.wickets);
    }
}

// Each stand: its pair, the score at which it ended and its runs; the stand going on carries
// a star once it has runs.
void FrmMain::PaintPartnerships()
{
    const MatchTeam& bat = Batting();
    for (int k = 0; k < 10; ++k) {
        lblWickets[k].Caption = "Wicket " + std::to_string(k + 1);
        const Partners& pair = State.Stands[k];
        lblPlrs[k].Caption = pair.first < 0
            ? std::string {}
            : Trim(bat.Plr[pair.first].Name) + " / " + Trim(bat.Plr[pair.second].Name);
        if (k < bat.Wickets) {
            lblFoW[k].Caption
                = std::to_string(bat.FallOfWicket[k + 1]) + "/" + std::to_string(k + 1);
            lblPart[k].Number(bat.PartnershipRuns[k + 1]);
            continue;
        }
        lblFoW[k].Caption = "";
        const int stand = bat.Runs - bat.FallOfWicket[bat.Wickets];
        if (k == bat.Wickets && stand > 0)
            lblPart[k].CaptionFrom(
                { stand }, [](const CaptionNumbers& n) { return NumberText(n) + '*'; });
        else
            lblPart[k].Caption = "";
    }
}

// The batting side's score, its overs, and in the second innings the first innings' score.
void FrmMain::PaintScoreboard()
{
    const MatchTeam& bat = Batting();
    lblSmallScore[0].CaptionFrom({ CurrBatSide, bat.Runs, bat.Wickets },
        [](const CaptionNumbers& n) { return ScoreText(Teams[n[0]].Country, n[1], n[2]); });
    lblSmallScore[1].CaptionFrom({ bat.Balls, BallOfLast(bat.Balls) },
        [](const CaptionNumbers& n) { return "Overs: " + OversText(n[0], n[1]); });
    lblSmallScore[2].Visible = !FirstInnings;
    if (!FirstInnings)
        lblSmallScore[2].Caption = ScoreText(FirstBatSide);
}

// The score line once a ball is bowled; beside it the target's rate, the run rate and the
// chase, or the result, and a note of a scorecard just kept.
void FrmMain::PaintStatusLines()
{
    const MatchTeam& bat = Batting();
    if (bat.Balls > 0)
        lblMsg[0].CaptionFrom({ CurrBatSide, bat.Runs, bat.Wickets }, ScoreLine);
    else
        lblMsg[0].Caption = "";

    Label& line = lblMsg[1];
    if (State.KeptScorecardNoted) {
        const std::string note = "Scorecard kept in the Scorecards folder";
        line.Caption = MatchOver ? ResultLine() + "\n" + note : note;
    } else {
        switch (State.Status) {
        case StatusLine::Empty:
            line.Caption = "";
            break;
        case StatusLine::RequiredRate:
            line.Caption = RequiredRateLine();
            break;
        case StatusLine::RunRate:
            line.CaptionFrom({ CurrBatSide, bat.Runs, bat.Balls, FirstInnings ? 0 : RunsRequired,
                                 FirstInnings ? 0 : BallsRemaining },
                RunRateLine);
            break;
        case StatusLine::Result:
            line.Caption = ResultLine();
            break;
        }
    }
    if (!State.KeptScorecard.empty())
        line.ToolTipText = "Kept as " + State.KeptScorecard + ".txt and .html";
}

// The play buttons while the innings goes on; the innings button when it has something to
// offer.
void FrmMain::PaintAtOnce()
{
    const ButtonFlags flags { !State.InningsClosed, playButtonsEnabled_,
        State.InningsButtonMode != InningsButton::Hidden };
    if (buttonsPainted_ != flags)
        PaintButtonFlags(flags);
}

void FrmMain::PaintButtonFlags(const ButtonFlags& flags)
{
    buttonsPainted_ = flags;
    for (CommandButton* play : { &CmdNOver, &CmdNBowl }) {
        play->Visible.SetNow(flags.playShown);
        play->Enabled.SetNow(flags.playEnabled);
    }
    cmdChange.Visible.SetNow(flags.changeShown);
}

void FrmMain::PaintButtons()
{
    PaintAtOnce();
    cmdChange.Caption = State.InningsButtonMode == InningsButton::ExitToMenu ? "E&xit to Main Menu"
                                                                             : "&Change Innings";
}

} // namespace stumpcraft
