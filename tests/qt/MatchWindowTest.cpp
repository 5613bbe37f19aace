// The match screen under the player's mouse and keys: a level dragged on its slider, a right
// click anywhere on the window, the level's tooltip, the zoom keys against the screen's edges,
// and the status line of a chase at every zoom a screen from 1280x720 up opens it at.
#include "MatchFixture.h"
#include "WindowChecks.h"
#include "modules/modProcs.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QScreen>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTabBar>

namespace stumpcraft::testing {
namespace {

    class MatchWindowTest : public MatchFixture {
    protected:
        ~MatchWindowTest() override
        {
            CloseEveryWindow();
            qt::SetOpeningZoom(1, false);
        }
    };

    // The handle taken in the hand and carried, a few pixels at a time, from where the style
    // draws it at one stop to where it draws it at another.
    void Drag(QSlider& slider, int from, int to)
    {
        QStyleOptionSlider option;
        option.initFrom(&slider);
        option.orientation = slider.orientation();
        option.minimum = slider.minimum();
        option.maximum = slider.maximum();
        option.tickPosition = slider.tickPosition();
        const auto handle = [&](int value) {
            option.sliderPosition = option.sliderValue = value;
            return slider.style()
                ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider)
                .center();
        };
        const QPoint start = handle(from), end = handle(to);
        QTest::mousePress(&slider, Qt::LeftButton, {}, start);
        for (int i = 1; i <= 12; ++i)
            QTest::mouseMove(&slider, start + (end - start) * i / 12);
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, end);
    }

    // A play-test found the level's handle dead under the mouse: dragged, it went back where it
    // was when let go, and the level, its words and the odds stayed as they were. Only a drag
    // by the mouse sees a handle whose moves the control's own mouse handling keeps from it.
    TEST_F(MatchWindowTest, DraggingALevelSetsItStepByStepAndTheCaptionsFollow)
    {
        FrmMain& f = StartMatch();
        ASSERT_TRUE(ShownOnScreen(f));
        for (int frame = 0; frame < 2; ++frame) {
            std::vector<int> seen;
            const auto game = f.HScroll1[frame].Change;
            f.HScroll1[frame].Change = [&, game, frame] {
                seen.push_back(f.HScroll1[frame].Value);
                game();
            };
            auto* slider = WidgetOf<QSlider>(f.HScroll1[frame]);
            const std::string before = f.lbls[10 + frame].ToolTipText;
            Drag(*slider, 1, 5);
            Drag(*slider, 5, 3);
            EXPECT_EQ(seen, (std::vector<int> { 2, 3, 4, 5, 4, 3 })) << "once for each step";
            EXPECT_EQ(f.lbls[10 + frame].Caption(), "Level 3");
            EXPECT_EQ(slider->value(), 3) << "the handle stays where it was let go";
            EXPECT_NE(f.lbls[10 + frame].ToolTipText(), before) << "the odds follow";
        }
    }

    // The manual promised a right click anywhere turns the tab; on the green pages, the cards,
    // the batter frames and the buttons it did nothing.
    TEST_F(MatchWindowTest, ARightClickAnywhereOnTheWindowTurnsTheTab)
    {
        FrmMain& f = StartMatch();
        ASSERT_TRUE(ShownOnScreen(f));
        // At the control's middle, on whatever widget lies there, as the mouse would.
        const auto rightClick = [](const Control& c) {
            QWidget* w = WidgetOf(c);
            QPoint at(w->width() / 2, w->height() / 2);
            if (QWidget* inner = w->childAt(at)) {
                at = inner->mapFrom(w, at);
                w = inner;
            }
            QTest::mouseClick(w, Qt::RightButton, {}, at);
        };
        rightClick(f.Picture1[0]); // the green page itself
        EXPECT_EQ(f.SSTab1.Tab, 1);
        rightClick(f.lblBatName[0]); // a name on the batting card, which opens his figures
        EXPECT_EQ(f.SSTab1.Tab, 2);
        EXPECT_THAT(platform.toolkit.shownForms, ::testing::Not(::testing::Contains("frmBatStat")));
        rightClick(f.lblBlrName[0]);
        EXPECT_EQ(f.SSTab1.Tab, 3);
        rightClick(f.lblWickets[0]);
        EXPECT_EQ(f.SSTab1.Tab, 4);
        rightClick(f.chtWorm);
        EXPECT_EQ(f.SSTab1.Tab, 0);
        for (const Control* c :
            std::initializer_list<const Control*> { &f.lblDesc[0], &f.frameBatter[0],
                &f.lblDetails[3], &f.HScroll1[1], &f.CmdNBowl, &f.lblSmallScore[0], &f.lblMsg[1] })
            rightClick(*c);
        EXPECT_EQ(f.SSTab1.Tab, 2) << "seven more turns";
        auto* bar = WidgetOf(f.SSTab1)->findChild<QTabBar*>();
        QTest::mouseClick(bar, Qt::RightButton, {}, bar->tabRect(0).center());
        EXPECT_EQ(f.SSTab1.Tab, 3) << "the row of tabs too";

        // A left click on a page or a button is its own.
        QTest::mouseClick(WidgetOf(f.Picture1[3]), Qt::LeftButton);
        EXPECT_EQ(f.SSTab1.Tab, 3);
        EXPECT_EQ(Bat().Balls, 0);
    }

    // The tip of a level. Zoomed up for a large screen, it was drawn in the desktop's small
    // print, and a long name ran it past the edge of the screen.
    TEST_F(MatchWindowTest, TheLevelTooltipIsDrawnAtTheZoomAndStaysOnTheScreen)
    {
        const OpeningZoom zoom(1.5);
        SetUpSides();
        Teams[0].Plr[1].Name = std::string(140, 'W');
        FrmMain& f = frmMain();
        ASSERT_TRUE(ShownOnScreen(f));
        QWidget* slider = WidgetOf(f.HScroll1[1]);
        const QPoint at = slider->mapToGlobal(QPoint(slider->width() / 2, 4));
        QHelpEvent hover(QEvent::ToolTip, QPoint(slider->width() / 2, 4), at);
        QApplication::sendEvent(slider, &hover);
        QLabel* tip = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->inherits("QTipLabel") && w->isVisible())
                    tip = static_cast<QLabel*>(w);
            return tip != nullptr;
        }));
        EXPECT_NEAR(tip->font().pointSizeF(), qt::WindowFont(1.5).pointSizeF(), 0.01);
        EXPECT_TRUE(tip->screen()->availableGeometry().contains(tip->frameGeometry()))
            << tip->frameGeometry().width() << " wide";
        EXPECT_THAT(tip->text().toStdString(), ::testing::HasSubstr("runs an over"));
    }

    // Each step of Ctrl+plus grew the window past the screen's bottom edge, each Ctrl+minus
    // moved it down by its title bar, and Ctrl+0 left it hanging off the screen.
    TEST_F(MatchWindowTest, TheZoomKeysKeepTheWindowOnTheScreenAndCtrl0BringsItBack)
    {
        qt::ZoomForThisScreen();
        FrmMain& f = StartMatch();
        ASSERT_TRUE(ShownOnScreen(f));
        qt::FormWindow* window = WindowOf(f);
        QApplication::setActiveWindow(window);
        const QRect room = window->screen()->availableGeometry();
        const QRect opened = window->geometry();
        const QPoint openedAt = window->pos();
        const auto key = [&](int k) { QTest::keyClick(window, Qt::Key(k), Qt::ControlModifier); };

        double zoom = window->Zoom();
        for (int step = 0; step < 25; ++step) {
            key(Qt::Key_Equal);
            EXPECT_TRUE(room.contains(window->frameGeometry())) << "step " << step;
            EXPECT_GE(window->Zoom(), zoom);
            zoom = window->Zoom();
        }
        EXPECT_GT(zoom, 1) << "it grew as far as the screen allows";
        EXPECT_TRUE(qt::CaptionsThatDoNotFit(f).empty());
        key(Qt::Key_0);
        EXPECT_EQ(window->geometry(), opened);
        EXPECT_EQ(window->pos(), openedAt);

        // In and out again: the window grows and shrinks about its middle.
        const QPoint middle = window->geometry().center();
        key(Qt::Key_Minus);
        key(Qt::Key_Minus);
        key(Qt::Key_Equal);
        key(Qt::Key_Equal);
        EXPECT_EQ(window->geometry().size(), opened.size());
        EXPECT_LE((window->geometry().center() - middle).manhattanLength(), 2);
    }

    // A chase's status line wrapped onto a second line, and cut words, at the zooms of
    // screens from 1280x720 up; every other text on every tab fits as well.
    TEST_F(MatchWindowTest, TheChaseStatusLineFitsOnOneLineAtEveryZoom)
    {
        SetUpSides();
        Teams[0].Country = Teams[1].Country = "New Zealand";
        ChooseBowlersWhenAsked();
        FrmMain& f = frmMain();
        SeedRandomDraw(3);
        for (int over = 0; over < 50; ++over)
            f.CmdNOver.UserClick();
        f.cmdChange.UserClick();
        for (int over = 0; over < 3; ++over)
            f.CmdNOver.UserClick();
        ASSERT_THAT(f.lblMsg[1].Caption(), ::testing::HasSubstr("Require a further"));
        for (const double zoom : { 1.0, 1.1, 1.2, 1.3, 1.4, 1.5, 1.6, 1.7 }) {
            const OpeningZoom opening(zoom);
            qt::WindowFor(f).SetZoom(zoom);
            ExpectEveryTabFinished(f, f.SSTab1, "chase at " + std::to_string(zoom));
            auto* line = WidgetOf<QLabel>(f.lblMsg[1]);
            EXPECT_LE(line->fontMetrics().boundingRect(line->text()).width(),
                line->contentsRect().width())
                << "one line at " << zoom;
        }
    }

} // namespace
} // namespace stumpcraft::testing
