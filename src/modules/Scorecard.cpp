#include "modules/Scorecard.h"

#include "modules/Dismissal.h"
#include "modules/MatchResult.h"
#include "modules/MatchText.h"
#include "modules/NumberFormat.h"
#include "modules/modVars.h"

#include <algorithm>

namespace stumpcraft {

namespace {
    bool StartsWith(const std::string& text, const std::string& start)
    {
        return text.rfind(start, 0) == 0;
    }

    std::string After(const std::string& text, std::size_t n)
    {
        return Trim(text.substr(std::min(n, text.size())));
    }

    // The innings of `inning` (0 or 1) in the history, if that side batted it there.
    const InningsHistory* HistoryOf(int inning, int side)
    {
        const InningsHistory& h = History.innings[static_cast<std::size_t>(inning)];
        return h.side == side ? &h : nullptr;
    }

    void AddBatting(InningsCard& card, const MatchTeam& team, const InningsHistory* h)
    {
        // Batsmen come in strictly in order: the fallen and the two at the crease have batted.
        const int wentIn = team.Wickets >= 10 ? 11 : std::min(11, team.Wickets + 2);
        for (int s = 0; s <= 10; ++s) {
            const MatchPlayer& p = team.Plr[s];
            if (s >= wentIn) {
                card.didNotBat.push_back(Trim(p.Name));
                continue;
            }
            BattingLine line { Trim(p.Name), "not out", p.Runs, p.BallsFaced, p.Fours, p.Sixes };
            if (h) {
                for (const WicketRecord& w : h->wickets) {
                    if (w.batsman != s)
                        continue;
                    const int bowler = h->balls[static_cast<std::size_t>(w.ball)].bowler;
                    const MatchTeam& field = Teams[1 - h->side];
                    line.howOut
                        = UsualHowOut(DismissalText(w.out, field), Trim(field.Plr[bowler].Name));
                }
            }
            card.batting.push_back(line);
        }
    }

    void AddFall(InningsCard& card, const MatchTeam& team, const InningsHistory* h)
    {
        if (!h)
            return;
        for (std::size_t k = 0; k < h->wickets.size(); ++k) {
            const WicketRecord& w = h->wickets[k];
            const int wicket = static_cast<int>(k) + 1;
            card.fall.push_back({ wicket, team.FallOfWicket[wicket], Trim(team.Plr[w.batsman].Name),
                OversText(w.ball + 1) });
        }
    }

    void AddBowling(InningsCard& card, const MatchTeam& fielding, const InningsHistory* h)
    {
        std::vector<int> order;
        if (h) {
            for (const BallRecord& b : h->balls)
                if (std::find(order.begin(), order.end(), b.bowler) == order.end())
                    order.push_back(b.bowler);
        } else {
            for (int s = 0; s <= 15; ++s)
                if (fielding.Plr[s].BallsBowled > 0)
                    order.push_back(s);
        }
        for (int s : order) {
            const MatchPlayer& p = fielding.Plr[s];
            card.bowling.push_back(
                { Trim(p.Name), p.BallsBowled, p.Maidens, p.RunsGiven, p.WicketsTaken });
        }
    }

    InningsCard InningsOf(int inning, int side)
    {
        const MatchTeam& team = Teams[side];
        InningsCard card;
        card.country = team.Country;
        card.runs = team.Runs;
        card.wickets = team.Wickets;
        card.balls = team.Balls;
        if (inning == 0 && OneInningsGame) {
            card.enteredTotal = true;
            return card;
        }
        const InningsHistory* h = HistoryOf(inning, side);
        AddBatting(card, team, h);
        AddFall(card, team, h);
        AddBowling(card, Teams[1 - side], h);
        return card;
    }

    std::string TossText()
    {
        for (int s = 0; s < 2; ++s) {
            if (!Teams[s].WonToss)
                continue;
            return Teams[s].Country + " won the toss and "
                + (s == FirstBatSide ? "chose to bat." : "chose to field.");
        }
        return {};
    }

    // How the match stands when it is not decided yet.
    std::string StateOfPlay()
    {
        const MatchTeam& first = Teams[FirstBatSide];
        const MatchTeam& second = Teams[1 - FirstBatSide];
        const int need = first.Runs - second.Runs + 1;
        const int left = Overs * 6 - second.Balls;
        if (!FirstInnings)
            return second.Country + " need " + std::to_string(need) + " runs from "
                + std::to_string(left) + " balls.";
        if (first.Wickets >= 10 || first.Balls >= Overs * 6)
            return second.Country + " need " + std::to_string(need) + " runs to win.";
        return "The first innings is in progress.";
    }
} // namespace

std::string TotalDetail(const InningsCard& innings)
{
    const int w = innings.wickets;
    std::string detail
        = w >= 10 ? std::string("all out") : std::to_string(w) + (w == 1 ? " wicket" : " wickets");
    detail += ", " + OversText(innings.balls) + (innings.balls == 6 ? " over" : " overs");
    if (innings.balls > 0)
        detail += ", " + FormatRatio(6LL * innings.runs, innings.balls) + " an over";
    return detail;
}

std::string Economy(const BowlingLine& bowler)
{
    return bowler.balls > 0 ? FormatRatio(6LL * bowler.runs, bowler.balls) : "-";
}

std::vector<std::string> FallTexts(const InningsCard& innings)
{
    std::vector<std::string> texts;
    for (const FallLine& fall : innings.fall)
        texts.push_back(std::to_string(fall.wicket) + "-" + std::to_string(fall.score) + " ("
            + fall.batsman + ", " + fall.overs + " ov)");
    return texts;
}

std::string OversText(int balls)
{
    const std::string whole = std::to_string(balls / 6);
    return balls % 6 == 0 ? whole : whole + "." + std::to_string(balls % 6);
}

std::string UsualHowOut(const std::string& cardText, const std::string& bowler)
{
    const std::string t = Trim(cardText);
    if (StartsWith(t, "Run Out ("))
        return "run out (" + After(t, 9);
    if (StartsWith(t, "c and b: "))
        return "c & b " + After(t, 9);
    if (StartsWith(t, "lbw b: "))
        return "lbw b " + After(t, 7);
    if (StartsWith(t, "b: "))
        return "b " + After(t, 3);
    const std::string byBowler = " b: " + bowler;
    if (StartsWith(t, "c: ") && t.size() > byBowler.size() + 3
        && t.compare(t.size() - byBowler.size(), byBowler.size(), byBowler) == 0)
        return "c " + Trim(t.substr(3, t.size() - byBowler.size() - 3)) + " b " + bowler;
    return t;
}

MatchCard ScorecardOfMatch(const std::string& played)
{
    MatchCard card;
    const int second = 1 - FirstBatSide;
    card.title = Teams[FirstBatSide].Country + " v " + Teams[second].Country + ", "
        + std::to_string(Overs) + " overs a side";
    card.played = played;
    card.toss = OneInningsGame ? std::string {} : TossText();
    card.innings.push_back(InningsOf(0, FirstBatSide));
    if (!FirstInnings)
        card.innings.push_back(InningsOf(1, second));
    card.result = MatchOver ? ResultLine() : StateOfPlay();
    return card;
}

} // namespace stumpcraft
