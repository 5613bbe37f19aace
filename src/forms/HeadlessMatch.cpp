#include "forms/HeadlessMatch.h"

#include "forms/frmMain.h"
#include "modules/KeepMatch.h"
#include "modules/MatchResult.h"
#include "modules/RecordsStore.h"
#include "modules/ScorecardFile.h"
#include "modules/modVars.h"
#include "platform/Form.h"
#include "platform/Services.h"

#include <stdexcept>
#include <utility>

namespace stumpcraft {

namespace {
    // Far more presses than any match needs: a match that takes more is stuck.
    constexpr int kMaxPresses = 1000;

    // The toolkit of a match nobody watches. The result is announced in a message box and goes
    // unread; anything else the game had to say is kept, since it means the match cannot be
    // trusted.
    class HeadlessToolkit : public Toolkit {
    public:
        MsgResult MessageBox(
            const std::string& text, MsgButtons, MsgIcon, const std::string&) override
        {
            if (text.rfind("Congratulations", 0) != 0 && text.rfind("Fantastic", 0) != 0
                && problem.empty())
                problem = text;
            return MsgResult::OK;
        }
        void DoEvents() override { }
        void Pause(int) override { }
        ScreenSize Screen() override { return { 1280, 800 }; }
        void EndProgram() override { }
        void ShowForm(Form& form, bool modal) override
        {
            if (modal && problem.empty())
                problem = "The match asked a player to choose in " + form.TypeName();
            if (modal)
                form.Unload();
        }

        std::string problem;
    };

} // namespace

QuietMatch::QuietMatch(Toolkit& toolkit)
    : platform_(std::make_unique<Services>(Platform()))
    , agentOn_(AgentOn)
    , agentChar_(AgentChar)
    , store_(std::move(cnRecords))
    , keepCards_(KeepScorecardsOnResult)
    , keepMatches_(KeepMatchesInPlay)
    , decided_(std::move(OnMatchDecided))
{
    Platform() = Services { &toolkit, nullptr, nullptr };
    AgentOn = false;
    AgentChar = nullptr;
    KeepScorecardsOnResult = false;
    KeepMatchesInPlay = false;
    OnMatchDecided = nullptr;
}

QuietMatch::~QuietMatch()
{
    Platform() = *platform_;
    AgentOn = agentOn_;
    AgentChar = agentChar_;
    cnRecords = std::move(store_);
    KeepScorecardsOnResult = keepCards_;
    KeepMatchesInPlay = keepMatches_;
    OnMatchDecided = std::move(decided_);
}

HeadlessOutcome PlayHeadlessMatch()
{
    HeadlessToolkit toolkit;
    QuietMatch quiet(toolkit);
    FrmMain& f = frmMain();
    int presses = 0;
    while (!MatchOver && toolkit.problem.empty() && ++presses <= kMaxPresses) {
        if (State.InningsButtonMode == InningsButton::ChangeInnings)
            f.cmdChange.UserClick();
        else
            f.CmdNOver.UserClick();
    }
    if (!toolkit.problem.empty())
        throw std::runtime_error(toolkit.problem);
    if (!MatchOver)
        throw std::runtime_error("the match did not finish");
    // Left without the innings button, whose exit would go on to the main menu.
    f.Unload();

    HeadlessOutcome outcome;
    for (std::size_t s = 0; s < 2; ++s) {
        const MatchTeam& team = Teams[static_cast<int>(s)];
        outcome.runs[s] = team.Runs;
        outcome.wickets[s] = team.Wickets;
        outcome.balls[s] = team.Balls;
    }
    outcome.battedFirst = FirstBatSide;
    outcome.result = ResultLine();
    return outcome;
}

HeadlessOutcome PlayHeadlessMatch(
    const std::string& country0, const std::string& country1, int overs, int firstBatSide)
{
    SetUpQuickMatch({ country0, country1, kComputer, kComputer, overs, firstBatSide });
    return PlayHeadlessMatch();
}

} // namespace stumpcraft
