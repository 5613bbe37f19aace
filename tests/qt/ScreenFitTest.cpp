// The commentator on a real screen's worth of room, with the windows at the size the game
// opens them for that screen: while he speaks over a team sheet, and while the match screen
// is zoomed step by step to the largest size the screen holds, neither he nor his balloon
// covers a control. These run where the offscreen screen is 1280x720 or 1920x1080 (CTest runs
// them so); on any other they are skipped.
#include "MatchFixture.h"
#include "TestSquads.h"
#include "WindowChecks.h"
#include "forms/frmStart.h"
#include "qt/AgentPlacement.h"
#include "qt/AgentServiceQt.h"

#include <QApplication>
#include <QScreen>

namespace stumpcraft::testing {
namespace {

    namespace fs = std::filesystem;

    const fs::path kMerlinFile = fs::path(STUMPCRAFT_GOLDEN_DIR) / "../../data/Merlin.acs";

    class OnTheScreen : public MatchFixture {
    protected:
        void SetUp() override
        {
            const QSize screen = QGuiApplication::primaryScreen()->size();
            if (screen != QSize(1280, 720) && screen != QSize(1920, 1080))
                GTEST_SKIP() << "for a 1280x720 or 1920x1080 screen";
            qt::ZoomForThisScreen();
            fs::copy_file(kMerlinFile, platform.Folder() / "Merlin.acs");
            Platform().agent = &service;
            ASSERT_EQ(service.Load("Merlin", "Merlin.acs"), 0);
            merlin = service.Loaded();
            AgentChar = merlin;
            AgentOn = true;
            merlin->Show();
            // Where the main menu sends him: beside its game-type frame.
            const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
            merlin->MoveTo(room.center().x() + 300, room.top() + 200);
            ASSERT_TRUE(QTest::qWaitFor([this] { return merlin->Visible(); }));
        }
        void TearDown() override
        {
            if (merlin)
                merlin->Retire();
            CloseEveryWindow();
            qt::SetOpeningZoom(1, false);
        }

        // What of the game's controls he or his balloon covers, once he has settled.
        std::vector<std::string> Covered()
        {
            // Still for a third of a second: he has arrived. He sets off 60 ms after the last
            // change of a window, and under the sanitizers that can come a good while late.
            QPoint was(-1, -1);
            for (int wait = 0; wait < 30 && merlin->Window().pos() != was; ++wait) {
                was = merlin->Window().pos();
                QTest::qWait(330);
            }
            std::vector<std::string> covered;
            const QRect him = merlin->Window().frameGeometry();
            const qt::AgentBalloon& balloon = merlin->SpeechBalloon();
            const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
            if (!room.contains(him))
                covered.push_back("off the screen");
            for (const QRect& control : qt::GameControlRects()) {
                if (him.intersects(control)) {
                    covered.push_back("Merlin over a control");
                }
                if (balloon.isVisible() && balloon.geometry().intersects(control))
                    covered.push_back("his balloon over a control");
            }
            return covered;
        }

        qt::QtAgentService service { qt::AgentOptions { 0.05, false, false } };
        qt::QtAgentCharacter* merlin = nullptr;
    };

    // His balloon covered players 2 to 8 of the Eleven for about 15 seconds on every sheet;
    // then, shrunk with him to find room on a small screen, its words were too small to read.
    TEST_F(OnTheScreen, MerlinKeepsOffTheTeamSheetsControlsWhileHeSpeaks)
    {
        SetUpSides();
        ShipSquad(Teams[0].Country, InventedSquadText("North"));
        ShipSquad(Teams[1].Country, InventedSquadText("South"));
        FrmStart& sheet = frmStart();
        ASSERT_TRUE(ShownOnScreen(sheet));
        ASSERT_TRUE(QTest::qWaitFor([this] { return merlin->SpeechBalloon().isVisible(); }));
        for (int look = 0; look < 4; ++look) {
            EXPECT_EQ(Covered(), std::vector<std::string> {}) << "look " << look;
            EXPECT_GE(merlin->SpeechBalloon().font().pointSizeF(), 8) << "look " << look;
            QTest::qWait(150);
        }
    }

    // At the largest zoom the match window ran off the screen, and Merlin stood over its
    // buttons.
    TEST_F(OnTheScreen, MerlinNeverStandsOverTheMatchScreenAtAnyZoom)
    {
        FrmMain& f = StartMatch();
        ASSERT_TRUE(ShownOnScreen(f));
        qt::FormWindow* window = WindowOf(f);
        QApplication::setActiveWindow(window);
        merlin->Speak("It is going to be a run feast today as we have a belter of a pitch.");
        for (int step = 0; step < 12; ++step) {
            EXPECT_EQ(Covered(), std::vector<std::string> {}) << "zoom " << window->Zoom();
            EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
            QTest::keyClick(window, Qt::Key_Equal, Qt::ControlModifier);
            QTest::qWait(120); // he steps aside a moment after the window changes
        }
    }

} // namespace
} // namespace stumpcraft::testing
