// The main menu drawn as a player sees it at every stage of a game's setup and in the hall of
// fame, with the longest names a player may type, and the mouse and focus reaching the menu.
#include "WindowChecks.h"
#include "forms/frmMenu.h"
#include "modules/RecordsStore.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace stumpcraft::testing {
namespace {

    using MenuWindowTest = WindowTest;

    // The stages of a game's setup with the longest names a player may type (the hall of fame
    // below, at every zoom).
    TEST_F(MenuWindowTest, EveryStageAndTheHallOfFameLookFinished)
    {
        const std::string longName = "Wolfgang Amadeus Featherstonehaugh-Smythe";
        FrmMenu& m = frmMenu();
        ExpectFinished(m, "game type");
        m.optoditest[0].UserClick();
        m.opt1p2p[1].UserClick();
        ExpectFinished(m, "names");
        for (int player = 0; player < 2; ++player) {
            m.txtName.Text = longName;
            m.cmdGo.UserClick();
        }
        m.cmbCountry[0].ListIndex = 7;
        m.cmbCountry[1].ListIndex = 10;
        ExpectFinished(m, "ready");
        EXPECT_TRUE(m.cmdNext.Visible);
    }

    // Catches menu clicks, picks and typing that never reach the game.
    TEST_F(MenuWindowTest, TheMouseAndTheFocusReachTheMenu)
    {
        RecordsStore(RecordsStore::DefaultPath()).AddPlayer("Ann");
        FrmMenu& m = frmMenu();
        ASSERT_TRUE(ShownOnScreen(m));
        EXPECT_EQ(m.lblPldWon.Caption(), "[Played=0, Won=0]");

        QTest::mouseClick(WidgetOf(m.optoditest[0]), Qt::LeftButton);
        EXPECT_TRUE(m.optoditest[0].Value);
        EXPECT_TRUE(m.Frame1[1].Visible);
        EXPECT_FALSE(WidgetOf(m.optoditest[1])->isEnabled()) << "the game type is fixed";

        QTest::mouseClick(WidgetOf(m.opt1p2p[0]), Qt::LeftButton);
        ASSERT_TRUE(m.Frame1[2].Visible);
        EXPECT_EQ(m.lblPldWon.Caption(), "") << "the name box took the focus";

        // Typing replaces what the box showed when it took the focus. A pick from the live
        // list raises the click; typing into it does not.
        auto* names = WidgetOf<QComboBox>(m.txtName);
        QTest::keyClicks(names->lineEdit(), "Bo");
        EXPECT_EQ(m.txtName.Text(), "Bo");
        EXPECT_EQ(m.lblPldWon.Caption(), "");
        names->setCurrentIndex(0);
        emit names->activated(0);
        EXPECT_EQ(m.txtName.Text(), "Ann");
        EXPECT_EQ(m.lblPldWon.Caption(), "[Played=0, Won=0]");

        m.optoditest[2].Value = false;
        m.cmdReset.UserClick();
        m.optoditest[2].UserClick();
        QTest::mouseMove(WidgetOf(m.lblReset));
        EXPECT_EQ(m.lblReset.ForeColor(), RGB(143, 255, 0));
    }

    // At the zoom of a 1920x1080 screen "Most Wickets Taken In An Innings" was cut, and a long
    // name carried the open list of names past the window's edge.
    TEST_F(MenuWindowTest, TheHallOfFameFitsAtEveryZoomAndItsListStaysInTheWindow)
    {
        const std::string longName(90, 'W');
        {
            RecordsStore store(RecordsStore::DefaultPath());
            store.AddPlayer(longName);
            PlayerRecord best = PlayerRecord::Empty();
            best.HighestRuns = { 32767, "", "South Africa" };
            best.HighestRunsPlr = { 32767, longName, "New Zealand" };
            store.WriteRecord(
                longName, best, RecordsStore::HighestTotal | RecordsStore::BestInnings);
            for (int i = 0; i < 3; ++i)
                store.CountGame(longName, RecordsStore::Outcome::Won);
            store.CountGame(longName, RecordsStore::Outcome::Tied);
        }
        FrmMenu& m = frmMenu();
        m.optoditest[2].UserClick();
        ExpectFinishedAtEveryZoom(m, "hall of fame, All");
        m.cmbNames.ListIndex = 2;
        ExpectFinishedAtEveryZoom(m, "hall of fame, a long name");
        EXPECT_EQ(m.lblRVal[3].Caption(), "87.5 %");
        // A name too long for its column ends in "..." and shows whole in its tooltip.
        auto* name = WidgetOf<QLabel>(m.lblRVal[7]);
        EXPECT_TRUE(name->text().endsWith(QStringLiteral("…"))) << name->text().toStdString();
        EXPECT_EQ(name->toolTip().toStdString(), longName);

        ASSERT_TRUE(ShownOnScreen(m));
        qt::WindowFor(m).SetZoom(1.7);
        auto* names = WidgetOf<QComboBox>(m.cmbNames);
        names->showPopup();
        QWidget* list = names->view()->window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list));
        const QRect window(qt::WindowFor(m).mapToGlobal(QPoint(0, 0)), qt::WindowFor(m).size());
        EXPECT_TRUE(window.contains(list->geometry()))
            << list->geometry().right() << " past " << window.right();
        EXPECT_EQ(names->itemData(2, Qt::ToolTipRole).toString().toStdString(), longName);
        names->hidePopup();
    }

} // namespace
} // namespace stumpcraft::testing
