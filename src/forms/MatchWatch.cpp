// Watching a decided match again: it is played again once, with nobody looking, and every
// moment it may be shown at (each ball, each change of innings) is kept as a copy of the
// match state; the play buttons then step through those copies on the live screen.
#include "forms/MatchWatch.h"

#include "forms/MatchReplay.h"
#include "forms/frmMain.h"
#include "forms/frmMenu.h"
#include "modules/Dismissal.h"
#include "modules/KeepMatch.h"
#include "modules/MatchResult.h"
#include "modules/MatchText.h"
#include "modules/modAgent.h"
#include "modules/modVars.h"
#include "platform/Errors.h"

#include <memory>
#include <vector>

namespace stumpcraft {

namespace {
    struct Watching {
        std::vector<MatchState> moments;
        std::size_t shown = 0;
        bool telling = false; // a ball is being told: the buttons wait
    };
    std::unique_ptr<Watching> watching;

    int Deliveries(const MatchState& s)
    {
        return s.History.innings[0].Balls() + s.History.innings[1].Balls();
    }

    // The commentator's line for the ball just shown: a boundary or the dismissal.
    void TellLastBall()
    {
        if (!AgentOn || !AgentChar || State.BallOfOver < 1)
            return;
        const int result = State.OverBalls[State.BallOfOver - 1].result;
        if (result == 4 || result == 6) {
            CommentBall(result, "", "");
        } else if (result == Out) {
            const auto& wickets = History.innings[FirstInnings ? 0 : 1].wickets;
            if (wickets.empty())
                return;
            const DismissalComment line = CommentOn(wickets.back().out, Teams[1 - CurrBatSide]);
            CommentBall(line.code, line.first, line.second);
        }
    }

    void Show(FrmMain& f, std::size_t moment, bool tell)
    {
        const bool agentOn = AgentOn;
        AgentCharacter* const agentChar = AgentChar;
        const int before = Deliveries(State);
        State = watching->moments[moment];
        AgentOn = agentOn;
        AgentChar = agentChar;
        State.LevelsLocked = true; // the levels were set when it was played
        watching->shown = moment;
        f.FreePlayButtons();
        f.Repaint();
        if (tell && Deliveries(State) > before)
            TellLastBall();
        if (tell && MatchOver && moment + 1 == watching->moments.size())
            Announce(Line(ResultLine()), false);
    }

    // Next Bowl shows the next moment; Next Over every moment to the end of the over (or of
    // the innings), each told in turn.
    void Step(FrmMain& f, bool wholeOver)
    {
        if (!watching || watching->telling)
            return;
        watching->telling = true;
        while (watching && watching->shown + 1 < watching->moments.size()) {
            Show(f, watching->shown + 1, true);
            if (!MatchScreenLoaded() || !watching)
                return;
            if (!wholeOver || BallOfOver == 6 || State.InningsClosed)
                break;
        }
        if (watching)
            watching->telling = false;
    }

    void PressInningsButton(FrmMain& f)
    {
        if (!watching || watching->telling)
            return;
        if (State.InningsButtonMode == InningsButton::ExitToMenu) {
            watching.reset();
            f.cmdChange_Click(); // the way back to the menu, counting nothing
            return;
        }
        Step(f, false);
    }
} // namespace

std::vector<MatchArchive::Listed> KeptDecidedMatches()
{
    try {
        auto archive = MatchArchive::OpenExisting(MatchArchive::DefaultPath());
        return archive ? archive->Decided() : std::vector<MatchArchive::Listed> {};
    } catch (const KeptMatchDamaged&) {
        RefuseKeptFile(MatchArchive::DefaultPath());
    } catch (const RuntimeError& error) {
        ShowErrorBox(error);
    }
    return {};
}

bool WatchKeptMatch(long long id)
{
    auto watch = std::make_unique<Watching>();
    FrmMain* screen = nullptr;
    try {
        auto archive = MatchArchive::OpenExisting(MatchArchive::DefaultPath());
        if (!archive)
            return false;
        const MatchArchive::Kept kept = archive->Load(id);
        screen = &ReplayKeptMatch(kept, [&watch] { watch->moments.push_back(State); });
    } catch (const KeptMatchDamaged&) {
        FreshMatchState();
        RefuseKeptFile(MatchArchive::DefaultPath());
        return false;
    } catch (const RuntimeError& error) {
        FreshMatchState();
        ShowErrorBox(error);
        return false;
    }
    watching = std::move(watch);
    FrmMain& f = *screen;
    f.CmdNBowl.Click = [&f] { Step(f, false); };
    f.CmdNOver.Click = [&f] { Step(f, true); };
    f.cmdChange.Click = [&f] { PressInningsButton(f); };
    f.lblNxtBlr.Click = nullptr; // the bowlers were chosen when it was played
    Show(f, 0, false);
    frmMenu().Hide();
    f.Show();
    f.CmdNOver.SetFocus();
    return true;
}

} // namespace stumpcraft
