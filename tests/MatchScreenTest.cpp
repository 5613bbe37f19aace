// The match screen's own figures and windows: the scoreboard, the bowling card's rows, the
// bowler change screen's refusals, the batting statistics and the help button.
#include "MatchFixture.h"
#include "forms/frmBatStat.h"
#include "forms/frmBowlChange.h"
#include "modules/Scoreboard.h"
#include "modules/modProcs.h"
#include "modules/modRecords.h"

#include <fstream>

namespace stumpcraft::testing {
namespace {

    struct MatchScreenTest : MatchFixture {
        // Opens the bowler change screen from the next-bowler label and clicks `row` in it.
        void ChooseBowler(FrmMain& f, int row)
        {
            platform.toolkit.onModal = [row](Form& form) {
                static_cast<FrmBowlChange&>(form).lblBlrName[row].UserClick();
            };
            f.lblNxtBlr.UserClick();
            platform.toolkit.onModal = nullptr;
        }
    };

    TEST_F(MatchScreenTest, OversShowTheBallsOfTheOverInProgress)
    {
        FrmMain& f = StartMatch();
        Bat().Balls = 75;
        Field().Plr[10].BallsBowled = 40;
        BallOfOver = 3;
        Bowl(f, BallDraws(1, DotBall));
        EXPECT_EQ(f.lblSmallScore[1].Caption(), "Overs: 12.4");
        EXPECT_EQ(f.lblOvers[0].Caption(), "6.4");
        Bowl(f, BallDraws(1, DotBall));
        Bowl(f, BallDraws(1, DotBall));
        EXPECT_EQ(f.lblSmallScore[1].Caption(), "Overs: 13");
        EXPECT_EQ(f.lblOvers[0].Caption(), "7");
    }

    TEST_F(MatchScreenTest, ABowlerKeepsHisRowForALaterSpell)
    {
        FrmMain& f = StartMatch();
        ShowScoreAndBowling();
        CurrBowler = 9;
        ShowScoreAndBowling();
        CurrBowler = 8;
        ShowScoreAndBowling();
        CurrBowler = 10;
        Field().Plr[10].RunsGiven = 17;
        ShowScoreAndBowling();
        EXPECT_EQ(f.lblBlrName[1].Caption(), "Zeb Lindell");
        EXPECT_EQ(f.lblBlrName[2].Caption(), "Yul Dacre");
        EXPECT_EQ(f.lblRunsGiven[0].Caption(), "17");
        EXPECT_FALSE(f.lblBlrName[3].Visible());
    }

    TEST_F(MatchScreenTest, TheNextBowlerLabelLightsUpUnderTheMouse)
    {
        FrmMain& f = StartMatch();
        EXPECT_EQ(f.lblNxtBlr.ForeColor(), RGB(255, 192, 255));
        EXPECT_EQ(f.lblNxtBlr.MousePointer(), Cursor::Bat);
        f.lblNxtBlr.UserMouseMove(MouseButton::Left, 1, 1);
        EXPECT_EQ(f.lblNxtBlr.ForeColor(), RGB(143, 192, 255));
        f.Picture1[2].UserMouseMove(MouseButton::Left, 1, 1);
        EXPECT_EQ(f.lblNxtBlr.ForeColor(), RGB(255, 192, 255));
    }

    TEST_F(MatchScreenTest, TheBowlerChangeScreenListsTheElevenWithTheirCardFigures)
    {
        MatchSetup setup;
        setup.computerSide1 = false;
        FrmMain& f = StartMatch(setup);
        Bowl(f, BallDraws(1, 4));
        FrmBowlChange* seen = nullptr;
        platform.toolkit.onModal = [&](Form& form) {
            seen = &static_cast<FrmBowlChange&>(form);
            EXPECT_EQ(seen->Caption, "Choose a new Bowler");
            EXPECT_EQ(
                seen->lblMsg.Caption(), "Simply, click on the bowler to set him up as next change");
            EXPECT_EQ(seen->lblBlrName[10].Caption(), "Ash Tremaine");
            EXPECT_EQ(seen->lblOvers[10].Caption(), "0.1");
            EXPECT_EQ(seen->lblRunsGiven[10].Caption(), "4");
            EXPECT_EQ(seen->lblOvers[9].Caption(), "") << "he has not bowled yet";
        };
        f.lblNxtBlr.UserClick();
        ASSERT_NE(seen, nullptr);
        EXPECT_FALSE(frmBowlChange().lblBlrName[10].Caption().empty()) << "opens afresh";
    }

    TEST_F(MatchScreenTest, TheBowlerChangeRefusesTheKeeperTheQuotaAndTheOtherEnd)
    {
        MatchSetup setup;
        setup.overs = 10;
        setup.computerSide1 = false;
        FrmMain& f = StartMatch(setup);
        ChooseBowler(f, 5);
        EXPECT_EQ(MessageTexts().back(), "Sorry! You can not choose the keeper!");

        Field().Plr[8].Name = "Vic Hemsley"; // the same name as the keeper is refused alike
        ChooseBowler(f, 8);
        EXPECT_EQ(MessageTexts().size(), 2u);

        ChooseBowler(f, 9); // between overs Zeb is at the other end
        EXPECT_EQ(MessageTexts().back(),
            "Sorry! You can not choose Zeb Lindell, as he is bowling at the other end!");
        EXPECT_EQ(CurrBowler, 10);

        f.lblOvers[1].Caption = "1.5"; // counts as two overs: a ten-over quota
        f.lblBlrName[1].Caption = "Wes Calder";
        ChooseBowler(f, 6);
        EXPECT_EQ(MessageTexts().back(), "Sorry! Wes Calder has bowled out his quota of 2 overs");
        f.lblOvers[1].Caption = "1.3"; // rounds to the even one
        ChooseBowler(f, 6);
        EXPECT_EQ(CurrBowler, 6);
        EXPECT_EQ(f.lblNxtBlr.Caption(), "Next Bowler: Wes Calder");
        EXPECT_EQ(MessageTexts().size(), 4u);
    }

    // A name with "|" or a bookmark tag in it can neither add an alternative nor end a wait,
    // in any line the commentator says; a box shows it as typed.
    TEST_F(MatchScreenTest, NoNameCanChangeWhatTheCommentatorSays)
    {
        const std::string odd = "Al|fie \\Mrk=1\\";
        MatchSetup setup;
        setup.computerSide1 = false;
        FrmMain& f = StartMatch(setup);
        Teams[0].PlayerName = odd;
        Bat().Plr[0].Name = odd; // the striker
        Field().Plr[9].Name = odd; // at the other end
        Field().Plr[10].Name = odd; // bowling now
        EnableCommentator();
        Bat().Plr[0].Runs = 48;
        Bowl(f, BallDraws(1, 2)); // his fifty
        ChooseBowler(f, 9); // the other end
        Field().Plr[10].BallsBowled = 60;
        platform.toolkit.onModal = [](Form& form) { form.Unload(); };
        f.CmdNBowl.UserClick(); // his quota
        ShowResult(1, 3);

        int lines = 0;
        for (const std::string& text : platform.agent.Of("Speak")) {
            if (text == "\\Mrk=1\\")
                continue;
            ++lines;
            EXPECT_EQ(text.find('\\'), std::string::npos) << text;
            EXPECT_EQ(text.find("Al|fie"), std::string::npos) << text;
        }
        EXPECT_EQ(lines, 4) << "the fifty, the refusal, the quota and the result";
        AgentOn = false;
        ChooseBowler(f, 9);
        EXPECT_EQ(MessageTexts().back(),
            "Sorry! You can not choose " + odd + ", as he is bowling at the other end!");
    }

    TEST_F(MatchScreenTest, DuringAnOverTheChoiceBowlsTheNextOver)
    {
        MatchSetup setup;
        setup.computerSide1 = false;
        FrmMain& f = StartMatch(setup);
        Bowl(f, BallDraws(1, DotBall));
        ChooseBowler(f, 10);
        EXPECT_EQ(MessageTexts().back(),
            "Sorry! You can not choose Ash Tremaine, as he is bowling at the other end!");
        ChooseBowler(f, 4);
        EXPECT_EQ(OtherBowler, 4);
        EXPECT_EQ(CurrBowler, 10);
    }

    TEST_F(MatchScreenTest, AfterTheSixthBallTheChoiceReplacesTheBowlerWhoFinished)
    {
        MatchSetup setup;
        setup.computerSide1 = false;
        FrmMain& f = StartMatch(setup);
        for (int i = 0; i < 6; ++i)
            Bowl(f, BallDraws(1, DotBall));
        ChooseBowler(f, 3);
        EXPECT_EQ(CurrBowler, 3);
        Bowl(f, BallDraws(1, DotBall));
        EXPECT_EQ(Field().Plr[9].BallsBowled, 1) << "the other end still bowls the next over";
        EXPECT_EQ(OtherBowler, 3);
    }

    TEST_F(MatchScreenTest, TheComputerChoosesItsOwnBowlers)
    {
        FrmMain& f = StartMatch();
        f.lblNxtBlr.UserClick();
        EXPECT_TRUE(platform.toolkit.shownForms.empty());
    }

    TEST_F(MatchScreenTest, ANameOnTheCardOpensHisBattingFigures)
    {
        FrmMain& f = StartMatch();
        f.HScroll1[0].Value = 1;
        Bowl(f, BallDraws(1, 4));
        Bowl(f, BallDraws(1, DotBall));
        Bowl(f, BallDraws(1, 3));
        Bowl(f, BallDraws(1, Out, 4)); // Bram, lbw
        std::vector<std::string> figures;
        std::string caption, out;
        int top = 0, left = 0;
        platform.toolkit.onModal = [&](Form& form) {
            auto& stats = static_cast<FrmBatStat&>(form);
            for (auto& box : stats.txt)
                figures.push_back(box.Text());
            caption = stats.Caption;
            out = stats.lblBatOut.Caption();
            top = stats.Top;
            left = stats.Left;
            stats.cmdExit.UserClick();
        };
        f.SSTab1.Tab = 1; // the batting card
        f.lblBatName[0].UserClick();
        EXPECT_EQ(figures,
            (std::vector<std::string> { "7", "3", "1", "0", "0", "1", "1", "0", "0", "233.33" }));
        EXPECT_EQ(caption, "Batting Stats for Arlo Penhale");
        EXPECT_EQ(out, "Not Out");
        EXPECT_EQ(top, (800 - frmBatStat().Height) / 2);
        EXPECT_EQ(left, (1280 - frmBatStat().Width) / 2);

        f.lblBatName[1].UserClick();
        EXPECT_EQ(out, " lbw b: Ash Tremaine");
        EXPECT_EQ(figures.back(), "0");

        f.lblBatName[9].UserClick(); // not in yet
        EXPECT_EQ(figures.back(), "0");
        EXPECT_EQ(out, "Not Out");
    }

    TEST_F(MatchScreenTest, HelpOpensTheManualOrSaysWhereToGetIt)
    {
        FrmMain& f = StartMatch();
        f.cmdHelp.UserClick();
        ASSERT_EQ(platform.toolkit.messages.size(), 1u);
        const auto& box = platform.toolkit.messages[0];
        EXPECT_EQ(box.text,
            "It seems that you have not downloaded the manual, yet.\r\n You can download the "
            "manual from the StumpC website, i.e. https://stumpcraft.example/manual");
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
        EXPECT_EQ(box.title, "Stumpcraft");
        EXPECT_TRUE(platform.shell.opened.empty());

        std::ofstream(platform.Folder() / "manual.htm") << "<html></html>";
        f.cmdHelp.UserClick();
        ASSERT_EQ(platform.shell.opened.size(), 1u);
        EXPECT_EQ(platform.shell.opened[0], (platform.Folder() / "manual.htm").string());
    }

} // namespace
} // namespace stumpcraft::testing
