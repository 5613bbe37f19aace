// The result and the records: who is named for a record, when a record is broken, and what
// goes into the records store when a match or an innings ends.
#include "MatchFixture.h"
#include "modules/RecordsStore.h"
#include "modules/modProcs.h"
#include "modules/modRecords.h"

namespace stumpcraft::testing {
namespace {

    struct MatchRecordsTest : MatchFixture {
        void OpenStore()
        {
            cnRecords = std::make_unique<RecordsStore>((platform.Folder() / "stmp.bin").string());
            cnRecords->AddPlayer("Ann");
        }
        void TearDown() override { cnRecords.reset(); }

        PlayerRecord Row(const std::string& name) { return cnRecords->Load(name); }
    };

    TEST_F(MatchRecordsTest, TheEarlierSlotWinsATieForTopScorerAndWicketTaker)
    {
        StartMatch();
        Bat().Plr[2].Runs = 40;
        Bat().Plr[5].Runs = 40;
        Bat().Plr[12].Runs = 90; // a reserve never counts
        Field().Plr[7].WicketsTaken = 3;
        Field().Plr[9].WicketsTaken = 3;
        EXPECT_EQ(TopScorer(), 2);
        EXPECT_EQ(TopWicketTaker(), 7);
        Bat().Plr[2].Runs = 0;
        Bat().Plr[5].Runs = 0;
        EXPECT_EQ(TopScorer(), 0) << "nobody scored: the opener is named";
    }

    TEST_F(MatchRecordsTest, OnlyABetterFigureBreaksARecord)
    {
        StartMatch();
        PlayerRecords[0].HighestRuns.Value = 150;
        PlayerRecords[0].HighestRunsPlr.Value = 60;
        PlayerRecords[1].MostWicketsPlr.Value = 3;
        Bat().Runs = 150;
        Bat().Plr[4].Runs = 60;
        Bat().Plr[4].Name = "  Eli Strand ";
        Field().Plr[8].WicketsTaken = 3;
        CheckRecords();
        EXPECT_FALSE(RecordBroken);

        Bat().Runs = 151;
        Bat().Plr[4].Runs = 61;
        Field().Plr[8].WicketsTaken = 4;
        CheckRecords();
        EXPECT_TRUE(RecordBroken);
        EXPECT_EQ(PlayerRecords[0].HighestRuns.Value, 151);
        EXPECT_EQ(PlayerRecords[0].HighestRuns.Team, "Northland");
        EXPECT_EQ(PlayerRecords[0].HighestRunsPlr.Value, 61);
        EXPECT_EQ(PlayerRecords[0].HighestRunsPlr.Who, "Eli Strand");
        EXPECT_EQ(PlayerRecords[0].HighestRunsPlr.Team, "Northland");
        EXPECT_EQ(PlayerRecords[1].MostWicketsPlr.Value, 4);
        EXPECT_EQ(PlayerRecords[1].MostWicketsPlr.Who, "Yul Dacre");
        EXPECT_EQ(PlayerRecords[1].MostWicketsPlr.Team, "Southmere");
    }

    TEST_F(MatchRecordsTest, TheResultIsAnnouncedAndCountedForBothPlayers)
    {
        FrmMain& f = StartMatch();
        OpenStore();
        ShowResult(1, 3);
        EXPECT_EQ(MessageTexts().back(),
            "Congratulations Ann,\r\nNorthland has defeated Southmere by 3 wickets!");
        EXPECT_EQ(Row("Ann").Played, 1);
        EXPECT_EQ(Row("Ann").Won, 1);
        EXPECT_EQ(Row("Computer").Played, 1);
        EXPECT_EQ(Row("Computer").Won, 0);
        EXPECT_EQ(f.cmdChange.Caption(), "E&xit to Main Menu");

        ShowResult(0, 12);
        EXPECT_EQ(MessageTexts().back(),
            "Congratulations Computer,\r\nSouthmere has defeated Northland by 12 runs!");
        EXPECT_EQ(Row("Computer").Won, 1);

        ShowResult(-1, 0);
        EXPECT_EQ(Row("Ann").Ties, 1);
        EXPECT_EQ(Row("Computer").Ties, 1);
        EXPECT_EQ(Row("Ann").Played, 3);
        EXPECT_EQ(Row("Ann").Won, 1);

        ShowResult(7, 0); // no such result: nothing said or counted
        EXPECT_EQ(MessageTexts().size(), 3u);
        EXPECT_EQ(Row("Ann").Played, 3);
    }

    TEST_F(MatchRecordsTest, WithTheCommentatorTheResultIsSpoken)
    {
        StartMatch();
        EnableCommentator();
        ShowResult(-1, 0);
        EXPECT_TRUE(MessageTexts().empty());
        const auto speeches = platform.agent.Of("Speak");
        ASSERT_FALSE(speeches.empty());
        EXPECT_EQ(speeches.back(),
            "Fantastic Game of Cricket!\r\nIt is a tie between Southmere and Northland");
    }

    TEST_F(MatchRecordsTest, AOneInningsGameIsNeverCounted)
    {
        MatchSetup setup;
        setup.oneInnings = true;
        setup.target = 100;
        StartMatch(setup);
        OpenStore();
        ShowResult(1, 5);
        EXPECT_EQ(Row("Ann").Played, 0);
        EXPECT_EQ(Row("Computer").Played, 0);
    }

    TEST_F(MatchRecordsTest, UpdateRecordWritesBothRowsAndTheBestsTheyBeat)
    {
        FrmMain& f = StartMatch();
        OpenStore();
        PlayerRecord all = PlayerRecord::Empty();
        all.HighestRuns.Value = 300;
        all.HighestRuns.Team = "Elsewhere";
        all.FastestCentury.Value = 40;
        all.FastestCentury.Who = "Old Timer";
        cnRecords->WriteRecord(
            "All", all, RecordsStore::HighestTotal | RecordsStore::FastestHundred);

        // Ann's bowling (9 wickets) is not written after her innings.
        PlayerRecords[0] = PlayerRecord { "", 0, 0, 0, { 280, "", "Northland" },
            { 112, "Arlo Penhale", "Northland" }, { 9, "", "" }, { 30, "Arlo Penhale", "" },
            { 61, "Arlo Penhale", "" } };
        PlayerRecords[1].MostWicketsPlr.Value = 4;
        PlayerRecords[1].MostWicketsPlr.Who = "Yul Dacre";
        PlayerRecords[1].MostWicketsPlr.Team = "Southmere";
        f.UpdateRecord();

        const PlayerRecord ann = Row("Ann");
        EXPECT_EQ((std::vector<int> { ann.HighestRuns.Value, ann.FastestCentury.Value,
                      ann.FastestHalfCentury.Value, ann.MostWicketsPlr.Value }),
            (std::vector<int> { 280, 61, 30, 0 }));
        EXPECT_EQ(ann.HighestRunsPlr.Who, "Arlo Penhale");
        const PlayerRecord computer = Row("Computer");
        EXPECT_EQ(computer.MostWicketsPlr.Value, 4);
        EXPECT_EQ(computer.MostWicketsPlr.Who, "Yul Dacre");
        EXPECT_EQ(computer.HighestRuns.Value, 0);

        const PlayerRecord best = Row("All");
        EXPECT_EQ(best.HighestRuns.Value, 300) << "a lower total leaves the all-time best";
        EXPECT_EQ(best.HighestRuns.Team, "Elsewhere");
        EXPECT_EQ(best.HighestRunsPlr.Value, 112);
        EXPECT_EQ(best.FastestCentury.Value, 40);
        EXPECT_EQ(best.FastestCentury.Who, "Old Timer");
        EXPECT_EQ(best.FastestHalfCentury.Value, 30);
        EXPECT_EQ(best.MostWicketsPlr.Value, 4);
        EXPECT_EQ(best.MostWicketsPlr.Team, "Southmere");
    }

    // Both sides played under one name share a row. The first innings' new records must
    // survive the write after the second innings, whose side holds the older copy.
    TEST_F(MatchRecordsTest, TwoSidesOfOneNameKeepTheBetterRecord)
    {
        MatchSetup setup;
        setup.computerSide1 = false;
        StartMatch(setup);
        Teams[1].PlayerName = "Ann";
        OpenStore();
        PlayerRecords[0] = PlayerRecords[1] = Row("Ann");

        Bat().Runs = 250;
        Bat().Plr[2].Runs = 120;
        Field().Plr[8].WicketsTaken = 3;
        CheckRecords();
        frmMain().UpdateRecord();
        CurrBatSide = 1; // the second innings: the other side bats, less well
        Bat().Runs = 180;
        Bat().Plr[0].Runs = 60;
        Field().Plr[7].WicketsTaken = 5;
        CheckRecords();
        frmMain().UpdateRecord();

        const PlayerRecord ann = Row("Ann");
        EXPECT_EQ(ann.HighestRuns, (RecordFigure { 250, "", "Northland" }));
        EXPECT_EQ(ann.HighestRunsPlr, (RecordFigure { 120, "Cato Vennick", "Northland" }));
        EXPECT_EQ(ann.MostWicketsPlr, (RecordFigure { 5, "Hal Brenner", "Northland" }));
    }

    TEST_F(MatchRecordsTest, AnInningsEndWritesItsBrokenRecordsToTheStore)
    {
        MatchSetup setup;
        setup.overs = 10;
        FrmMain& f = StartMatch(setup);
        OpenStore();
        Bat().Balls = 59;
        Bat().Runs = 70;
        Bat().Plr[0].Runs = 70;
        BallOfOver = 5;
        Field().Plr[10].BallsBowled = 5;
        Bowl(f, BallDraws(1, 4));
        EXPECT_TRUE(f.cmdChange.Visible());
        EXPECT_EQ(Row("Ann").HighestRuns.Value, 74);
        EXPECT_EQ(Row("Ann").HighestRunsPlr.Value, 74);
        EXPECT_EQ(Row("All").HighestRuns.Value, 74);
        EXPECT_EQ(Row("All").HighestRuns.Team, "Northland");
    }

    TEST_F(MatchRecordsTest, WithoutABrokenRecordTheStoreIsLeftAlone)
    {
        MatchSetup setup;
        setup.overs = 10;
        FrmMain& f = StartMatch(setup);
        OpenStore();
        PlayerRecords[0].HighestRuns.Value = 500;
        PlayerRecords[0].HighestRunsPlr.Value = 500;
        Bat().Balls = 59;
        BallOfOver = 5;
        Field().Plr[10].BallsBowled = 5;
        Bowl(f, BallDraws(1, DotBall));
        EXPECT_FALSE(RecordBroken);
        EXPECT_EQ(Row("Ann").HighestRuns.Value, 0);
    }

} // namespace
} // namespace stumpcraft::testing
