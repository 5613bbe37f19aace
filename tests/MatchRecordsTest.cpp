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
        // Played, won and tied by Ann, then by the computer.
        std::vector<int> Counts()
        {
            const PlayerRecord ann = Row("Ann"), computer = Row("Computer");
            return { ann.Played, ann.Won, ann.Ties, computer.Played, computer.Won, computer.Ties };
        }
    };

    // Only a better figure breaks a record. The top scorer and wicket taker are of the eleven,
    // the earlier slot on a tie, and named without the spaces around the name.
    TEST_F(MatchRecordsTest, OnlyABetterFigureBreaksARecord)
    {
        StartMatch();
        PlayerRecords[0].HighestRuns.Value = 150;
        PlayerRecords[0].HighestRunsPlr.Value = 60;
        PlayerRecords[1].MostWicketsPlr.Value = 3;
        Bat().Runs = 150;
        Bat().Plr[4].Runs = 60;
        Field().Plr[8].WicketsTaken = 3;
        CheckRecords();
        EXPECT_FALSE(RecordBroken);

        Bat().Runs = 151;
        Bat().Plr[4].Runs = 61;
        Bat().Plr[4].Name = "  Eli Strand ";
        Bat().Plr[6].Runs = 61;
        Bat().Plr[12].Runs = 90; // a reserve
        Field().Plr[8].WicketsTaken = 4;
        Field().Plr[9].WicketsTaken = 4;
        CheckRecords();
        EXPECT_TRUE(RecordBroken);
        EXPECT_EQ(PlayerRecords[0].HighestRuns, (RecordFigure { 151, "", "Northland" }));
        EXPECT_EQ(
            PlayerRecords[0].HighestRunsPlr, (RecordFigure { 61, "Eli Strand", "Northland" }));
        EXPECT_EQ(PlayerRecords[1].MostWicketsPlr, (RecordFigure { 4, "Yul Dacre", "Southmere" }));
    }

    // Catches a result counted for the wrong player, twice, or from a bad code.
    TEST_F(MatchRecordsTest, TheResultIsAnnouncedAndCountedForBothPlayers)
    {
        FrmMain& f = StartMatch();
        OpenStore();
        ShowResult(1, 3);
        EXPECT_EQ(MessageTexts().back(),
            "Congratulations Ann,\r\nNorthland has defeated Southmere by 3 wickets!");
        EXPECT_EQ(Counts(), (std::vector<int> { 1, 1, 0, 1, 0, 0 }));
        EXPECT_EQ(f.cmdChange.Caption(), "E&xit to Main Menu");

        ShowResult(0, 12);
        EXPECT_EQ(MessageTexts().back(),
            "Congratulations Computer,\r\nSouthmere has defeated Northland by 12 runs!");
        EXPECT_EQ(Counts(), (std::vector<int> { 2, 1, 0, 2, 1, 0 }));

        ShowResult(-1, 0);
        EXPECT_EQ(Counts(), (std::vector<int> { 3, 1, 1, 3, 1, 1 }));

        ShowResult(7, 0); // no such result: nothing said or counted
        EXPECT_EQ(MessageTexts().size(), 3u);
        EXPECT_EQ(Counts(), (std::vector<int> { 3, 1, 1, 3, 1, 1 }));
    }

    // Catches all-time bests overwritten by worse figures, or bowling written for a batter.
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
        PlayerRecords[1].MostWicketsPlr = { 4, "Yul Dacre", "Southmere" };
        f.UpdateRecord();

        const PlayerRecord ann = Row("Ann");
        EXPECT_EQ((std::vector<int> { ann.HighestRuns.Value, ann.FastestCentury.Value,
                      ann.FastestHalfCentury.Value, ann.MostWicketsPlr.Value }),
            (std::vector<int> { 280, 61, 30, 0 }));
        EXPECT_EQ(ann.HighestRunsPlr.Who, "Arlo Penhale");
        EXPECT_EQ(Row("Computer").MostWicketsPlr, PlayerRecords[1].MostWicketsPlr);
        EXPECT_EQ(Row("Computer").HighestRuns.Value, 0);

        const PlayerRecord best = Row("All");
        EXPECT_EQ(best.HighestRuns, all.HighestRuns) << "a lower total leaves the all-time best";
        EXPECT_EQ(best.FastestCentury, all.FastestCentury);
        EXPECT_EQ(best.HighestRunsPlr, PlayerRecords[0].HighestRunsPlr);
        EXPECT_EQ(best.FastestHalfCentury, PlayerRecords[0].FastestHalfCentury);
        EXPECT_EQ(best.MostWicketsPlr, PlayerRecords[1].MostWicketsPlr);
    }

    // Both sides played under one name share a row. The first innings' new records must
    // survive the write after the second innings, whose side holds the older copy.
    TEST_F(MatchRecordsTest, TwoSidesOfOneNameKeepTheBetterRecord)
    {
        StartMatch({ .computerSide1 = false });
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

    // Catches records broken in an innings lost when the program ends before the result.
    TEST_F(MatchRecordsTest, AnInningsEndWritesItsBrokenRecordsToTheStore)
    {
        FrmMain& f = StartMatch({ .overs = 10 });
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
        EXPECT_EQ(Row("All").HighestRuns, (RecordFigure { 74, "", "Northland" }));
    }

} // namespace
} // namespace stumpcraft::testing
