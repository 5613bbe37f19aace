// Before the first ball: every way the toss can go with the coin scripted, the team sheet's
// checks, moves, keys and what it stores, the one-innings setup's total, and whole games from
// the menu through these screens.
#include "MatchFixture.h"
#include "PreMatchDriver.h"
#include "TestSquads.h"
#include "fakes/FakeServices.h"
#include "forms/frmBowlChange.h"
#include "forms/frmMain.h"
#include "forms/frmOneInnings.h"
#include "modules/RecordsStore.h"
#include "modules/TeamFile.h"
#include "modules/modProcs.h"
#include "modules/modVars.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace stumpcraft::testing {
namespace {

    class PreMatchTest : public ::testing::Test {
    protected:
        PreMatchTest()
        {
            Teams[0].PlayerName = "Ann";
            Teams[1].PlayerName = kComputer;
            Teams[0].Country = "Kenya";
            Teams[1].Country = "Holland";
            OnePlayer = true;
            Overs = 50;
            ShipSquad("Kenya", InventedSquadText("Kenyan"));
            ShipSquad("Holland", InventedSquadText("Dutch"));
        }
        void Commentator()
        {
            AgentOn = true;
            AgentChar = &platform.agent;
        }
        FrmToss& Toss(const std::vector<int>& draws)
        {
            ScriptRandomDraw(draws);
            return frmToss();
        }
        std::vector<std::string> Column(const ListBox& list) const { return list.Items(); }

        fakes::FakePlatform platform;
    };

    TEST_F(PreMatchTest, HumanCallsAndWinsThenChoosesAndMayChangeHisMind)
    {
        FrmToss& t = Toss({ 1, 1 }); // Ann calls; the coin shows heads
        EXPECT_EQ(t.lbltoss.Caption(), "Ann(Kenya) gets the chance to toss today");
        EXPECT_FALSE(ComputerCallsToss || t.Frame1[2].Visible || t.Picture2.Visible);
        t.optheadstails[0].UserClick();
        EXPECT_FALSE(t.Frame1[1].Enabled);
        EXPECT_EQ(t.lblTossWonBy.Caption(), "Ann(Kenya) has won the toss");
        EXPECT_TRUE(Teams[0].WonToss && !Teams[1].WonToss);
        EXPECT_EQ(t.Frame1[2].Caption(), "Ann, Will you choose BATTING or FIELDING");
        EXPECT_TRUE(t.Frame1[2].Enabled && t.lblDesc[1].Visible);
        t.optbatbowl[1].UserClick();
        EXPECT_EQ(FirstBatSide, 1);
        t.optbatbowl[0].UserClick();
        EXPECT_EQ(FirstBatSide, 0);
        EXPECT_TRUE(t.Picture2.Visible);
        EXPECT_EQ(ScriptedDrawsLeft(), 0);
        t.cmdNext.UserClick();
        EXPECT_EQ(platform.toolkit.shownForms.back(), "frmStart");
    }

    TEST_F(PreMatchTest, HumanCallsAndLosesSoTheComputerChoosesAtOnce)
    {
        FrmToss& t = Toss({ 1, 2, 1 }); // Ann calls heads, tails comes up, the computer bats
        t.optheadstails[0].UserClick();
        EXPECT_EQ(t.lblTossWonBy.Caption(), "Computer(Holland) has won the toss");
        EXPECT_EQ(t.Frame1[2].Caption(), "Computer will bat first");
        EXPECT_FALSE(t.Frame1[2].Enabled);
        EXPECT_EQ(t.lblDesc[1].Caption(), "Computer will bat first");
        EXPECT_TRUE(t.optbatbowl[0].Value && t.Picture2.Visible);
        EXPECT_EQ(FirstBatSide, 1);
    }

    TEST_F(PreMatchTest, ComputerCallsWhenDrawnAndItsLinesComeInOrder)
    {
        Commentator();
        // The computer is drawn, calls tails, the coin shows tails, it chooses to bowl.
        FrmToss& t = Toss({ 2, 2, 2, 2 });
        EXPECT_TRUE(ComputerCallsToss);
        EXPECT_EQ(t.Frame1[1].Caption(), "Computer chose Tails");
        EXPECT_EQ(t.lblDesc[0].Caption(), "Computer chose Tails");
        EXPECT_FALSE(t.Frame1[1].Enabled);
        EXPECT_EQ(t.Frame1[2].Caption(), "Computer will bowl first");
        EXPECT_EQ(FirstBatSide, 0);
        EXPECT_TRUE(t.Picture2.Visible);
        // The call ran inside the load, so its result comes before "Computer chose".
        EXPECT_EQ(platform.agent.Of("Speak"),
            (std::vector<std::string> { "Welcome to everybody for the toss.",
                "Computer gets the chance to toss today",
                "Computer has won the toss and has elected to field", "Computer chose Tails" }));
        EXPECT_EQ(platform.agent.Of("Play"), (std::vector<std::string> { "Wave", "Domagic1" }));
    }

    TEST_F(PreMatchTest, ComputerCallsAndLosesSoThePersonChooses)
    {
        Commentator();
        FrmToss& t = Toss({ 2, 1, 2 }); // heads called, tails comes up
        EXPECT_EQ(t.lblTossWonBy.Caption(), "Ann(Kenya) has won the toss");
        EXPECT_EQ(t.Frame1[2].Caption(),
            "Computer has lost the toss! Ann, Will you choose BATTING or FIELDING");
        EXPECT_TRUE(t.Frame1[2].Enabled && t.lblDesc[1].Visible);
        EXPECT_FALSE(t.Picture2.Visible);
        const auto spoken = platform.agent.Of("Speak");
        ASSERT_GE(spoken.size(), 2u);
        EXPECT_EQ(spoken[spoken.size() - 2],
            "Please choose batting or bowling and then click the Next button.");
        EXPECT_EQ(spoken.back(), "Computer chose Heads");
        t.optbatbowl[1].UserClick();
        EXPECT_EQ(FirstBatSide, 1);
        EXPECT_EQ(
            platform.agent.Of("Speak").back(), "Ann has won the toss and has elected to field");
    }

    TEST_F(PreMatchTest, TwoPlayersCallAndChooseByHandInEveryMatch)
    {
        OnePlayer = false;
        Teams[1].PlayerName = "Bo";
        for (int match = 0; match < 2; ++match) {
            FrmToss& t = Toss({ 2, 2 }); // Bo calls, and wins with tails
            EXPECT_EQ(t.lbltoss.Caption(), "Bo(Holland) gets the chance to toss today")
                << "the design caption again in match " << match;
            EXPECT_FALSE(ComputerCallsToss);
            EXPECT_TRUE(t.Frame1[1].Enabled);
            t.optheadstails[1].UserClick();
            EXPECT_EQ(t.Frame1[2].Caption(), "Bo, Will you choose BATTING or FIELDING");
            t.optbatbowl[0].UserClick();
            EXPECT_EQ(FirstBatSide, 1);
            t.cmdNext.UserClick();
            EXPECT_EQ(platform.toolkit.shownForms.back(), "frmStart");
            frmStart().Unload();
        }
    }

    TEST_F(PreMatchTest, SheetFillsTheFirstSideThenStoresBothAndOpensTheMatch)
    {
        FirstBatSide = 0;
        FrmStart& s = frmStart();
        EXPECT_EQ(FrmStart::FillCount, 1);
        EXPECT_EQ(s.Frame1[0].Caption(), "Finalizing Team Kenya");
        EXPECT_EQ(s.Caption, "Before you begin... Finalize Team Kenya");
        EXPECT_EQ(s.cmbCountry.Text(), "Kenya");
        ASSERT_EQ(s.lst11.ListCount(), 11);
        EXPECT_EQ(s.lst11.List(0), FitPlrName("Kenyan 1")) << "names padded as stored";
        EXPECT_EQ(s.lstReserves.List(3), FitPlrName("Kenyan 15"));
        ASSERT_EQ(platform.toolkit.messages.size(), 1u);
        EXPECT_EQ(platform.toolkit.messages[0].text,
            "You can set any of the options for Team Kenya from here.\nFor example, you can set "
            "the Captain, Keeper, First Bowler, Second Bowler.\nOr, you can change the batting "
            "order, or even swap players from the reserve bench");

        // Specials, then a move: the special stays with its row, and so does its mark.
        s.lst11.ListIndex = 2;
        s.cmdSpecials[0].UserClick();
        EXPECT_EQ(Teams[0].Captain, 2);
        s.cmdUp.UserClick();
        EXPECT_EQ(s.lst11.ListIndex, 1);
        EXPECT_EQ(s.lstMarks.List(2), "c");
        EXPECT_EQ(s.txtSpecial[0].Text(), FitPlrName("Kenyan 3"));
        EXPECT_EQ(Teams[0].Captain, 2);
        SignSheet(s); // captain row 0, keeper 5, bowlers 10 and 9
        EXPECT_EQ(Teams[0].Plr[1].Name, FitPlrName("Kenyan 3")) << "the batting order as moved";
        EXPECT_EQ(Teams[0].Plr[14].Name, FitPlrName("Kenyan 15"));
        EXPECT_EQ((std::vector<int> {
                      Teams[0].Captain, Teams[0].Keeper, Teams[0].Bowler1, Teams[0].Bowler2 }),
            (std::vector<int> { 0, 5, 10, 9 }));

        EXPECT_EQ(FrmStart::FillCount, 2);
        EXPECT_EQ(s.Frame1[0].Caption(), "Finalizing Team Holland");
        EXPECT_EQ(s.Caption, "Before you begin... Finalize Team Holland") << "no pile of titles";
        EXPECT_EQ(s.lstMarks.List(0), "");
        s.lst11.ListIndex = 3;
        s.cmdSpecials[0].UserClick();
        EXPECT_EQ(Teams[1].Captain, 3) << "the second sheet's specials go to the second side";
        EXPECT_EQ(Teams[0].Captain, 0);
        SignSheet(s);
        EXPECT_EQ(Teams[1].Plr[0].Name, FitPlrName("Dutch 1"));
        EXPECT_FALSE(s.IsLoaded());
        EXPECT_TRUE(MatchScreenLoaded());
    }

    TEST_F(PreMatchTest, BothSidesOfOneCountryKeepTheirOwnSpecials)
    {
        Teams[1].Country = "Kenya";
        CurrBatSide = 1; // left so by an earlier match: its side is filled first
        FrmStart& s = frmStart();
        SignSheet(s); // keeper row 5, for side 1
        const int rows[4] = { 1, 7, 3, 2 };
        for (int k = 0; k < 4; ++k) {
            s.lst11.ListIndex = rows[k];
            s.cmdSpecials[k].UserClick();
        }
        s.cmdNext.UserClick();
        EXPECT_EQ((std::vector<int> { Teams[1].Keeper, Teams[0].Keeper, Teams[0].Captain }),
            (std::vector<int> { 5, 7, 1 }));
        EXPECT_EQ(Teams[0].Plr[0].Name, Teams[1].Plr[0].Name);
        EXPECT_TRUE(MatchScreenLoaded());
    }

    TEST_F(PreMatchTest, SheetRefusesMissingSpecialsInOrderAndTheSameManTwice)
    {
        FrmStart& s = frmStart();
        platform.toolkit.messages.clear();
        s.cmdNext.UserClick();
        EXPECT_EQ(platform.toolkit.Texts(),
            (std::vector<std::string> {
                "You have not chosen a Captain. Please choose one before proceeding!",
                "Hey! You have chosen the same opening bowler from both the ends! Please change "
                "it before proceeding!",
                "Hey! You can not choose the keeper as a bowler!" }));

        // With Merlin on the screen each of the last two stops the one before it.
        Commentator();
        s.cmdNext.UserClick();
        std::vector<std::string> ops;
        for (const auto& r : platform.agent.requests)
            ops.push_back(r.op);
        EXPECT_EQ(
            ops, (std::vector<std::string> { "Speak", "StopAll", "Speak", "StopAll", "Speak" }));

        AgentOn = false;
        platform.toolkit.messages.clear();
        const int rows[4] = { 0, 5, 2, 5 }; // bowler 2 is the keeper
        for (int k = 0; k < 4; ++k) {
            s.lst11.ListIndex = rows[k];
            s.cmdSpecials[k].UserClick();
        }
        s.cmdNext.UserClick();
        EXPECT_EQ(platform.toolkit.Texts(),
            std::vector<std::string> { "Hey! You can not choose the keeper as a bowler!" });
        EXPECT_EQ(FrmStart::FillCount, 1) << "the sheet stays";
    }

    TEST_F(PreMatchTest, MovesSwapsAndKeysKeepTheColumnsInStep)
    {
        FrmStart& s = frmStart();
        platform.toolkit.messages.clear();
        const auto before = Column(s.lst11);
        s.lst11.ListIndex = 0;
        s.cmdUp.UserClick(); // the first row goes nowhere
        s.lst11.ListIndex = 10;
        s.cmdDown.UserClick(); // nor the last
        EXPECT_EQ(Column(s.lst11), before);

        // Kenyan 4 (rated 4 and 2) swaps with the second reserve, Kenyan 13 (1 and 5).
        s.lst11.ListIndex = 3;
        s.lstBatRateReserves.ListIndex = 1; // a click on a rating picks the reserve's row
        EXPECT_EQ(s.lstReserves.ListIndex, 1);
        int key = 's';
        EXPECT_EQ(s.lst11.UserKeyPress(key), 0) << "the sheet used the key";
        EXPECT_EQ(s.lst11.List(3), FitPlrName("Kenyan 13"));
        EXPECT_EQ(s.lstBatRate11.List(3), "1");
        EXPECT_EQ(s.lstBallRate11.List(3), "5");
        EXPECT_EQ(s.lstReserves.List(1), FitPlrName("Kenyan 4"));
        EXPECT_EQ(s.lstBatRateReserves.List(1), "4");
        EXPECT_EQ(s.lstBallRateReserves.List(1), "2");
        EXPECT_EQ(s.lst11.ListIndex, 3);

        EXPECT_EQ(s.lst11.UserKeyPress('d'), 0);
        EXPECT_EQ(s.lst11.List(4), FitPlrName("Kenyan 13"));
        EXPECT_EQ(s.lstBallRate11.List(4), "5");
        EXPECT_EQ(s.lstBatRate11.ListIndex, 4) << "the ratings' rows follow the selection";
        EXPECT_EQ(s.lst11.UserKeyPress('u'), 0);
        EXPECT_EQ(s.lst11.UserKeyPress('k'), 0);
        EXPECT_EQ(s.txtSpecial[1].Text(), FitPlrName("Kenyan 13"));
        EXPECT_EQ(s.lst11.UserKeyPress('C'), 'C') << "only the lower-case keys";
        EXPECT_TRUE(platform.toolkit.messages.empty());

        s.lst11.ListIndex = -1;
        s.lst11.UserKeyPress('c');
        ASSERT_EQ(platform.toolkit.messages.size(), 1u);
        EXPECT_EQ(platform.toolkit.messages[0].text,
            "First, click on the player's name whom you want to make &Captain (c)\nAnd then, "
            "click on the &Captain (c) button.");
    }

    TEST_F(PreMatchTest, SideWithoutAReadableSquadWaitsForTheTeamEditor)
    {
        Teams[1].Country = "Zimbabwe"; // no file
        FrmStart& s = frmStart();
        SignSheet(s);
        ASSERT_EQ(FrmStart::FillCount, 2);
        EXPECT_EQ(platform.toolkit.messages.back().text,
            "There are no players yet for Team Zimbabwe\nYou will have to create the team before "
            "proceeding.\nPlease click on the Edit Team button to create the team");
        EXPECT_EQ(s.lst11.List(0), FitPlrName("Kenyan 1")) << "the lists stay as they were";
        SignSheet(s);
        EXPECT_TRUE(s.IsLoaded()) << "Kenya's players do not go on as Zimbabwe's";
        EXPECT_FALSE(MatchScreenLoaded());
        EXPECT_EQ(Teams[1].Plr[0].Name, "");

        // A damaged file is no better.
        s.Unload();
        std::ofstream(TeamFilePath("Zimbabwe"), std::ios::binary) << std::string(100, 'x');
        FrmStart::FillCount = 1;
        FrmStart& again = frmStart();
        EXPECT_NE(platform.toolkit.messages.back().text.find("Zimbabwe"), std::string::npos);
        SignSheet(again);
        EXPECT_TRUE(again.IsLoaded());
    }

    class OneInningsTest : public PreMatchTest {
    protected:
        FrmOneInnings& Setup(int choice)
        {
            OneInningsGame = true;
            for (int side = 0; side < 2; ++side) {
                Teams[side].Bowler1 = 10;
                Teams[side].Bowler2 = 9;
                for (int slot = 0; slot <= 10; ++slot)
                    Teams[side].Plr[slot].Name = "Man " + std::to_string(slot);
            }
            FrmOneInnings& o = frmOneInnings();
            o.optoditest[choice].UserClick();
            return o;
        }
        void Enter(FrmOneInnings& o, const std::string& total)
        {
            o.txtScore.Text = total;
            o.cmdNext.UserClick();
        }
    };

    TEST_F(OneInningsTest, TotalsThatAreNoNumberOrTooBigAreRefused)
    {
        FrmOneInnings& o = Setup(0);
        EXPECT_EQ(o.Frame1[1].Caption(), "Enter the runs you want to chase");
        EXPECT_EQ(o.lbl.Caption(), "Enter the runs scored by Holland");
        for (const char* bad : { "   ", "12a", "32768", "-32769", "1e9" })
            Enter(o, bad);
        ASSERT_EQ(platform.toolkit.messages.size(), 5u);
        EXPECT_EQ(platform.toolkit.messages[0].text,
            "Please enter the score you want to chase or defend");
        EXPECT_EQ(platform.toolkit.messages[1].text, "Sorry! You can only enter numbers for runs");
        EXPECT_EQ(platform.toolkit.messages[1].icon, MsgIcon::Critical);
        EXPECT_EQ(platform.toolkit.messages[1].title, "StumpC Error");
        EXPECT_EQ(platform.toolkit.messages[2].text, "6: Overflow");
        EXPECT_EQ(platform.toolkit.messages[3].text, "6: Overflow");
        EXPECT_EQ(Teams[1].Runs, 0);
        EXPECT_TRUE(o.IsLoaded());
        Enter(o, " 2.5 ");
        EXPECT_EQ(Teams[1].Runs, 2) << "halves go to the even number";
    }

    TEST_F(OneInningsTest, TheMatchOpensInTheChaseOfTheTypedTotalNegativeOrNot)
    {
        FrmOneInnings& o = Setup(1);
        o.optoditest[0].UserClick(); // defend, then chase: the last click counts
        Enter(o, "  250 ");
        ASSERT_TRUE(MatchScreenLoaded());
        EXPECT_EQ(CurrBatSide, 0);
        EXPECT_EQ(FirstBatSide, 1);
        EXPECT_FALSE(FirstInnings);
        EXPECT_EQ(frmMain().lblSmallScore[2].Caption(), "Holland: 250/0");
        EXPECT_EQ(frmMain().lblMsg[1].Caption(), "       Required Run Rate for Kenya: 5.02");

        frmMain().Unload();
        FrmOneInnings& defend = Setup(1);
        EXPECT_EQ(defend.lbl.Caption(), "Enter the runs scored by Kenya");
        Enter(defend, "-5");
        ASSERT_TRUE(MatchScreenLoaded());
        EXPECT_EQ(CurrBatSide, 1);
        EXPECT_EQ(frmMain().lblSmallScore[2].Caption(), "Kenya: -5/0");
    }

    TEST_F(PreMatchTest, OneInningsGameFromTheMenuIsPlayedButNotCounted)
    {
        platform.toolkit.onModal = [](Form& form) {
            for (int row = 10; row >= 0 && form.IsLoaded(); --row)
                static_cast<FrmBowlChange&>(form).lblBlrName[row].UserClick();
        };
        FrmMenu& m = frmMenu();
        SetUpGame(m, 1, { "Ann" }, "Kenya", "Holland", "10");
        FrmOneInnings& o = frmOneInnings();
        o.optoditest[1].UserClick();
        o.txtScore.Text = "60";
        o.cmdNext.UserClick();
        ASSERT_TRUE(PlayThrough(frmMain()));
        EXPECT_EQ(RecordsStore(RecordsStore::DefaultPath()).Find("Ann")->Played, 0);
        EXPECT_EQ(RecordsStore(RecordsStore::DefaultPath()).Find("Computer")->Played, 0);
    }

} // namespace
} // namespace stumpcraft::testing
