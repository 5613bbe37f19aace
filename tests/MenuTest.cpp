// The main menu as a player meets it: the frames opening one at a time, the names that the
// store keeps, the hall of fame, what Merlin says or the boxes show, a store that fails, and
// two whole matches in one run through "E&xit to Main Menu".
#include "MatchFixture.h"
#include "PreMatchDriver.h"
#include "TestSquads.h"
#include "modules/RecordsStore.h"

#include <algorithm>
#include <cctype>

namespace stumpcraft::testing {
namespace {

    using Texts = std::vector<std::string>;

    class MenuTest : public ::testing::Test {
    protected:
        RecordsStore Store() { return RecordsStore(RecordsStore::DefaultPath()); }
        FrmMenu& Load(bool commentator = true)
        {
            if (!commentator)
                platform.agent.loadStatus = 1;
            FrmMenu& m = frmMenu();
            m.Show();
            platform.toolkit.DoEvents(); // Merlin's shown event
            platform.agent.requests.clear();
            return m;
        }
        // The frames on view, "x" after those closed to changes.
        Texts Visible(const FrmMenu& m)
        {
            Texts shown;
            for (int i = 0; i < 6; ++i)
                if (m.Frame1[i].Visible)
                    shown.push_back(std::to_string(i) + (m.Frame1[i].Enabled ? "" : "x"));
            return shown;
        }

        fakes::FakePlatform platform;
    };

    // Catches a first start that shows later stages, or Merlin off the screen.
    TEST_F(MenuTest, EmptyStoreStartsWithTheGameTypeAndMerlinBesideTheWindow)
    {
        FrmMenu& m = Load();
        EXPECT_EQ(m.txtName.Text(), "Enter your name");
        EXPECT_EQ(m.cmbNames.Items(), (Texts { "All", "Computer" }));
        EXPECT_EQ(m.cmbNames.Text(), "All");
        EXPECT_EQ(m.lblPldWon.Caption(), "");
        EXPECT_EQ(Visible(m), Texts { "0" });
        EXPECT_FALSE(m.lblDesc[1].Visible || m.Picture2.Visible || m.cmdNext.Visible);
        EXPECT_TRUE(platform.toolkit.messages.empty());
        // The window sits in the middle of the 1280x800 screen; Merlin at its right edge.
        EXPECT_EQ(m.AgentX(), m.Left + m.Width + 16);
        frmMenu().Unload();
        platform.agent.requests.clear();
        platform.toolkit.screen = { m.Width + 40, 600 };
        FrmMenu& narrow = frmMenu();
        EXPECT_EQ(platform.agent.Of("MoveTo").at(0),
            std::to_string(narrow.AgentX()) + "," + std::to_string(narrow.Top + 8));
        EXPECT_LT(narrow.AgentX(), narrow.Left) << "no room at the right: he stands at the left";
    }

    // Two players may share a name of any text, but not a name of the store's own rows; a
    // deleted name leaves the store and the hall of fame, whose view goes back to "All".
    TEST_F(MenuTest, NamesOfAnyTextMayBeSharedButTheStoresOwnRowsAreRefused)
    {
        FrmMenu& m = Load(false);
        EnterPlayers(m, 0, { "Computer", " All ", "O'Brien", "O'Brien" });
        EXPECT_EQ(platform.toolkit.Texts(),
            (Texts { "Sorry, \"Computer\" is a name the game keeps for its own records. Please "
                     "choose another name.",
                "Sorry, \"All\" is a name the game keeps for its own records. Please choose "
                "another name." }));
        EXPECT_EQ(m.Frame1[2].Caption(), "Enter Second player's name");
        EXPECT_EQ(Teams[0].PlayerName, "O'Brien");
        EXPECT_EQ(Teams[1].PlayerName, "O'Brien");
        EXPECT_FALSE(OnePlayer);
        EXPECT_EQ(m.txtName.Items(), Texts { "O'Brien" });
        EXPECT_EQ(Store().ListNames(), Texts { "O'Brien" });
        EXPECT_TRUE(m.Frame1[3].Visible);

        m.cmdReset.UserClick();
        EXPECT_EQ(Visible(m), Texts { "0" });
        EXPECT_EQ(m.Frame1[2].Caption(), "Enter your name");
        EXPECT_FALSE(m.optoditest[0].Value || m.opt1p2p[1].Value || m.cmdNext.Visible);
        m.optoditest[1].UserClick(); // one innings: always one player
        EXPECT_TRUE(OneInningsGame && OnePlayer && m.opt1p2p[0].Value);
        EXPECT_EQ(Visible(m), (Texts { "0x", "1x", "2" }));
        m.txtName.Text = "Дмитрий 李";
        m.cmdGo.UserClick();

        frmMenu().Unload();
        FrmMenu& again = Load(false);
        EXPECT_EQ(again.txtName.Items(), (Texts { "O'Brien", "Дмитрий 李" }));
        again.optoditest[2].UserClick();
        Pick(again.cmbNames, "O'Brien");
        again.cmdReset.UserClick();
        EnterPlayers(again, 0, {});
        Pick(again.txtName, "O'Brien");
        again.cmdDel.UserClick();
        EXPECT_EQ(again.txtName.Items(), Texts { "Дмитрий 李" });
        EXPECT_EQ(again.txtName.Text(), "");
        EXPECT_EQ(again.cmbNames.Text(), "All");
        EXPECT_FALSE(again.lblRVal[0].Visible);
        EXPECT_EQ(Store().ListNames(), Texts { "Дмитрий 李" });
    }

    // The stored names are listed, the first standing with its summary; the hall of fame shows
    // each row, and its reset wipes the chosen row only.
    TEST_F(MenuTest, StoredNamesAndTheHallOfFameShowEachRowAndItsResetWipesIt)
    {
        {
            RecordsStore store = Store();
            store.AddPlayer("Ann");
            store.AddPlayer("Cy");
            using O = RecordsStore::Outcome;
            for (O o : { O::Won, O::Lost, O::Tied })
                store.CountGame("Ann", o);
            for (O o : { O::Won, O::Won, O::Lost })
                store.CountGame("Computer", o);
            PlayerRecord all = PlayerRecord::Empty();
            all.HighestRunsPlr = { 143, "Tom Quill", "Kenya" };
            all.FastestHalfCentury = { 31, "Tom Quill", "Kenya" };
            store.WriteRecord("All", all, RecordsStore::BestInnings | RecordsStore::FastestFifty);
        }
        FrmMenu& m = Load(false);
        EXPECT_EQ(m.txtName.Items(), (Texts { "Ann", "Cy" }));
        EXPECT_EQ(m.cmbNames.Items(), (Texts { "All", "Computer", "Ann", "Cy" }));
        EXPECT_EQ(m.txtName.Text(), "Ann");
        EXPECT_EQ(m.lblPldWon.Caption(), "[Played=3, Won=1]");
        m.txtName.Text = "Annie"; // typing stores nothing and shows no summary
        EXPECT_EQ(m.txtName.ListCount(), 2);
        m.optoditest[2].UserClick();
        EXPECT_EQ(Visible(m), (Texts { "0", "5" }));
        EXPECT_FALSE(m.lbls[0].Visible || m.lblRVal[3].Visible) << "All: no counts";
        EXPECT_EQ(m.lblRVal[6].Caption(), "143");
        EXPECT_EQ(m.lblRVal[7].Caption(), "Tom Quill");
        // No hundred yet: "-" and nothing after it; the fifty has its balls and its maker.
        EXPECT_EQ(
            (Texts { m.lblRVal[12].Caption(), m.lblRVal[15].Caption(), m.lblRVal[16].Caption() }),
            (Texts { "-", "31", "Tom Quill" }));
        EXPECT_FALSE(m.lbls[11].Visible);
        EXPECT_TRUE(m.lbls[13].Visible);

        const std::pair<const char*, const char*> percentages[]
            = { { "Ann", "50 %" }, { "Computer", "66.67 %" }, { "Cy", "0" } };
        for (const auto& [name, percentage] : percentages) {
            Pick(m.cmbNames, name);
            EXPECT_TRUE(m.lbls[3].Visible);
            EXPECT_EQ(m.lblRVal[3].Caption(), percentage) << name;
        }
        Pick(m.cmbNames, "Ann");
        m.lblReset.UserClick();
        EXPECT_EQ(m.lblRVal[0].Caption(), "0");
        EXPECT_EQ(m.lblRVal[3].Caption(), "0");
        EXPECT_EQ(Store().Find("Ann")->Played, 0);
        EXPECT_EQ(Store().Find("Ann")->FastestCentury.Value, PlayerRecord::kNoFastest);
        EXPECT_EQ(Store().Find("Computer")->Played, 3) << "only the chosen row is reset";

        m.optoditest[0].UserClick(); // another game type hides the view again
        EXPECT_FALSE(m.Frame1[5].Visible);
    }

    // One player's way through the menu: each frame opens in turn, each choice fills the
    // settings, and Merlin guides each step; hidden by the player, he says nothing more and
    // the boxes stand in.
    TEST_F(MenuTest, OnePlayerFlowOpensEachFrameInTurnWithMerlinsGuidance)
    {
        FrmMenu& m = Load();
        m.optoditest[0].UserClick();
        EXPECT_EQ(Visible(m), (Texts { "0x", "1" }));
        EXPECT_TRUE(m.Picture2.Visible && m.lblDesc[1].Visible);
        EXPECT_EQ(platform.agent.Of("MoveTo"),
            Texts {
                std::to_string(m.AgentX()) + "," + std::to_string(m.Top + m.Frame1[0].Top + 200) });
        m.opt1p2p[0].UserClick();
        EXPECT_EQ(Visible(m), (Texts { "0x", "1x", "2" }));
        m.txtName.Text = "";
        m.cmdGo.UserClick();
        m.txtName.Text = "Ann";
        m.cmdGo.UserClick();
        EXPECT_EQ(Visible(m), (Texts { "0x", "1x", "2x", "3" }));
        EXPECT_TRUE(OnePlayer);
        EXPECT_EQ(Teams[1].PlayerName, "Computer");
        EXPECT_EQ(Store().ListNames(), Texts { "Ann" });

        // The second country first: nothing happens until both are picked. A typed country
        // that is not one of the twelve is refused.
        Pick(m.cmbCountry[1], "Kenya");
        m.cmbCountry[0].Text = "Narnia";
        m.cmbCountry[1].ListIndex = 9;
        EXPECT_FALSE(m.Frame1[4].Visible);
        Pick(m.cmbCountry[0], "Holland");
        EXPECT_EQ(Teams[0].Country, "Holland");
        EXPECT_EQ(Teams[1].Country, "U.A.E");
        EXPECT_EQ(m.cmbOvers.Text(), "50");
        EXPECT_EQ(Overs, 50);
        EXPECT_TRUE(m.cmdNext.Visible);
        m.cmbOvers.Text = "20"; // typed: taken when the player moves on
        EXPECT_EQ(Overs, 50);
        Pick(m.cmbOvers, "25");
        EXPECT_EQ(Overs, 25);
        Pick(m.cmbCountry[1], "India"); // a new country sets the overs back to fifty
        EXPECT_EQ(Teams[1].Country, "India");
        EXPECT_EQ(Overs, 50);

        // Merlin's guidance, line by line: the fifty picked by the countries has its lines
        // stopped at once by the blink that asks for the overs.
        std::string said;
        for (const std::string& line : platform.agent.Lines("MoveTo"))
            said += line + "\n";
        EXPECT_EQ(said, Golden("menu-merlin.txt", said));
        EXPECT_TRUE(platform.toolkit.messages.empty());

        // Nothing, or blanks only, is no name.
        platform.agent.Hide();
        platform.toolkit.DoEvents();
        m.cmdReset.UserClick();
        platform.agent.requests.clear();
        EnterPlayers(m, 0, { "", "   " });
        EXPECT_TRUE(platform.agent.requests.empty());
        EXPECT_EQ(platform.toolkit.Texts(), Texts(2, "Please enter something for your name!"));
        EXPECT_EQ(platform.toolkit.messages[1].title, "Stumpcraft");
        EXPECT_EQ(m.Frame1[2].Caption(), "Enter your name");
        EXPECT_EQ(m.ActiveControl(), &m.txtName);
    }

    // What the boxes show is what is played: a typed country or number of overs from the list
    // is taken as if picked when the player moves on, and any other is refused aloud, the box
    // going back to the choice in force.
    TEST_F(MenuTest, TypedCountriesAndOversAreTakenOrRefusedWhenThePlayerMovesOn)
    {
        FrmMenu& m = Load(false);
        EnterPlayers(m, 0, { "Ann" });
        Pick(m.cmbCountry[0], "Kenya");
        const auto type = [](ComboBox& box, const char* text, Control& next) {
            box.UserFocus();
            box.Text = text;
            next.UserFocus();
        };
        type(m.cmbCountry[1], "Narnia", m.cmbCountry[0]);
        EXPECT_EQ(m.cmbCountry[1].Text(), "");
        type(m.cmbCountry[1], "India ", m.cmbCountry[0]);
        EXPECT_EQ(Teams[1].Country, "India");
        ASSERT_TRUE(m.Frame1[4].Visible);
        type(m.cmbOvers, "15", m.cmbCountry[1]);
        EXPECT_EQ(m.cmbOvers.Text(), "50");
        type(m.cmbOvers, "20", m.cmbCountry[1]);
        EXPECT_EQ(Overs, 20);
        EXPECT_EQ(platform.toolkit.Texts(),
            (Texts { "Sorry! \"Narnia\" is not one of the twelve countries. Please pick a "
                     "country from the list.",
                "Sorry! A match is 10, 20, 25, 30, 35, 40 or 50 overs a side, so it can not be "
                "\"15\" overs. It stays at 50 overs." }));

        // Continue is a move on too; a typed country that changes the match stops there, for
        // the overs go back to fifty and the player looks again.
        m.cmbOvers.Text = "100";
        m.cmdNext.UserClick();
        EXPECT_EQ(m.cmbOvers.Text(), "20");
        m.cmbCountry[0].Text = "Holland";
        m.cmdNext.UserClick();
        EXPECT_EQ(
            (std::pair { Teams[0].Country, Overs }), (std::pair { std::string("Holland"), 50 }));
        EXPECT_TRUE(m.Visible());
        m.cmbOvers.Text = "10";
        m.cmdNext.UserClick();
        EXPECT_EQ(Overs, 10);
        EXPECT_FALSE(m.Visible()) << "on to the toss";
    }

    // Catches a broken records file that stops the game or floods it with error boxes.
    TEST_F(MenuTest, StoreThatCannotOpenLeavesAMenuThatPlaysWithoutRecords)
    {
        std::filesystem::create_directory(RecordsStore::DefaultPath()); // not a database file
        FrmMenu& m = Load(false);
        ASSERT_EQ(platform.toolkit.messages.size(), 1u);
        EXPECT_NE(platform.toolkit.messages[0].text.find("will not be kept"), std::string::npos);
        ShipSquad("Kenya", InventedSquadText("Kenyan"));
        ChooseBowlersWhenAsked(platform.toolkit);
        SetUpGame(m, 0, { "Ann" }, "Kenya", "Kenya", "10");
        EXPECT_FALSE(m.Visible());
        ASSERT_TRUE(MatchScreenLoaded());
        EXPECT_EQ(PlayerRecords[0], PlayerRecord::Empty());
        ASSERT_TRUE(PlayThrough(frmMain())) << "a result with nowhere to count it";
        for (std::size_t i = 1; i < platform.toolkit.messages.size(); ++i) {
            const std::string& text = platform.toolkit.messages[i].text;
            EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(text[0]))
                && text.find(": ") != std::string::npos)
                << "no more error boxes: " << text;
        }
    }

    // Catches a menu stuck after a player's records vanished behind its back.
    TEST_F(MenuTest, RecordsThatCannotBeLoadedKeepTheMenuUsable)
    {
        Store().AddPlayer("Ann");
        FrmMenu& m = Load(false);
        for (const std::string name : { "Ann", "Cy" }) {
            m.cmdReset.UserClick();
            EnterPlayers(m, 0, { name });
            Pick(m.cmbCountry[0], "Kenya");
            Pick(m.cmbCountry[1], "India");
            if (name == "Ann")
                Store().DeletePlayer("Ann"); // behind the menu's back
            m.cmdNext.UserClick();
        }
        ASSERT_EQ(platform.toolkit.messages.size(), 1u);
        EXPECT_EQ(platform.toolkit.messages[0].text.substr(0, 6), "3021: ");
        const auto& shown = platform.toolkit.shownForms;
        EXPECT_EQ(std::count(shown.begin(), shown.end(), "frmToss"), 1) << "only Cy goes on";
        EXPECT_EQ(shown.back(), "frmToss");
    }

    // Two matches in one run through "E&xit to Main Menu", and then the ways out of the game.
    TEST_F(MenuTest, TwoMatchesInOneRunAreCountedAndShareNothing)
    {
        ShipSquad("Kenya", InventedSquadText("Kenyan"));
        ShipSquad("India", InventedSquadText("Indian"));
        ChooseBowlersWhenAsked(platform.toolkit);
        std::string fresh;
        for (int match = 1; match <= 2; ++match) {
            FrmMenu& m = Load(false);
            EXPECT_EQ(Visible(m), Texts { "0" }) << "the menu starts afresh";
            EXPECT_EQ(m.txtName.ListCount(), match - 1);
            SetUpGame(m, 0, { "Ann" }, "Kenya", "India", "10");
            ASSERT_TRUE(MatchScreenLoaded());
            FrmMain& f = frmMain();
            EXPECT_FALSE(f.lblSmallScore[2].Visible || f.cmdChange.Visible);
            // Every figure, the card, the batsmen in and the history start as the first did.
            const std::string start = Scorecard() + f.lblTotal.Caption() + " "
                + std::to_string(BallOfOver) + std::to_string(Batsman1) + std::to_string(Batsman2)
                + std::to_string(FirstInnings) + std::to_string(MatchOver);
            if (match == 1)
                fresh = start;
            EXPECT_EQ(start, fresh) << "a clean card for the second match";
            EXPECT_EQ(History, MatchHistory {});
            ASSERT_TRUE(PlayThrough(f));
            const RecordsStore store = Store();
            const PlayerRecord ann = *store.Find("Ann");
            const PlayerRecord computer = *store.Find("Computer");
            EXPECT_EQ(ann.Played, match);
            EXPECT_EQ(computer.Played, match);
            EXPECT_EQ(ann.Won + computer.Won + ann.Ties, match);
            EXPECT_GT(store.Find("All")->HighestRuns.Value, 0);
            f.cmdChange.UserClick(); // "E&xit to Main Menu"
            EXPECT_FALSE(MatchScreenLoaded());
            EXPECT_EQ(Teams[0].Country, "");
            EXPECT_TRUE(frmMenu().Visible());
        }
        // The program's own unload of the menu does not end the game; Exit and the close box do.
        frmMenu().Unload();
        EXPECT_EQ(platform.toolkit.endRequests, 0);
        Load(false).cmdExit.KeyPress();
        EXPECT_EQ(platform.toolkit.endRequests, 1);
        frmMenu().RequestClose(UnloadMode::FormControlMenu);
        EXPECT_EQ(platform.toolkit.endRequests, 2);
    }

} // namespace
} // namespace stumpcraft::testing
