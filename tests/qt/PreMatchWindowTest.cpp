// The toss, the team sheet and the one-innings setup drawn as a player sees them, with long
// names, and a click on a row and a key press on the sheet reaching the game.
#include "TestSquads.h"
#include "WindowChecks.h"
#include "forms/frmOneInnings.h"
#include "forms/frmStart.h"
#include "forms/frmToss.h"
#include "modules/TeamFile.h"
#include "modules/modProcs.h"
#include "modules/modVars.h"

#include <QGroupBox>
#include <QListWidget>

namespace stumpcraft::testing {
namespace {

    class PreMatchWindowTest : public WindowTest {
    protected:
        PreMatchWindowTest()
        {
            Teams[0].PlayerName = "Wolfgang Amadeus Featherstonehaugh";
            Teams[1].PlayerName = kComputer;
            Teams[0].Country = "South Africa";
            Teams[1].Country = "New Zealand";
            OnePlayer = true;
            // The longest names a squad file holds: 30 characters.
            ShipSquad("South Africa", InventedSquadText("Bartholomew Featherstonehau"));
            ShipSquad("New Zealand", InventedSquadText("Kiwi"));
        }
    };

    // A 140-letter name ran off the toss label, and at 1280x720 the question was cut: each way
    // the toss can go, with a name of any length, fits at every zoom at every step.
    TEST_F(PreMatchWindowTest, TheTossFitsAtEveryZoomWithANameOfAnyLength)
    {
        // The person calls and wins, calls and loses, or the computer calls and loses.
        const std::vector<int> ways[] = { { 1, 1 }, { 1, 2, 2 }, { 2, 1, 2 } };
        for (const std::string& name :
            { Teams[0].PlayerName, std::string(140, 'M'), std::string("Jo") }) {
            Teams[0].PlayerName = name;
            for (const std::vector<int>& draws : ways) {
                const bool personWins = &draws == &ways[0];
                ScriptRandomDraw(draws);
                FrmToss& t = frmToss();
                ExpectFinishedAtEveryZoom(t, "the call, " + name);
                if (t.Frame1[1].Enabled)
                    t.optheadstails[0].UserClick();
                ExpectFinishedAtEveryZoom(t, "the toss won, " + name);
                const auto* question = WidgetOf<QGroupBox>(t.Frame1[2]);
                EXPECT_TRUE(!personWins
                    || question->title().endsWith("Will you choose BATTING or FIELDING"))
                    << question->title().toStdString();
                if (t.Frame1[2].Enabled) {
                    t.optbatbowl[0].UserClick();
                    ExpectFinishedAtEveryZoom(t, "the person's choice, " + name);
                }
                EXPECT_TRUE(t.Picture2.Visible);
                t.Unload();
            }
        }
    }

    // Catches a team sheet whose columns drift apart, or whose keys jump to a name, and the
    // sheet or the one-innings setup drawn cut off or overlapping.
    TEST_F(PreMatchWindowTest, SheetAndOneInningsSetupLookFinishedAndTheSheetTakesClicksAndKeys)
    {
        FrmStart& s = frmStart();
        ASSERT_TRUE(ShownOnScreen(s));
        ExpectFinished(s, "first side");

        // A click on the fourth name picks the row in every column.
        auto* names = WidgetOf<QListWidget>(s.lst11);
        const QRect row = names->visualItemRect(names->item(3));
        QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, row.center());
        EXPECT_EQ(s.lst11.ListIndex, 3);
        EXPECT_EQ(s.lstBallRate11.ListIndex, 3);
        auto* ratings = WidgetOf<QListWidget>(s.lstBatRate11);
        EXPECT_EQ(ratings->visualItemRect(ratings->item(3)).top(), row.top()) << "rows level";

        QTest::keyClick(names, Qt::Key_C);
        EXPECT_EQ(Teams[0].Captain, 3);
        EXPECT_EQ(s.lstMarks.List(3), "c");
        EXPECT_EQ(s.lst11.ListIndex, 3) << "the key was the sheet's, not a jump to a name";
        QTest::keyClick(names, Qt::Key_D);
        EXPECT_EQ(s.lst11.ListIndex, 4);
        EXPECT_EQ(names->currentRow(), 4);
        for (int k = 1; k < 4; ++k) {
            s.lst11.ListIndex = k == 1 ? 5 : 7 + k;
            s.cmdSpecials[k].UserClick();
        }
        ExpectFinished(s, "specials chosen");

        // The one-innings setup as well.
        OneInningsGame = true;
        FrmOneInnings& o = frmOneInnings();
        ExpectFinished(o, "the choice");
        o.optoditest[1].UserClick();
        ExpectFinished(o, "the total");
        EXPECT_EQ(o.lbl.Caption(), "Enter the runs scored by South Africa");
    }

} // namespace
} // namespace stumpcraft::testing
