// The World Cup's rules: the draw and the fixtures, the tables with their net run rates and
// tie-breaks, the knockouts, a whole seeded World Cup, and a World Cup that outlives the
// program and hands a person's match to the usual screens and back.
#include "modules/WorldCup.h"

#include "MatchFixture.h"
#include "PreMatchDriver.h"
#include "TestSquads.h"
#include "forms/WorldCupPlay.h"
#include "forms/frmToss.h"
#include "forms/frmWorldCup.h"
#include "modules/Countries.h"
#include "modules/QuickMatch.h"
#include "modules/RecordsStore.h"
#include "modules/WorldCupPage.h"
#include "modules/modProcs.h"

#include <algorithm>

namespace stumpcraft {
namespace {

    using namespace worldcup;

    // Groups A1..A6 and B1..B6, drawn in that order.
    Cup Lettered()
    {
        Cup cup;
        for (int i = 0; i < kCountries; ++i)
            cup.drawn[static_cast<std::size_t>(i)]
                = std::string(i < 6 ? "A" : "B") + std::to_string(i % 6 + 1);
        cup.overs = 50;
        cup.year = 2026;
        return cup;
    }

    // A result made by hand for the next match: side 0's innings, then side 1's.
    void Next(Cup& cup, Innings side0, Innings side1, int battedFirst = 0)
    {
        PlayedMatch m;
        m.number = NextMatch(cup);
        const Fixture f = FixtureOf(cup, m.number);
        m.sides = f.sides;
        m.innings = { side0, side1 };
        m.battedFirst = battedFirst;
        m.winner = MatchWinner(cup, f, m.innings);
        m.result = ResultText(cup, f, m.innings, battedFirst);
        AddResult(cup, m);
    }

    // A group match set by hand between any two sides of a group, out of the fixtures' order.
    void Between(
        Cup& cup, int number, const std::string& a, const std::string& b, Innings ia, Innings ib)
    {
        PlayedMatch m;
        m.number = number;
        m.sides = { a, b };
        m.innings = { ia, ib };
        m.winner = ia.runs == ib.runs ? -1 : ia.runs > ib.runs ? 0 : 1;
        cup.played.push_back(m);
    }

    // A table's row as the tests write it down.
    std::string RowText(const TableRow& r)
    {
        return r.country + " P" + std::to_string(r.played) + " W" + std::to_string(r.won) + " L"
            + std::to_string(r.lost) + " T" + std::to_string(r.tied) + " Pts"
            + std::to_string(r.points) + " " + r.NetRunRate();
    }

    std::vector<std::string> Order(const Cup& cup, int g)
    {
        std::vector<std::string> order;
        for (const TableRow& r : GroupTable(cup, g))
            order.push_back(r.country);
        return order;
    }

    // The whole group stage: in every match the side drawn earlier wins by ten runs, so each
    // group finishes in the order of the draw.
    Cup GroupsPlayed()
    {
        Cup cup = Lettered();
        while (NextMatch(cup) <= kGroupStage) {
            const Fixture f = FixtureOf(cup, NextMatch(cup));
            const bool firstWins = f.sides[0] < f.sides[1];
            Next(cup, { firstWins ? 210 : 200, 5, 300 }, { firstWins ? 200 : 210, 5, 300 });
        }
        return cup;
    }

    // Before the groups are done the knockouts are known only by who will play them, and no
    // match is looked up beyond the final. (A draw that left out a country, met a pair twice or
    // crossed the groups changes the seeded World Cup's golden file.)
    TEST(WorldCupRules, TheKnockoutsAreNamedByTheirPlacesUntilTheGroupsAreDone)
    {
        const Cup cup = Lettered();
        EXPECT_EQ(FixtureOf(cup, kFirstSemi).label, "Winner A v Runner-up B");
        EXPECT_EQ(FixtureOf(cup, kSecondSemi).label, "Winner B v Runner-up A");
        EXPECT_FALSE(FixtureOf(cup, kFinal).Known());
        EXPECT_THROW(FixtureOf(cup, 34), std::out_of_range);
    }

    // Points, ties and net run rate worked by hand; a side bowled out in 40 overs has faced 50
    // for its run rate, which a careless table gets wrong.
    TEST(WorldCupRules, TheTableAfterHandMadeResults)
    {
        Cup cup = Lettered();
        Next(cup, { 250, 6, 300 }, { 180, 10, 240 }); // 1: A1 beat A6, bowled out in 40 overs
        Next(cup, { 220, 8, 300 }, { 220, 7, 300 }); // 2: A2 and A5 tie
        Next(cup, { 150, 2, 180 }, { 149, 10, 250 }, 1); // 3: A3 chase down A4
        for (int b = 0; b < 3; ++b)
            Next(cup, { 100, 1, 60 }, { 99, 10, 200 }, 1);
        Next(cup, { 201, 3, 212 }, { 200, 9, 300 }, 1); // 7: A1 chase down A5

        EXPECT_EQ(cup.played[0].result, "A1 win by 70 runs");
        EXPECT_EQ(cup.played[1].result, "A2 and A5 tie");
        EXPECT_EQ(cup.played[2].result, "A3 win by 8 wickets");
        std::vector<std::string> lines;
        for (const TableRow& r : GroupTable(cup, 0))
            lines.push_back(RowText(r));
        // A1: 451 off 512 balls less 380 off 600 (180 all out counts 300 balls) = +1.485.
        // A5: 420 off 600 less 421 off 512 = -0.734. A6: 180 off 300 less 250 off 300.
        EXPECT_EQ(lines,
            (std::vector<std::string> { "A1 P2 W2 L0 T0 Pts4 +1.485", "A3 P1 W1 L0 T0 Pts2 +2.020",
                "A2 P1 W0 L0 T1 Pts1 0.000", "A5 P2 W0 L1 T1 Pts1 -0.734",
                "A6 P1 W0 L1 T0 Pts0 -1.400", "A4 P1 W0 L1 T0 Pts0 -2.020" }));
    }

    // Each tie-break in its turn: net run rate splits equal points (above), the match between
    // two sides splits equal run rates, and only then the draw.
    TEST(WorldCupRules, LevelSidesGoByTheMatchBetweenThemThenByTheDraw)
    {
        Cup cup = Lettered();
        // A2 and A3 both win one and lose one with identical figures; A3 beat A2.
        Between(cup, 1, "A3", "A2", { 200, 5, 300 }, { 150, 10, 300 });
        Between(cup, 2, "A2", "A4", { 200, 5, 300 }, { 150, 10, 300 });
        Between(cup, 3, "A5", "A3", { 200, 5, 300 }, { 150, 10, 300 });
        EXPECT_EQ(GroupTable(cup, 0)[0].NetRunRate(), "+1.000"); // A5
        EXPECT_EQ(Order(cup, 0)[1], "A3");
        EXPECT_EQ(Order(cup, 0)[2], "A2");

        // A tie between them leaves it to the draw, whichever way round it came out.
        Cup tied = Lettered();
        Between(tied, 1, "A4", "A6", { 180, 5, 300 }, { 180, 5, 300 });
        EXPECT_EQ(
            Order(tied, 0), (std::vector<std::string> { "A4", "A6", "A1", "A2", "A3", "A5" }));
        std::swap(tied.drawn[3], tied.drawn[5]);
        EXPECT_EQ(Order(tied, 0)[0], "A6");
    }

    // The semi-finals cross the groups, the final takes their winners, and a tied knockout
    // still has a winner: fewer wickets lost, then the higher place in the group.
    TEST(WorldCupRules, TheKnockoutsAndATiedKnockout)
    {
        Cup cup = GroupsPlayed();
        EXPECT_EQ(Order(cup, 0), (std::vector<std::string> { "A1", "A2", "A3", "A4", "A5", "A6" }));
        EXPECT_EQ(FixtureOf(cup, kFirstSemi).sides, (std::array<std::string, 2> { "A1", "B2" }));
        EXPECT_EQ(FixtureOf(cup, kSecondSemi).sides, (std::array<std::string, 2> { "B1", "A2" }));
        EXPECT_FALSE(KnockedOut(cup, "A2"));
        EXPECT_TRUE(KnockedOut(cup, "A3"));

        Next(cup, { 250, 8, 300 }, { 250, 6, 300 }); // A1 and B2 level: B2 lost fewer
        EXPECT_EQ(
            cup.played.back().result, "Scores level at 250: B2 win on fewer wickets lost (6 to 8)");
        Next(cup, { 199, 7, 300 }, { 199, 7, 300 }, 1); // B1 and A2 level in every way
        EXPECT_EQ(cup.played.back().result,
            "Scores level at 199: B1 win as the higher-placed side in its group");
        EXPECT_EQ(FixtureOf(cup, kFinal).sides, (std::array<std::string, 2> { "B2", "B1" }));
        Next(cup, { 300, 3, 300 }, { 120, 10, 200 });
        EXPECT_EQ(Champion(cup), "B2");
        EXPECT_EQ(NextMatch(cup), 0);
        // A result is never booked twice or out of turn.
        EXPECT_THROW(AddResult(cup, cup.played.back()), std::logic_error);
    }

    struct WorldCupGame : ::testing::Test {
        fakes::FakePlatform platform;

        void SetUp() override
        {
            for (const char* country : kCountryNames)
                testing::ShipSquad(country, testing::InventedSquadText(std::string(country, 3)));
        }

        std::string Summary(const Cup& cup)
        {
            std::string out = WorldCupTitle(cup) + "\n";
            for (int g = 0; g < 2; ++g)
                for (const TableRow& r : GroupTable(cup, g))
                    out += GroupName(g) + " " + RowText(r) + "\n";
            for (const PlayedMatch& m : cup.played)
                out += std::to_string(m.number) + " "
                    + InningsText(m.sides[m.battedFirst], m.innings[m.battedFirst]) + "; "
                    + InningsText(m.sides[1 - m.battedFirst], m.innings[1 - m.battedFirst]) + ": "
                    + m.result + "\n";
            return out + "Champions: " + Champion(cup) + "\n";
        }
    };

    // The whole tournament through the real engine: tables, every result and the champions
    // pinned, so a change to the engine, the rules or the tie-breaks shows here.
    TEST_F(WorldCupGame, ASeededWorldCupPlayedToTheEnd)
    {
        SeedRandomDraw(2026);
        ThisWorldCup = BeginWorldCup({}, 50, 2026);
        EXPECT_EQ(SimulateToHumanMatch(*ThisWorldCup), kMatches);
        const Cup& cup = ThisWorldCup->cup;
        EXPECT_EQ(Summary(cup), testing::Golden("world-cup.txt", Summary(cup)));
        // Nothing else to say than the champions, with no commentator on the screen.
        EXPECT_EQ(platform.toolkit.Texts(),
            std::vector<std::string> { Champion(cup) + " win the World Cup!" });
        const std::string page = WorldCupHtml(cup);
        std::size_t cards = 0;
        for (std::size_t at = page.find("<article"); at != std::string::npos;
             at = page.find("<article", at + 1))
            ++cards;
        EXPECT_EQ(cards, 33u);
    }

    // Killed after any kind of step, the World Cup comes back from the records exactly as it
    // was: the draw, each simulated match, a person's match with his game counted once, the
    // knockouts and the final with its winners' row. A match booked again is refused.
    TEST_F(WorldCupGame, ItComesBackAfterEveryKindOfStepWithNothingLostOrCountedTwice)
    {
        cnRecords = std::make_unique<RecordsStore>(RecordsStore::DefaultPath());
        cnRecords->AddPlayer("Ann");
        testing::ChooseBowlersWhenAsked(platform.toolkit);
        SeedRandomDraw(3);
        ThisWorldCup = BeginWorldCup({ { "Ann", "Kenya" } }, 10, 2026);
        const auto reopened = [&] {
            cnRecords = std::make_unique<RecordsStore>(RecordsStore::DefaultPath());
            return UnfinishedWorldCup();
        };
        ASSERT_TRUE(reopened());
        EXPECT_EQ(reopened()->cup, ThisWorldCup->cup); // after the draw

        while (NextMatch(ThisWorldCup->cup) != 0) {
            SimulateToHumanMatch(*ThisWorldCup);
            if (NextMatch(ThisWorldCup->cup) == 0)
                break;
            // Ann's match, played by her through the usual screens.
            const int before = cnRecords->Load("Ann").Played;
            const int number = NextMatch(ThisWorldCup->cup);
            StartHumanMatch(*ThisWorldCup);
            testing::TossAndSheets();
            EXPECT_EQ(reopened()->cup, ThisWorldCup->cup); // killed halfway: nothing booked
            ASSERT_TRUE(testing::PlayThrough(frmMain()));
            ASSERT_EQ(ThisWorldCup->cup.played.size(), static_cast<std::size_t>(number));
            EXPECT_EQ(cnRecords->Load("Ann").Played, before + 1);
            frmMain().cmdChange.UserClick();
            const PlayedMatch m = ThisWorldCup->cup.played.back();
            EXPECT_THROW(BookMatch(*ThisWorldCup, m), std::logic_error); // out of turn
            ThisWorldCup->cup.played.pop_back(); // as if the program had lost it from memory
            EXPECT_FALSE(BookMatch(*ThisWorldCup, m)); // the store has it: not again
            ThisWorldCup->cup.played.push_back(m);
            EXPECT_EQ(cnRecords->Load("Ann").Played, before + 1);
            if (auto back = reopened()) {
                EXPECT_EQ(back->cup, ThisWorldCup->cup);
            }
        }
        const auto last = cnRecords->LatestWorldCup();
        ASSERT_TRUE(last);
        EXPECT_TRUE(last->finished);
        EXPECT_EQ(last->cup, ThisWorldCup->cup);
        EXPECT_FALSE(UnfinishedWorldCup());
        const auto wins = cnRecords->WorldCupWins("Ann");
        EXPECT_EQ(wins.size(), Champion(last->cup) == "Kenya" ? 1u : 0u);
    }

    // Two people in one World Cup: each one's match goes through the toss and the sheets with
    // his name on his country, the match between their countries is theirs alike, and the way
    // out of a decided match leads back to the World Cup with the result booked.
    TEST_F(WorldCupGame, TwoPlayersMatchesGoThroughTheUsualScreensAndBack)
    {
        testing::ChooseBowlersWhenAsked(platform.toolkit);
        SeedRandomDraw(8);
        ThisWorldCup = BeginWorldCup({ { "Ann", "Kenya" }, { "Bob", "Holland" } }, 10, 2026);
        frmWorldCup().Show();
        int handed = 0;
        while (NextHumanMatch(ThisWorldCup->cup) != 0 && handed < 3) {
            FrmWorldCup& window = frmWorldCup();
            if (window.cmdSimTo.Enabled)
                window.cmdSimTo.UserClick();
            ASSERT_TRUE(window.cmdPlay.Enabled);
            const int number = NextMatch(ThisWorldCup->cup);
            const Fixture f = FixtureOf(ThisWorldCup->cup, number);
            window.cmdPlay.UserClick();
            EXPECT_FALSE(frmWorldCup().Visible());
            const bool both = (f.sides[0] == "Kenya" || f.sides[1] == "Kenya")
                && (f.sides[0] == "Holland" || f.sides[1] == "Holland");
            EXPECT_EQ(OnePlayer, !both);
            EXPECT_EQ(Teams[1].PlayerName, both ? "Bob" : kComputer);
            EXPECT_TRUE(Teams[0].PlayerName == "Ann" || Teams[0].PlayerName == "Bob");

            testing::TossAndSheets();
            ASSERT_TRUE(testing::PlayThrough(frmMain()));
            EXPECT_EQ(ThisWorldCup->cup.played.size(), static_cast<std::size_t>(number));
            EXPECT_FALSE(ThisWorldCup->cup.played.back().simulated);
            frmMain().cmdChange.UserClick(); // "Exit to Main Menu" leads back to the cup
            EXPECT_TRUE(frmWorldCup().Visible());
            EXPECT_NE(frmWorldCup().lstFixtures.List(number - 1).find(" - "), std::string::npos);
            ++handed;
        }
        EXPECT_EQ(handed, 3);
    }

    // The menu's fourth game type: one player names his country and the overs and lands on
    // the draw; back at the menu, the World Cup under way is offered before a new one.
    TEST_F(WorldCupGame, TheMenuBeginsAWorldCupAndOffersItAgainToCarryOn)
    {
        FrmMenu& menu = frmMenu();
        testing::EnterPlayers(menu, 3, { "Ann" });
        EXPECT_FALSE(menu.cmbCountry[1].Visible());
        testing::Pick(menu.cmbCountry[0], "Kenya");
        testing::Pick(menu.cmbOvers, "20");
        menu.cmdNext.UserClick();
        ASSERT_TRUE(ThisWorldCup);
        EXPECT_EQ(ThisWorldCup->cup.humans, (std::vector<Entrant> { { "Ann", "Kenya" } }));
        EXPECT_EQ(ThisWorldCup->cup.overs, 20);
        EXPECT_TRUE(frmWorldCup().Visible());
        EXPECT_FALSE(menu.Visible());
        const Cup drawn = ThisWorldCup->cup;

        frmWorldCup().cmdMenu.UserClick();
        platform.toolkit.answers = { MsgResult::Yes };
        frmMenu().optoditest[3].UserClick();
        ASSERT_TRUE(ThisWorldCup);
        EXPECT_EQ(ThisWorldCup->cup, drawn);
        EXPECT_TRUE(frmWorldCup().Visible());
        EXPECT_NE(
            platform.toolkit.messages.back().text.find("Ann (Kenya): 0 of 33"), std::string::npos);
    }

} // namespace
} // namespace stumpcraft
