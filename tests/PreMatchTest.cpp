// Before the first ball: every way the toss can go with the coin scripted, the team sheet's
// checks, moves, keys and what it stores, the one-innings setup's total, and whole games from
// the menu through these screens.
#include "MatchFixture.h"
#include "PreMatchDriver.h"
#include "TestSquads.h"
#include "forms/frmOneInnings.h"
#include "forms/frmToss.h"
#include "modules/MatchText.h"
#include "modules/RecordsStore.h"
#include "modules/TeamFile.h"
#include "modules/modProcs.h"

namespace stumpcraft::testing {
namespace {

    using Texts = std::vector<std::string>;

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

        fakes::FakePlatform platform;
    };

    // One toss: the draws that make it go (who calls, 1 the first side and 2 the second, the
    // computer's call, the coin, the computer's choice, as far as each is drawn), the person's
    // click on heads (0) or tails (1), none when the computer calls, and on bat (0) or field (1).
    struct TossCase {
        std::vector<int> draws;
        int call;
        std::vector<int> choices;
        bool twoPlayers = false;
    };

    // The toss window as the player reads it.
    std::string TossScreen(FrmToss& t)
    {
        const auto open = [](const Control& c) { return c.Enabled ? " [open] " : " [closed] "; };
        return "  " + t.lbltoss.Caption() + " | computer calls: "
            + (ComputerCallsToss ? "yes" : "no") + " | call" + open(t.Frame1[1])
            + t.Frame1[1].Caption() + " | " + t.lblTossWonBy.Caption() + " | choice"
            + open(t.Frame1[2]) + t.Frame1[2].Caption() + " | " + t.lblDesc[0].Caption() + " / "
            + (t.lblDesc[1].Visible ? t.lblDesc[1].Caption() : std::string("(hidden)"))
            + (t.Picture2.Visible ? " | Continue" : "") + "\n";
    }

    // Catches a toss won or chosen by the wrong side, a call or a choice that stays open, or
    // Merlin telling another toss than the board. Each way is taken twice, as in two matches of
    // one run: nothing piles up.
    TEST_F(PreMatchTest, EachSideCallsAndChoosesAsTheCoinFalls)
    {
        const TossCase cases[] = {
            { { 1, 1 }, 0, { 1, 0 } }, // Ann calls and wins, and changes her mind before going on
            { { 1, 2, 1 }, 0, {} }, // Ann calls and loses: the computer chooses at once
            // The computer calls inside the load, so its result comes before its call.
            { { 2, 2, 2, 2 }, -1, {} }, { { 2, 1, 2 }, -1, { 1 } },
            { { 2, 2 }, 1, { 0 }, true }, // two players: each calls and chooses by hand
        };
        Commentator();
        std::string seen;
        for (const TossCase& c : cases) {
            OnePlayer = !c.twoPlayers;
            Teams[1].PlayerName = c.twoPlayers ? "Bo" : kComputer;
            std::string first;
            for (int match = 0; match < 2; ++match) {
                const std::size_t spoken = platform.agent.Of("Speak").size();
                FrmToss& t = Toss(c.draws);
                std::string now = TossScreen(t);
                if (c.call >= 0)
                    t.optheadstails[c.call].UserClick();
                now += TossScreen(t);
                for (int choice : c.choices)
                    t.optbatbowl[choice].UserClick();
                now += TossScreen(t) + "  first to bat: " + std::to_string(FirstBatSide)
                    + ", toss won (side 0, side 1): " + std::to_string(Teams[0].WonToss)
                    + std::to_string(Teams[1].WonToss)
                    + ", draws left: " + std::to_string(ScriptedDrawsLeft()) + "\n";
                const auto lines = platform.agent.Of("Speak");
                for (std::size_t i = spoken; i < lines.size(); ++i)
                    now += "  Merlin: " + lines[i] + "\n";
                t.cmdNext.UserClick();
                EXPECT_EQ(platform.toolkit.shownForms.back(), "frmStart");
                frmStart().Unload();
                if (match == 0)
                    first = now;
                EXPECT_EQ(now, first) << "the second match's toss as the first";
            }
            seen += first;
        }
        EXPECT_EQ(seen, Golden("toss.txt", seen));
    }

    // Catches a side's order or specials lost or given to the other side.
    TEST_F(PreMatchTest, SheetFillsTheFirstSideThenStoresBothAndOpensTheMatch)
    {
        FirstBatSide = 0;
        FrmStart& s = frmStart();
        EXPECT_EQ(s.cmbCountry.Text(), "Kenya");
        ASSERT_EQ(s.lst11.ListCount(), 11);
        EXPECT_EQ(s.lst11.List(0), FitPlrName("Kenyan 1")) << "names padded as stored";
        EXPECT_EQ(s.lstReserves.List(3), FitPlrName("Kenyan 15"));
        ASSERT_EQ(platform.toolkit.Texts().size(), 1u);
        EXPECT_TRUE(platform.toolkit.Texts()[0].starts_with("You can set any of the options for "
                                                            "Team Kenya from here."));

        // A special, then a move: the special follows his player, and so does his mark.
        s.lst11.ListIndex = 2;
        s.cmdSpecials[0].UserClick();
        s.cmdUp.UserClick();
        EXPECT_EQ(s.lst11.ListIndex, 1);
        EXPECT_EQ((Texts { s.lstMarks.List(1), s.lstMarks.List(2) }), (Texts { "c", "" }));
        EXPECT_EQ(s.txtSpecial[0].Text(), FitPlrName("Kenyan 3"));
        EXPECT_EQ(Teams[0].Captain, 1);
        SignSheet(s); // captain row 0, keeper 5, bowlers 10 and 9
        EXPECT_EQ(Teams[0].Plr[1].Name, FitPlrName("Kenyan 3")) << "the batting order as moved";
        EXPECT_EQ(Teams[0].Plr[14].Name, FitPlrName("Kenyan 15"));
        EXPECT_EQ((std::vector<int> {
                      Teams[0].Captain, Teams[0].Keeper, Teams[0].Bowler1, Teams[0].Bowler2 }),
            (std::vector<int> { 0, 5, 10, 9 }));

        EXPECT_EQ(s.Frame1[0].Caption(), "Finalizing Team Holland");
        EXPECT_EQ(s.Caption, "Before you begin... Finalize Team Holland") << "no pile of titles";
        EXPECT_EQ(s.lstMarks.List(0), "");
        MarkSpecials(s, { 3, 5, 10, 9 });
        s.cmdNext.UserClick();
        EXPECT_EQ(Teams[1].Captain, 3) << "the second sheet's specials go to the second side";
        EXPECT_EQ(Teams[0].Captain, 0);
        EXPECT_EQ(Teams[1].Plr[0].Name, FitPlrName("Dutch 1"));
        EXPECT_FALSE(s.IsLoaded());
        EXPECT_TRUE(MatchScreenLoaded());
    }

    // Catches one side's specials overwriting the other's when both are one country.
    TEST_F(PreMatchTest, BothSidesOfOneCountryKeepTheirOwnSpecials)
    {
        Teams[1].Country = "Kenya";
        CurrBatSide = 1; // left so by an earlier match: its side is filled first
        FrmStart& s = frmStart();
        SignSheet(s); // keeper row 5, for side 1
        MarkSpecials(s, { 1, 7, 3, 2 });
        s.cmdNext.UserClick();
        EXPECT_EQ((std::vector<int> { Teams[1].Keeper, Teams[0].Keeper, Teams[0].Captain }),
            (std::vector<int> { 5, 7, 1 }));
        EXPECT_EQ(Teams[0].Plr[0].Name, Teams[1].Plr[0].Name);
        EXPECT_TRUE(MatchScreenLoaded());
    }

    // Nothing chosen: only the first missing choice is named, for no empty keeper is a bowler.
    // The checks of two specials come in their order once both are chosen.
    TEST_F(PreMatchTest, SheetNamesTheFirstMissingSpecialThenTheSameManTwice)
    {
        FrmStart& s = frmStart();
        platform.toolkit.messages.clear();
        const std::string captain
            = "You have not chosen a Captain. Please choose one before proceeding!";
        const std::string same = "Hey! You have chosen the same opening bowler from both the "
                                 "ends! Please change it before proceeding!";
        const std::string keeper = "Hey! You can not choose the keeper as a bowler!";
        s.cmdNext.UserClick();
        EXPECT_EQ(platform.toolkit.Texts(), Texts { captain });
        Commentator();
        s.cmdNext.UserClick();
        EXPECT_EQ(platform.agent.Lines(), Texts { "Speak " + captain }) << "not the keeper line";

        AgentOn = false;
        const auto refused = [&](const Texts& said) {
            platform.toolkit.messages.clear();
            s.cmdNext.UserClick();
            EXPECT_EQ(platform.toolkit.Texts(), said);
        };
        // The keeper is the first bowler, the rest are missing.
        s.lst11.ListIndex = 5;
        s.cmdSpecials[1].UserClick();
        s.cmdSpecials[2].UserClick();
        refused({ captain, keeper });
        // Every special chosen: the messages in their usual order.
        MarkSpecials(s, { 0, 5, 5, 5 });
        refused({ same, keeper });
        MarkSpecials(s, { 0, 5, 2, 5 });
        refused({ keeper });
        EXPECT_TRUE(s.IsLoaded()) << "the sheet stays";
    }

    // A move or a swap between choosing the specials and Continue must not hand the match a
    // keeper who opens the bowling or one bowler for both ends.
    TEST_F(PreMatchTest, SpecialsFollowTheirPlayersThroughMovesAndSwaps)
    {
        FrmStart& s = frmStart();
        const auto press = [&s](int row, std::string keys) {
            s.lst11.ListIndex = row;
            for (char key : keys)
                EXPECT_EQ(s.lst11.UserKeyPress(key), 0);
        };
        press(0, "kd"); // Kenyan 1 keeps wicket and goes down to row 1
        press(0, "1"); // Kenyan 2, now on row 0, opens the bowling
        press(2, "2u"); // Kenyan 3 bowls at the other end and goes up to row 1
        press(3, "c");
        EXPECT_EQ((Texts { s.lstMarks.List(0), s.lstMarks.List(1), s.lstMarks.List(2) }),
            (Texts { "1", "2", "k" }));
        EXPECT_EQ(
            (Texts { s.txtSpecial[1].Text(), s.txtSpecial[2].Text(), s.txtSpecial[3].Text() }),
            (Texts { FitPlrName("Kenyan 1"), FitPlrName("Kenyan 2"), FitPlrName("Kenyan 3") }));

        // A special swapped out to the reserves is his no more: Continue asks for it again.
        s.lstReserves.ListIndex = 0;
        press(1, "s");
        EXPECT_EQ(s.txtSpecial[3].Text(), "");
        EXPECT_EQ(s.lstMarks.List(1), "");
        platform.toolkit.messages.clear();
        s.cmdNext.UserClick();
        EXPECT_EQ(platform.toolkit.Texts(),
            Texts { "You have not chosen the opening bowlers. Please choose them before "
                    "proceeding!" });
        press(1, "2");
        s.cmdNext.UserClick();
        const MatchTeam& side = Teams[0];
        EXPECT_EQ((Texts { Trim(side.Plr[side.Keeper].Name), Trim(side.Plr[side.Bowler1].Name),
                      Trim(side.Plr[side.Bowler2].Name), Trim(side.Plr[side.Captain].Name) }),
            (Texts { "Kenyan 1", "Kenyan 2", "Kenyan 12", "Kenyan 4" }));
    }

    // A nameless player in the Eleven would bat as a blank frame and a blank line of the card.
    TEST_F(PreMatchTest, SheetRefusesAnElevenWithANamelessPlayer)
    {
        TeamFileName = "Kenya";
        ReadSquad();
        TeamList[3].PlrName = FitPlrName(" ");
        WriteSquad();
        FrmStart& s = frmStart();
        MarkSpecials(s, { 0, 5, 10, 9 });
        platform.toolkit.messages.clear();
        s.cmdNext.UserClick();
        EXPECT_EQ(platform.toolkit.Texts(),
            Texts { "Row 4 of Today's Eleven has no name. Please swap him with a named reserve, "
                    "or give him a name in the team editor, before proceeding!" });
        EXPECT_EQ(FrmStart::FillCount, 1) << "the same sheet";
        s.lst11.ListIndex = 3;
        s.lstReserves.ListIndex = 0;
        s.cmdSwap.UserClick();
        s.cmdNext.UserClick();
        EXPECT_EQ(FrmStart::FillCount, 2) << "on to the second side";
    }

    // Catches a name moved without its ratings, or a key that does nothing.
    TEST_F(PreMatchTest, MovesSwapsAndKeysKeepTheColumnsInStep)
    {
        FrmStart& s = frmStart();
        platform.toolkit.messages.clear();
        const Texts before = s.lst11.Items();
        s.lst11.ListIndex = 0;
        s.cmdUp.UserClick(); // the first row goes nowhere
        s.lst11.ListIndex = 10;
        s.cmdDown.UserClick(); // nor the last
        EXPECT_EQ(s.lst11.Items(), before);

        // Kenyan 4 (rated 4 and 2) swaps with the second reserve, Kenyan 13 (1 and 5).
        s.lst11.ListIndex = 3;
        s.lstBatRateReserves.ListIndex = 1; // a click on a rating picks the reserve's row
        EXPECT_EQ(s.lst11.UserKeyPress('s'), 0) << "the sheet used the key";
        EXPECT_EQ((Texts { s.lst11.List(3), s.lstBatRate11.List(3), s.lstBallRate11.List(3) }),
            (Texts { FitPlrName("Kenyan 13"), "1", "5" }));
        EXPECT_EQ((Texts { s.lstReserves.List(1), s.lstBatRateReserves.List(1),
                      s.lstBallRateReserves.List(1) }),
            (Texts { FitPlrName("Kenyan 4"), "4", "2" }));
        EXPECT_EQ(s.lst11.ListIndex, 3);

        EXPECT_EQ(s.lst11.UserKeyPress('k'), 0);
        EXPECT_EQ(s.txtSpecial[1].Text(), FitPlrName("Kenyan 13"));
        EXPECT_EQ(s.lst11.UserKeyPress('C'), 'C') << "only the lower-case keys";
        EXPECT_TRUE(platform.toolkit.messages.empty());

        // The button is named as it reads, without the mark of its access key.
        s.lst11.ListIndex = -1;
        s.lst11.UserKeyPress('c');
        EXPECT_EQ(platform.toolkit.Texts(),
            Texts { "First, click on the player's name whom you want to make Captain (c)\nAnd "
                    "then, click on the Captain (c) button." });
    }

    // Catches a side without a squad playing with another country's players.
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

    // A total below nothing is refused like letters, and the box keeps what was typed.
    TEST_F(OneInningsTest, TotalsThatAreNoNumberTooBigOrBelowNothingAreRefused)
    {
        FrmOneInnings& o = Setup(0);
        EXPECT_EQ(o.Frame1[1].Caption(), "Enter the runs you want to chase");
        EXPECT_EQ(o.lbl.Caption(), "Enter the runs scored by Holland");
        for (const char* bad : { "   ", "12a", "32768", "-32769", "1e9", " -50 " })
            Enter(o, bad);
        EXPECT_EQ(platform.toolkit.Texts(),
            (Texts { "Please enter the score you want to chase or defend",
                "Sorry! You can only enter numbers for runs", "6: Overflow", "6: Overflow",
                "6: Overflow", "Sorry! The runs can not be less than 0" }));
        EXPECT_EQ(platform.toolkit.messages[1].title, "StumpC Error");
        EXPECT_EQ(platform.toolkit.messages[5].title, "StumpC Error");
        EXPECT_EQ(o.txtScore.Text(), " -50 ");
        EXPECT_EQ(Teams[1].Runs, 0);
        EXPECT_TRUE(o.IsLoaded());
        Enter(o, " 2.5 ");
        EXPECT_EQ(Teams[1].Runs, 2) << "halves go to the even number";
    }

    // Catches a one-innings match chasing the wrong total, or with the wrong side in.
    TEST_F(OneInningsTest, TheMatchOpensInTheChaseOfTheTypedTotal)
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
        Enter(defend, "0");
        ASSERT_TRUE(MatchScreenLoaded());
        EXPECT_EQ(CurrBatSide, 1);
        EXPECT_EQ(frmMain().lblSmallScore[2].Caption(), "Kenya: 0/0");
    }

    // Catches a one-innings practice game counted in the players' records.
    TEST_F(PreMatchTest, OneInningsGameFromTheMenuIsPlayedButNotCounted)
    {
        ChooseBowlersWhenAsked(platform.toolkit);
        FrmMenu& m = frmMenu();
        SetUpGame(m, 1, { "Ann" }, "Kenya", "Holland", "10");
        FrmOneInnings& o = frmOneInnings();
        o.optoditest[1].UserClick();
        o.txtScore.Text = "60";
        o.cmdNext.UserClick();
        ASSERT_TRUE(PlayThrough(frmMain()));
        const RecordsStore store(RecordsStore::DefaultPath());
        EXPECT_EQ(store.Find("Ann")->Played + store.Find("Computer")->Played, 0);
    }

} // namespace
} // namespace stumpcraft::testing
