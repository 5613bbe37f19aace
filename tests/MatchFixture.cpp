#include "MatchFixture.h"

#include "forms/frmBowlChange.h"
#include "modules/OutcomeTable.h"
#include "modules/modAgent.h"
#include "modules/modProcs.h"

#include <array>
#include <cstdlib>
#include <tuple>

namespace stumpcraft::testing {

namespace {
    const std::array<const char*, 16> kNorthland { "Arlo Penhale", "Bram Quillet", "Cato Vennick",
        "Dov Marrable", "Eli Strand", "Finn Osgood", "Gus Tarrow", "Hal Brenner", "Ivo Castell",
        "Jem Fairlie", "Kit Morrow", "Lew Ashdown", "Max Penrose", "Ned Callow", "Oli Wrenfield",
        "Pip Garland" };
    const std::array<const char*, 16> kSouthmere { "Quin Harlow", "Rafe Dunmore", "Sol Kettering",
        "Tam Ridley", "Ulf Barrow", "Vic Hemsley", "Wes Calder", "Xan Prothero", "Yul Dacre",
        "Zeb Lindell", "Ash Tremaine", "Bo Sutter", "Cy Fennick", "Dax Morley", "Ezra Pell",
        "Fitz Arnott" };
    constexpr std::array<int, 11> kBat { 5, 5, 4, 4, 4, 3, 3, 2, 2, 1, 1 };
    constexpr std::array<int, 11> kBall { 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 5 };
} // namespace

void SetUpSides(const MatchSetup& setup)
{
    const std::array<const std::array<const char*, 16>*, 2> squads { &kNorthland, &kSouthmere };
    for (int side = 0; side < 2; ++side) {
        MatchTeam& team = Teams[side];
        team.Country = side == 0 ? "Northland" : "Southmere";
        const bool computer = side == 0 ? setup.computerSide0 : setup.computerSide1;
        team.PlayerName = computer ? "Computer" : (side == 0 ? "Ann" : "Bob");
        for (int s = 0; s < 16; ++s) {
            team.Plr[s].Name
                = (*squads[static_cast<std::size_t>(side)])[static_cast<std::size_t>(s)];
            team.Plr[s].BatRate = s <= 10 ? kBat[static_cast<std::size_t>(s)] : 3;
            team.Plr[s].BallRate = s <= 10 ? kBall[static_cast<std::size_t>(s)] : 3;
        }
        team.Captain = 0;
        team.Keeper = 5;
        team.Bowler1 = 10;
        team.Bowler2 = 9;
        PlayerRecords[side] = PlayerRecord::Empty();
    }
    Overs = setup.overs;
    FirstBatSide = setup.firstBatSide;
    OnePlayer = setup.computerSide0 != setup.computerSide1;
    OneInningsGame = setup.oneInnings;
    if (setup.oneInnings)
        Teams[FirstBatSide].Runs = setup.target;
}

std::vector<int> OutcomeDraws(int level, int result)
{
    std::vector<int> draws;
    for (const OutcomeTest& t : LevelTableOf(level).tests) {
        if (t.result == result) {
            draws.push_back(t.hit);
            return draws;
        }
        draws.push_back(t.hit == 1 ? 2 : 1);
    }
    return draws; // none succeeded: the level's last word
}

std::vector<int> BallDraws(int level, int result, int kind, int fielder)
{
    std::vector<int> draws = OutcomeDraws(level, result);
    if (result == Out) {
        if (level < 5)
            draws.push_back(1); // the out stands
        draws.push_back(kind);
        if (kind >= 6)
            draws.push_back(fielder);
    }
    return draws;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<int> Times(int n, const std::vector<int>& draws)
{
    std::vector<int> all;
    for (int i = 0; i < n; ++i)
        all.insert(all.end(), draws.begin(), draws.end());
    return all;
}

std::string Scorecard()
{
    std::ostringstream out;
    for (int side = 0; side < 2; ++side) {
        const MatchTeam& t = Teams[side];
        out << t.Country << " " << t.Runs << "/" << t.Wickets << " in " << t.Balls << " balls\n";
        for (int s = 0; s <= 10; ++s) {
            const MatchPlayer& p = t.Plr[s];
            out << "  " << p.Name << ": " << p.Runs << " (" << p.BallsFaced << ") " << p.Dots << "/"
                << p.Ones << "/" << p.Twos << "/" << p.Threes << "/" << p.Fours << "/" << p.Fives
                << "/" << p.Sixes;
            if (p.BallsBowled > 0)
                out << " | " << p.BallsBowled << "b " << p.Maidens << "m " << p.RunsGiven << "r "
                    << p.WicketsTaken << "w";
            out << "\n";
        }
        out << "  FoW:";
        for (int w = 1; w <= t.Wickets; ++w)
            out << " " << t.FallOfWicket[w] << "/" << t.PartnershipRuns[w];
        out << "\n";
    }
    return out.str();
}

std::string Golden(const std::string& name, const std::string& now)
{
    const auto path = std::filesystem::path(STUMPCRAFT_GOLDEN_DIR) / name;
    if (std::getenv("STUMPCRAFT_UPDATE_GOLDEN"))
        std::ofstream(path, std::ios::binary) << now;
    return fakes::FileBytes(path);
}

bool PlayThrough(FrmMain& f)
{
    while (!MatchOver) {
        const auto before
            = std::make_tuple(CurrBatSide, Teams[CurrBatSide].Balls, BallOfOver, CurrBowler);
        if (f.cmdChange.Visible)
            f.cmdChange.UserClick();
        else
            f.CmdNOver.UserClick();
        if (std::make_tuple(CurrBatSide, Teams[CurrBatSide].Balls, BallOfOver, CurrBowler) == before
            && !MatchOver)
            return false;
    }
    return true;
}

FrmMain& MatchFixture::StartMatch(const MatchSetup& setup)
{
    SetUpSides(setup);
    return frmMain();
}

void MatchFixture::Bowl(FrmMain& f, const std::vector<int>& draws)
{
    ScriptRandomDraw(draws);
    f.CmdNBowl.UserClick();
    EXPECT_EQ(ScriptedDrawsLeft(), 0) << "every scripted draw is used";
}

void MatchFixture::EnableCommentator()
{
    platform.agent.Bookmark = [](long bookmark) { Agent1_Bookmark(bookmark); };
    platform.agent.loaded = true;
    AgentChar = &platform.agent;
    AgentOn = true;
}

void ChooseBowlersWhenAsked(fakes::FakeToolkit& toolkit)
{
    toolkit.onModal = [](Form& form) {
        auto& change = static_cast<FrmBowlChange&>(form);
        for (int row = 10; row >= 0 && change.IsLoaded(); --row)
            change.lblBlrName[row].UserClick();
    };
}

void MatchFixture::ChooseBowler(FrmMain& f, int row)
{
    platform.toolkit.onModal
        = [row](Form& form) { static_cast<FrmBowlChange&>(form).lblBlrName[row].UserClick(); };
    f.lblNxtBlr.UserClick();
    platform.toolkit.onModal = nullptr;
}

} // namespace stumpcraft::testing
