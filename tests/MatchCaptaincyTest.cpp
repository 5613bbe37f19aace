// The computer as captain: its bowling changes by stage of the innings, and its batting
// levels from the state of its innings.
#include "MatchFixture.h"
#include "modules/BattingLevel.h"
#include "modules/ComputerBowler.h"
#include "modules/modProcs.h"

namespace stumpcraft::testing {
namespace {

    struct MatchCaptaincyTest : MatchFixture {
        // Northland bats; the computer's Southmere has had bowlers in slots 10, 9, 8 and 7 on
        // the card in that order, with the given balls each.
        FrmMain& MidInnings(int balls, std::array<int, 4> bowled)
        {
            FrmMain& f = StartMatch();
            Bat().Balls = balls;
            const int slots[] = { 10, 9, 8, 7 };
            for (int k = 0; k < 4; ++k) {
                Field().Plr[slots[k]].BallsBowled = bowled[static_cast<std::size_t>(k)];
                f.lblBlrName[k].Caption = Field().Plr[slots[k]].Name;
            }
            return f;
        }
    };

    TEST_F(MatchCaptaincyTest, EarlyOnAFreshBowlerComesOnFromTheBottomOfTheOrder)
    {
        MidInnings(54, { 30, 24, 0, 0 });
        CurrBowler = 10;
        OtherBowler = 8;
        Field().Keeper = 7;
        ComputerChooseBowler();
        EXPECT_EQ(CurrBowler, 6) << "slot 9 has bowled, 8 is at the other end, 7 keeps wicket";
    }

    TEST_F(MatchCaptaincyTest, TheStageLimitIncludesItsLastOver)
    {
        MidInnings(120, { 30, 30, 30, 30 });
        CurrBowler = 10;
        OtherBowler = 9;
        ComputerChooseBowler();
        EXPECT_EQ(CurrBowler, 6)
            << "after exactly 20 of 50 overs the search is still for fresh legs";

        MidInnings(126, { 30, 30, 30, 30 });
        CurrBowler = 10;
        OtherBowler = 9;
        ComputerChooseBowler();
        EXPECT_EQ(CurrBowler, 7) << "after 21 overs the card is searched from its fourth row";
    }

    TEST_F(MatchCaptaincyTest, TheMiddleOversGoBackToTheLaterBowlersFirst)
    {
        MidInnings(150, { 30, 30, 30, 60 });
        CurrBowler = 10;
        OtherBowler = 6;
        ComputerChooseBowler();
        EXPECT_EQ(CurrBowler, 8) << "the fourth bowler's quota is used up; the third is next";
    }

    TEST_F(MatchCaptaincyTest, LaterTheOpenersComeBackAndAtTheEndNobodyChanges)
    {
        MidInnings(210, { 30, 30, 60, 60 });
        CurrBowler = 8;
        OtherBowler = 7;
        ComputerChooseBowler();
        EXPECT_EQ(CurrBowler, 10);

        MidInnings(270, { 60, 30, 30, 60 });
        CurrBowler = 8; // half his quota bowled
        OtherBowler = 9;
        ComputerChooseBowler();
        EXPECT_EQ(CurrBowler, 8);
    }

    TEST_F(MatchCaptaincyTest, ABowlerWhoHasBowledOutIsReplacedEvenAtTheEnd)
    {
        // The last fifth changes nobody, but a bowler with no overs left cannot go on, and the
        // player must never be asked to choose the computer's bowler.
        MidInnings(270, { 60, 30, 60, 60 });
        CurrBowler = 8;
        OtherBowler = 9;
        ComputerChooseBowler();
        EXPECT_EQ(CurrBowler, 6) << "nobody on the card has overs left: a fresh man";

        MidInnings(270, { 30, 30, 60, 60 });
        CurrBowler = 8;
        OtherBowler = 9;
        ComputerChooseBowler();
        EXPECT_EQ(CurrBowler, 10) << "the opener still has overs left";
    }

    TEST_F(MatchCaptaincyTest, WhenNobodyQualifiesTheBowlerStays)
    {
        MidInnings(150, { 60, 60, 60, 60 });
        for (int r = 0; r <= 6; ++r)
            if (r != Field().Keeper)
                Field().Plr[r].BallsBowled = 60;
        CurrBowler = 7;
        OtherBowler = 9;
        ComputerChooseBowler();
        EXPECT_EQ(CurrBowler, 7);
    }

    TEST_F(MatchCaptaincyTest, TheComputerRestsItsOpenerAfterHalfHisQuota)
    {
        MatchSetup setup;
        setup.overs = 10; // half a quota is one over
        FrmMain& f = StartMatch(setup);
        SeedRandomDraw(7);
        f.CmdNOver.UserClick();
        EXPECT_EQ(CurrBowler, 9);
        EXPECT_EQ(OtherBowler, 8) << "the first fresh man, after the opener's single over";
    }

    TEST_F(MatchCaptaincyTest, SettingATotalTheComputerOpensUpForTheLastTenOvers)
    {
        FrmMain& f = StartMatch();
        CurrBatSide = 1;
        Bat().Balls = 240;
        Bat().Wickets = 3;
        SetComputerBattingLevel(false);
        EXPECT_EQ(f.HScroll1[0].Value(), 5);
        EXPECT_EQ(f.HScroll1[1].Value(), 5);
        EXPECT_FALSE(f.HScroll1[0].Enabled());
        EXPECT_FALSE(f.HScroll1[1].Enabled());
        EXPECT_EQ(f.lbls[11].Caption(), "Level 5");

        Bat().Wickets = 8;
        SetComputerBattingLevel(false);
        EXPECT_EQ(f.HScroll1[0].Value(), 3);

        Bat().Balls = 294;
        Bat().Wickets = 9;
        SetComputerBattingLevel(false);
        EXPECT_EQ(f.HScroll1[0].Value(), 5) << "the last over is always attacked";

        Bat().Balls = 60;
        Bat().Wickets = 0;
        SetComputerBattingLevel(false);
        EXPECT_EQ(f.HScroll1[1].Value(), 3);
    }

    TEST_F(MatchCaptaincyTest, ChasingTheComputerPlaysToTheRequiredRate)
    {
        FrmMain& f = StartMatch();
        CurrBatSide = 1;
        FirstBatSide = 0;
        Bat().Balls = 264; // 36 balls left
        Bat().Runs = 100;
        const struct {
            int needed, wickets, level;
        } cases[] = { { 45, 0, 4 }, { 49, 0, 5 }, { 36, 0, 4 }, { 30, 0, 3 }, { 24, 0, 2 } };
        for (const auto& c : cases) {
            Teams[0].Runs = 100 + c.needed - 1;
            Bat().Wickets = c.wickets;
            SetComputerBattingLevel(true);
            EXPECT_EQ(f.HScroll1[0].Value(), c.level) << c.needed;
            EXPECT_EQ(f.HScroll1[1].Value(), c.level) << c.needed;
        }

        Bat().Balls = 240; // 60 balls left, 20 needed: two an over
        Teams[0].Runs = 119;
        Bat().Wickets = 1;
        SetComputerBattingLevel(true);
        EXPECT_EQ(f.HScroll1[0].Value(), 1);
        Bat().Wickets = 2;
        SetComputerBattingLevel(true);
        EXPECT_EQ(f.HScroll1[0].Value(), 3);
    }

    TEST_F(MatchCaptaincyTest, AWonChaseLeavesTheLevelsButLocksThem)
    {
        FrmMain& f = StartMatch();
        CurrBatSide = 1;
        f.HScroll1[0].Value = 2;
        Bat().Runs = 10;
        Teams[0].Runs = 9;
        SetComputerBattingLevel(true);
        EXPECT_EQ(f.HScroll1[0].Value(), 2);
        EXPECT_FALSE(f.HScroll1[0].Enabled());
    }

} // namespace
} // namespace stumpcraft::testing
