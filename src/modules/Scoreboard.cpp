#include "modules/Scoreboard.h"

#include "forms/frmMain.h"
#include "modules/MatchText.h"
#include "modules/NumberFormat.h"
#include "modules/modVars.h"

namespace stumpcraft {

namespace {
    int FieldingSide() { return 1 - CurrBatSide; }

    void ClearCardRow(FrmMain& f, int r)
    {
        const int side = FirstInnings ? FirstBatSide : 1 - FirstBatSide;
        f.lblBatName[r].Caption = Teams[side].Plr[r].Name;
        if (r < 6)
            f.lblDesc[r].Caption = "";
        f.lblBatOut[r].Caption = "Not Out";
        f.lblBatOut[r].BackColor = kNotAtCrease;
        f.lblBatRuns[r].Caption = "";
        f.lblBatBowlsFaced[r].Caption = "";
        f.chk50[r].Value = 0;
        f.chk100[r].Value = 0;
        f.lblBlrName[r].Caption = "";
        f.lblOvers[r].Caption = "";
        for (Label* l : { &f.lblBlrName[r], &f.lblOvers[r], &f.lblMaidens[r], &f.lblRunsGiven[r],
                 &f.lblWicketsTaken[r] })
            l->Visible = false;
        f.lblMaidens[r].Caption = "";
        f.lblRunsGiven[r].Caption = "";
        f.lblWicketsTaken[r].Caption = "";
        if (r < 10) {
            f.lblWickets[r].Caption = "Wicket " + std::to_string(r + 1);
            f.lblPlrs[r].Caption = "";
            f.lblFoW[r].Caption = "";
            f.lblPart[r].Caption = "";
            f.lblDetails[r].Caption = "";
        }
    }

    void ShowBowlingRow(FrmMain& f, int r, bool visible)
    {
        for (Label* l : { &f.lblBlrName[r], &f.lblOvers[r], &f.lblMaidens[r], &f.lblRunsGiven[r],
                 &f.lblWicketsTaken[r] })
            l->Visible = visible;
    }

    // The current bowler's row: the first row that is free or already carries his name
    // (exactly), else row 0. A free row is taken and shown.
    int BowlerRow(FrmMain& f, const std::string& name)
    {
        for (int r = 0; r <= 10; ++r) {
            const std::string& caption = f.lblBlrName[r].Caption();
            if (caption.empty()) {
                if (!f.lblBlrName[r].Visible) {
                    f.lblBlrName[r].Caption = name;
                    ShowBowlingRow(f, r, true);
                }
                return r;
            }
            if (caption == name)
                return r;
        }
        return 0;
    }
} // namespace

std::string StrikeRate(int runs, int ballsFaced)
{
    return ballsFaced != 0 ? FormatRatio(static_cast<long long>(runs) * 100, ballsFaced) : "0";
}

// "12.4" for 76 balls with the fourth ball of the over just bowled, "13" once the over is done
// (ball 6).
std::string OversText(int balls, int ball)
{
    std::string text;
    AppendNumber(text, balls / 6);
    if (ball < 6) {
        text += '.';
        AppendNumber(text, ball);
    }
    return text;
}

std::string ScoreText(int side)
{
    const MatchTeam& team = Teams[side];
    return ScoreText(team.Country, team.Runs, team.Wickets);
}

std::string ScoreText(const std::string& country, int runs, int wickets)
{
    std::string text = country;
    text += ": ";
    AppendNumber(text, runs);
    if (wickets < 10) {
        text += '/';
        AppendNumber(text, wickets);
    }
    return text;
}

void ResetInningsDisplay()
{
    FrmMain& f = frmMain();
    f.lblTotal.Caption = kEmptyCounter;
    f.lblTotalBalls.Caption = kEmptyCounter;
    f.lblMsg[0].Caption = "";
    f.lblMsg[1].Caption = "";
    for (int r = 0; r <= 10; ++r)
        ClearCardRow(f, r);
    f.lblPlrs[0].Caption
        = Trim(f.lblBatName[Batsman1].Caption) + " / " + Trim(f.lblBatName[Batsman2].Caption);

    const MatchTeam& field = Teams[FieldingSide()];
    f.lblBlrName[0].Caption = field.Plr[CurrBowler].Name;
    ShowBowlingRow(f, 0, true);

    const MatchTeam& bat = Teams[CurrBatSide];
    f.frameBatter[0].Caption = bat.Plr[Batsman1].Name;
    f.frameBatter[1].Caption = bat.Plr[Batsman2].Name;
    f.lblBatOut[0].BackColor = kAtCrease;
    f.lblBatOut[1].BackColor = kAtCrease;
    f.lblSmallScore[0].Caption = bat.Country + ": 0/0";
    f.lblSmallScore[1].Caption = "Overs: 0.0";
    f.ShowLevelOdds();
    f.ShowChartsIfShown();
}

void MoveStrikeMarker(int frame)
{
    FrmMain& f = frmMain();
    if (frame == 1) {
        f.picInStrike[0].Visible = false;
        f.picInStrike[1].Visible = true;
    } else if (frame == 2) {
        f.picInStrike[1].Visible = false;
        f.picInStrike[0].Visible = true;
    }
}

void ShowBatterFigures(int slot, int frame)
{
    FrmMain& f = frmMain();
    const int b = frame == 1 ? 0 : 5;
    const MatchPlayer& p = Teams[CurrBatSide].Plr[slot];
    f.lblDetails[b].Number(p.Runs);
    f.lblDetails[b + 1].Number(p.BallsFaced);
    f.lblDetails[b + 2].Number(p.Fours);
    f.lblDetails[b + 3].Number(p.Sixes);
    f.lblDetails[b + 4].CaptionFrom(
        { p.Runs, p.BallsFaced }, [](const CaptionNumbers& n) { return StrikeRate(n[0], n[1]); });
}

void ShowScoreAndBowling()
{
    FrmMain& f = frmMain();
    const MatchPlayer& bowler = Teams[FieldingSide()].Plr[CurrBowler];
    const int r = BowlerRow(f, bowler.Name);

    const MatchTeam& bat = Teams[CurrBatSide];
    f.lblTotal.Number(bat.Runs);
    f.lblTotalBalls.Number(bat.Balls);
    f.lblSmallScore[0].CaptionFrom({ CurrBatSide, bat.Runs, bat.Wickets },
        [](const CaptionNumbers& n) { return ScoreText(Teams[n[0]].Country, n[1], n[2]); });

    // The balls part of both figures is the ball of the over; none once the over is done.
    const int ball = BallOfOver >= 6 ? 6 : BallOfOver;
    f.lblSmallScore[1].CaptionFrom({ bat.Balls, ball },
        [](const CaptionNumbers& n) { return "Overs: " + OversText(n[0], n[1]); });
    f.lblOvers[r].CaptionFrom({ bowler.BallsBowled, ball },
        [](const CaptionNumbers& n) { return OversText(n[0], n[1]); });
    f.lblMaidens[r].Number(bowler.Maidens);
    f.lblRunsGiven[r].Number(bowler.RunsGiven);
    f.lblWicketsTaken[r].Number(bowler.WicketsTaken);
}

} // namespace stumpcraft
