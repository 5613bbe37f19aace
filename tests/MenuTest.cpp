// The main menu as a player meets it: the frames opening one at a time, the names that the
// store keeps, the hall of fame, what Merlin says or the boxes show, a store that fails, and
// two whole matches in one run through "E&xit to Main Menu".
#include "MatchFixture.h"
#include "PreMatchDriver.h"
#include "TestSquads.h"
#include "fakes/FakeServices.h"
#include "forms/frmBowlChange.h"
#include "forms/frmMain.h"
#include "forms/frmMenu.h"
#include "modules/RecordsStore.h"
#include "modules/modVars.h"

#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>

namespace stumpcraft {
namespace {

    class MenuTest : public ::testing::Test {
    protected:
        // The store as another run of the game left it.
        void StoreWith(std::initializer_list<const char*> names)
        {
            RecordsStore store(RecordsStore::DefaultPath());
            for (const char* name : names)
                store.AddPlayer(name);
        }
        PlayerRecord Row(const std::string& name)
        {
            return RecordsStore(RecordsStore::DefaultPath()).Find(name).value_or(PlayerRecord {});
        }
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
        static void Pick(ComboBox& list, const std::string& entry)
        {
            const auto& items = list.Items();
            const auto at = std::find(items.begin(), items.end(), entry);
            ASSERT_NE(at, items.end()) << entry;
            list.ListIndex = static_cast<int>(at - items.begin());
        }
        // The flow up to the countries, for one player or two.
        void EnterPlayers(FrmMenu& m, int gameType, const std::vector<std::string>& names)
        {
            m.optoditest[gameType].UserClick();
            if (gameType == 0)
                m.opt1p2p[names.size() == 1 ? 0 : 1].UserClick();
            for (const auto& name : names) {
                m.txtName.Text = name;
                m.cmdGo.UserClick();
            }
        }
        std::vector<std::string> Visible(const FrmMenu& m)
        {
            std::vector<std::string> shown;
            for (int i = 0; i < 6; ++i)
                if (m.Frame1[i].Visible)
                    shown.push_back(std::to_string(i) + (m.Frame1[i].Enabled ? "" : "x"));
            return shown;
        }
        // A player who, asked for a new bowler, clicks down the list until one is taken.
        void ChooseBowlersWhenAsked()
        {
            platform.toolkit.onModal = [](Form& form) {
                auto& change = static_cast<FrmBowlChange&>(form);
                for (int row = 10; row >= 0 && change.IsLoaded(); --row)
                    change.lblBlrName[row].UserClick();
            };
        }

        fakes::FakePlatform platform;
    };

    TEST_F(MenuTest, EmptyStoreStartsWithTheGameTypeAndMerlinBesideTheWindow)
    {
        FrmMenu& m = Load();
        EXPECT_EQ(m.txtName.Text(), "Enter your name");
        EXPECT_EQ(m.txtName.ListCount(), 0);
        EXPECT_EQ(m.cmbNames.Items(), (std::vector<std::string> { "All", "Computer" }));
        EXPECT_EQ(m.cmbNames.Text(), "All");
        EXPECT_EQ(Visible(m), std::vector<std::string> { "0" });
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

    TEST_F(MenuTest, StoredNamesAreListedAndTheFirstStandsWithItsSummary)
    {
        StoreWith({ "Zed", "Ann" });
        RecordsStore(RecordsStore::DefaultPath()).CountGame("Zed", RecordsStore::Outcome::Won);
        FrmMenu& m = Load();
        EXPECT_EQ(m.txtName.Items(), (std::vector<std::string> { "Zed", "Ann" }));
        EXPECT_EQ(
            m.cmbNames.Items(), (std::vector<std::string> { "All", "Computer", "Zed", "Ann" }));
        EXPECT_EQ(m.txtName.Text(), "Zed");
        EXPECT_EQ(m.lblPldWon.Caption(), "[Played=1, Won=1]");
        m.optoditest[0].UserClick();
        m.opt1p2p[0].UserClick(); // puts the focus in the name box
        EXPECT_EQ(m.lblPldWon.Caption(), "");
        Pick(m.txtName, "Ann");
        EXPECT_EQ(m.lblPldWon.Caption(), "[Played=0, Won=0]");
        m.txtName.Text = "Annie"; // typing stores nothing and shows no summary
        EXPECT_EQ(m.txtName.ListCount(), 2);
    }

    TEST_F(MenuTest, OnePlayerFlowOpensEachFrameInTurnAndFillsTheSettings)
    {
        FrmMenu& m = Load(false);
        m.optoditest[0].UserClick();
        EXPECT_EQ(Visible(m), (std::vector<std::string> { "0x", "1" }));
        EXPECT_TRUE(m.Picture2.Visible && m.lblDesc[1].Visible);
        m.opt1p2p[0].UserClick();
        EXPECT_EQ(Visible(m), (std::vector<std::string> { "0x", "1x", "2" }));
        EXPECT_TRUE(OnePlayer);

        // Nothing, or blanks only, is not a name.
        for (const char* empty : { "", "   " }) {
            m.txtName.Text = empty;
            m.cmdGo.UserClick();
        }
        ASSERT_EQ(platform.toolkit.messages.size(), 2u);
        EXPECT_EQ(platform.toolkit.messages[0].text, "Please enter something for your name!");
        EXPECT_EQ(platform.toolkit.messages[1].title, "Stumpcraft");
        EXPECT_EQ(m.ActiveControl(), &m.txtName);

        m.txtName.Text = "Ann";
        m.cmdGo.UserClick();
        EXPECT_EQ(Visible(m), (std::vector<std::string> { "0x", "1x", "2x", "3" }));
        EXPECT_EQ(Teams[1].PlayerName, "Computer");
        EXPECT_EQ(RecordsStore(RecordsStore::DefaultPath()).ListNames(),
            std::vector<std::string> { "Ann" });

        // The second country first: nothing happens until both are picked. A typed country is
        // not a pick.
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

        m.cmbOvers.Text = "20"; // typed, not picked
        EXPECT_EQ(Overs, 50);
        Pick(m.cmbOvers, "25");
        EXPECT_EQ(Overs, 25);
        Pick(m.cmbCountry[1], "India"); // a new country sets the overs back to fifty
        EXPECT_EQ(Teams[1].Country, "India");
        EXPECT_EQ(Overs, 50);
    }

    TEST_F(MenuTest, TwoPlayersMayShareANameAndOneInningsIsAlwaysOnePlayer)
    {
        FrmMenu& m = Load(false);
        EnterPlayers(m, 0, { "Bo", "Bo" });
        EXPECT_FALSE(OnePlayer);
        EXPECT_EQ(m.Frame1[2].Caption(), "Enter Second player's name");
        EXPECT_EQ(Teams[0].PlayerName, "Bo");
        EXPECT_EQ(Teams[1].PlayerName, "Bo");
        EXPECT_EQ(m.txtName.Items(), std::vector<std::string> { "Bo" });
        EXPECT_EQ(RecordsStore(RecordsStore::DefaultPath()).ListNames().size(), 1u);
        EXPECT_TRUE(m.Frame1[3].Visible);

        m.cmdReset.UserClick();
        EXPECT_EQ(Visible(m), std::vector<std::string> { "0" });
        EXPECT_EQ(m.Frame1[2].Caption(), "Enter your name");
        EXPECT_FALSE(m.optoditest[0].Value || m.opt1p2p[1].Value || m.cmdNext.Visible);

        m.optoditest[1].UserClick();
        EXPECT_TRUE(OneInningsGame && OnePlayer);
        EXPECT_TRUE(m.opt1p2p[0].Value);
        EXPECT_EQ(Visible(m), (std::vector<std::string> { "0x", "1x", "2" }));
    }

    TEST_F(MenuTest, NamesOfAnyTextAreKeptAndTheStoresOwnRowsAreRefused)
    {
        FrmMenu& m = Load(false);
        m.optoditest[0].UserClick();
        m.opt1p2p[1].UserClick();
        for (const char* reserved : { "Computer", " All " }) {
            m.txtName.Text = reserved;
            m.cmdGo.UserClick();
        }
        ASSERT_EQ(platform.toolkit.messages.size(), 2u);
        EXPECT_EQ(platform.toolkit.messages[0].text,
            "Sorry, \"Computer\" is a name the game keeps for its own records. Please choose "
            "another name.");
        EXPECT_EQ(m.Frame1[2].Caption(), "Enter your name");
        EXPECT_EQ(m.txtName.ListCount(), 0);

        for (const char* name : { "O'Brien", "Дмитрий 李" }) {
            m.txtName.Text = name;
            m.cmdGo.UserClick();
        }
        EXPECT_EQ(Row("O'Brien").FastestCentury.Value, 10000);
        frmMenu().Unload();
        FrmMenu& again = Load(false);
        EXPECT_EQ(again.txtName.Items(), (std::vector<std::string> { "O'Brien", "Дмитрий 李" }));

        // Deleting the name shown in the hall of fame takes the view back to "All".
        again.optoditest[2].UserClick();
        Pick(again.cmbNames, "O'Brien");
        again.cmdReset.UserClick();
        again.optoditest[0].UserClick();
        again.opt1p2p[1].UserClick();
        Pick(again.txtName, "O'Brien");
        again.cmdDel.UserClick();
        EXPECT_EQ(again.txtName.Items(), std::vector<std::string> { "Дмитрий 李" });
        EXPECT_EQ(again.cmbNames.Text(), "All");
        EXPECT_FALSE(again.lblRVal[0].Visible);
        EXPECT_EQ(again.txtName.Text(), "");
        EXPECT_EQ(RecordsStore(RecordsStore::DefaultPath()).ListNames(),
            std::vector<std::string> { "Дмитрий 李" });
    }

    TEST_F(MenuTest, HallOfFameShowsEachRowAndItsResetWipesIt)
    {
        StoreWith({ "Ann", "Cy" });
        {
            RecordsStore store(RecordsStore::DefaultPath());
            using O = RecordsStore::Outcome;
            for (O o : { O::Won, O::Lost, O::Tied })
                store.CountGame("Ann", o);
            for (O o : { O::Won, O::Won, O::Lost })
                store.CountGame("Computer", o);
            PlayerRecord all = PlayerRecord::Empty();
            all.HighestRunsPlr.Value = 143;
            all.HighestRunsPlr.Who = "Tom Quill";
            all.HighestRunsPlr.Team = "Kenya";
            store.WriteRecord("All", all, RecordsStore::BestInnings);
        }
        FrmMenu& m = Load(false);
        m.optoditest[2].UserClick();
        EXPECT_EQ(Visible(m), (std::vector<std::string> { "0", "5" }));
        EXPECT_FALSE(m.lbls[0].Visible || m.lblRVal[3].Visible) << "All: no counts";
        EXPECT_EQ(m.lblRVal[6].Caption(), "143");
        EXPECT_EQ(m.lblRVal[7].Caption(), "Tom Quill");
        EXPECT_EQ(m.lblRVal[12].Caption(), "10000");

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
        EXPECT_EQ(Row("Ann").Played, 0);
        EXPECT_EQ(Row("Computer").Played, 3) << "only the chosen row is reset";

        m.optoditest[0].UserClick(); // another game type hides the view again
        EXPECT_FALSE(m.Frame1[5].Visible);
    }

    TEST_F(MenuTest, MerlinGuidesEachStepAndTheBoxesStayAway)
    {
        FrmMenu& m = Load();
        m.optoditest[0].UserClick();
        EXPECT_EQ(platform.agent.Of("MoveTo"),
            std::vector<std::string> {
                std::to_string(m.AgentX()) + "," + std::to_string(m.Top + m.Frame1[0].Top + 200) });
        m.opt1p2p[0].UserClick();
        m.txtName.Text = "";
        m.cmdGo.UserClick();
        m.txtName.Text = "Ann";
        m.cmdGo.UserClick();
        Pick(m.cmbCountry[0], "India");
        Pick(m.cmbCountry[1], "Kenya");
        Pick(m.cmbOvers, "20");
        const std::vector<std::string> expected { "StopAll", "Play GestureRight",
            "Speak Here, choose whether you want to play against the computer or against a "
            "friend",
            "StopAll", "Play Gestureright", "Speak Now, you can enter the names for the players.",
            "StopAll", "Play Surprised", "Speak Hey, Please enter something for the name?",
            "StopAll", "Play acknowledge",
            "Speak Good. Now, choose the countries for the two players.",
            // Fifty picked by the countries: its lines are stopped at once by the blink.
            "StopAll", "Play pleased",
            "Speak Very Good. Now, when you are ready for the toss, please click on the Next "
            "button",
            "Speak or, if you want to make any changes, you can click on the Reset button.",
            "StopAll", "Play blink",
            "Speak Please also choose the number of overs, you want to play for.", "StopAll",
            "Play pleased",
            "Speak Very Good. Now, when you are ready for the toss, please click on the Next "
            "button",
            "Speak or, if you want to make any changes, you can click on the Reset button." };
        EXPECT_EQ(platform.agent.Lines("MoveTo"), expected);
        EXPECT_TRUE(platform.toolkit.messages.empty());

        // Hidden by the player, he says nothing more: the boxes take over.
        platform.agent.Hide();
        platform.toolkit.DoEvents();
        EXPECT_FALSE(AgentOn);
        m.cmdReset.UserClick();
        m.optoditest[0].UserClick();
        m.opt1p2p[1].UserClick();
        m.txtName.Text = "";
        m.cmdGo.UserClick();
        ASSERT_EQ(platform.toolkit.messages.size(), 1u);
        EXPECT_EQ(platform.toolkit.messages[0].text, "Please enter something for your name!");
    }

    TEST_F(MenuTest, StoreThatCannotOpenLeavesAMenuThatPlaysWithoutRecords)
    {
        std::filesystem::create_directory(RecordsStore::DefaultPath()); // not a database file
        FrmMenu& m = Load(false);
        ASSERT_EQ(platform.toolkit.messages.size(), 1u);
        EXPECT_NE(platform.toolkit.messages[0].text.find("will not be kept"), std::string::npos);
        testing::ShipSquad("Kenya", testing::InventedSquadText("Kenyan"));
        ChooseBowlersWhenAsked();
        testing::SetUpGame(m, 0, { "Ann" }, "Kenya", "Kenya", "10");
        EXPECT_FALSE(m.Visible());
        ASSERT_TRUE(MatchScreenLoaded());
        EXPECT_EQ(PlayerRecords[0], PlayerRecord::Empty());
        ASSERT_TRUE(testing::PlayThrough(frmMain())) << "a result with nowhere to count it";
        for (std::size_t i = 1; i < platform.toolkit.messages.size(); ++i) {
            const std::string& text = platform.toolkit.messages[i].text;
            EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(text[0]))
                && text.find(": ") != std::string::npos)
                << "no more error boxes: " << text;
        }
    }

    TEST_F(MenuTest, RecordsThatCannotBeLoadedKeepTheMenuUsable)
    {
        StoreWith({ "Ann" });
        FrmMenu& m = Load(false);
        EnterPlayers(m, 0, { "Ann" });
        Pick(m.cmbCountry[0], "Kenya");
        Pick(m.cmbCountry[1], "India");
        RecordsStore(RecordsStore::DefaultPath()).DeletePlayer("Ann"); // behind the menu's back
        m.cmdNext.UserClick();
        ASSERT_EQ(platform.toolkit.messages.size(), 1u);
        EXPECT_EQ(platform.toolkit.messages[0].text.substr(0, 6), "3021: ");
        EXPECT_TRUE(m.Visible());
        EXPECT_FALSE(MatchScreenLoaded());

        m.cmdReset.UserClick();
        EnterPlayers(m, 0, { "Cy" });
        Pick(m.cmbCountry[0], "Kenya");
        Pick(m.cmbCountry[1], "India");
        m.cmdNext.UserClick();
        EXPECT_FALSE(m.Visible());
        EXPECT_EQ(platform.toolkit.shownForms.back(), "frmToss");
    }

    TEST_F(MenuTest, ExitAndTheCloseBoxEndTheGameButTheProgramsOwnUnloadDoesNot)
    {
        Load(false).Unload();
        EXPECT_EQ(platform.toolkit.endRequests, 0);
        Load(false).cmdExit.KeyPress();
        EXPECT_EQ(platform.toolkit.endRequests, 1);
        frmMenu().RequestClose(UnloadMode::FormControlMenu);
        EXPECT_EQ(platform.toolkit.endRequests, 2);
    }

    TEST_F(MenuTest, TwoMatchesInOneRunAreCountedAndShareNothing)
    {
        testing::ShipSquad("Kenya", testing::InventedSquadText("Kenyan"));
        testing::ShipSquad("India", testing::InventedSquadText("Indian"));
        ChooseBowlersWhenAsked();
        std::string firstCard;
        for (int match = 1; match <= 2; ++match) {
            FrmMenu& m = Load(false);
            EXPECT_EQ(Visible(m), std::vector<std::string> { "0" }) << "the menu starts afresh";
            EXPECT_EQ(m.txtName.ListCount(), match - 1);
            testing::SetUpGame(m, 0, { "Ann" }, "Kenya", "India", "10");
            ASSERT_TRUE(MatchScreenLoaded());
            FrmMain& f = frmMain();
            EXPECT_EQ(Teams[0].Runs + Teams[1].Runs + Teams[0].Plr[0].BallsFaced, 0);
            EXPECT_FALSE(f.lblSmallScore[2].Visible || f.cmdChange.Visible);
            if (match == 1)
                firstCard = f.lblTotal.Caption();
            EXPECT_EQ(f.lblTotal.Caption(), firstCard) << "a clean card for the second match";
            ASSERT_TRUE(testing::PlayThrough(f));
            const RecordsStore store(RecordsStore::DefaultPath());
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
        EXPECT_EQ(platform.toolkit.endRequests, 0);
    }

} // namespace
} // namespace stumpcraft
