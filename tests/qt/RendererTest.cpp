// The generic renderer: every control becomes a widget where its model puts it, model changes
// show at once, and the user's input comes back as the game's events, once each.
#include "SampleForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>

namespace stumpcraft::testing {
namespace {

    using RendererTest = LivePlatform;

    // Catches controls drawn out of place or showing stale values.
    TEST_F(RendererTest, EveryControlIsAWidgetAtItsPlaceAndFollowsItsModelQuietly)
    {
        auto& f = frmSample();
        f.Show();
        qt::FormWindow* window = WindowOf(f);
        EXPECT_EQ(window->windowTitle(), "Sample window");
        EXPECT_EQ(window->size(), QSize(640, 330));
        for (const Control* c : f.Controls()) {
            const QWidget* w = WidgetOf(*c);
            EXPECT_EQ(w->geometry(), QRect(c->Left, c->Top, c->Width, c->Height))
                << qt::DisplayName(*c);
            EXPECT_EQ(w->isVisibleTo(window), c->EffectivelyVisible()) << qt::DisplayName(*c);
            EXPECT_EQ(w->parentWidget(), window->HostFor(*c)) << qt::DisplayName(*c);
        }
        // A control on a tab page sits on that page, just below the tab headers.
        f.SSTab1.Tab = 2;
        const QWidget* page2 = WidgetOf(f.Picture1[2])->parentWidget();
        EXPECT_EQ(page2->mapTo(window, QPoint(0, 0)), QPoint(252, 4 + TabStrip::HeaderHeight));
        EXPECT_EQ(page2->size(), QSize(380, 230 - TabStrip::HeaderHeight));

        f.log.clear();
        f.lblMsg.Caption = "Level 3";
        f.lblMsg.BackColor = RGB(255, 192, 192);
        f.cmdHelp.Enabled = false;
        f.chk50.Visible = false;
        EXPECT_EQ(WidgetOf<QLabel>(f.lblMsg)->text(), "Level 3");
        EXPECT_EQ(WidgetOf(f.lblMsg)->palette().color(QPalette::Window), QColor(255, 192, 192));
        EXPECT_FALSE(WidgetOf(f.cmdHelp)->isEnabled());
        EXPECT_TRUE(WidgetOf(f.chk50)->isHidden());
        EXPECT_EQ(WidgetOf(f.lblNxtBlr)->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(WidgetOf(f.lblNxtBlr)->toolTip(), "Click here to change the next bowler");

        // Each setter raises its event once, from the model; the widget only follows.
        f.HScroll1.Value = 4;
        f.opt[1].Value = true;
        f.lstNames.ListIndex = 2;
        f.cmbOvers.ListIndex = 1;
        f.SSTab1.Tab = 3;
        EXPECT_EQ(f.log, "change4;opt1;pick2;overs:20;tab3;");
        EXPECT_EQ(WidgetOf<QSlider>(f.HScroll1)->value(), 4);
        EXPECT_TRUE(WidgetOf<QRadioButton>(f.opt[1])->isChecked());
        EXPECT_EQ(WidgetOf<QListWidget>(f.lstNames)->currentRow(), 2);
        EXPECT_EQ(WidgetOf<QComboBox>(f.cmbOvers)->currentText(), "20");
        EXPECT_TRUE(WidgetOf(f.Picture1[3])->isVisible());
        EXPECT_FALSE(WidgetOf(f.Picture1[0])->isVisible());
        f.lstNames.AddItem("Dent");
        EXPECT_EQ(WidgetOf<QListWidget>(f.lstNames)->count(), 4);
    }

    // Catches input lost, or delivered twice, between the screen and the game.
    TEST_F(RendererTest, ClicksPicksKeysAndTheMouseReachTheModelOnce)
    {
        auto& f = frmSample();
        f.txtName.GotFocus = [&f] { f.log += "focus:txt;"; };
        f.cmdHelp.GotFocus = [&f] { f.log += "focus:help;"; };
        f.Show();
        QWidget* window = WindowOf(f);
        // Focus from the game or the user raises GotFocus.
        QApplication::setActiveWindow(window);
        f.log.clear();
        f.txtName.SetFocus();
        QTest::mouseClick(WidgetOf(f.cmdHelp), Qt::LeftButton);
        EXPECT_EQ(f.log, "focus:txt;focus:help;help;");
        EXPECT_EQ(f.ActiveControl(), &f.cmdHelp);

        f.cmdHelp.GotFocus = {}; // from here on, only the game's events are logged
        f.log.clear();
        QTest::mouseClick(WidgetOf(f.cmdNBowl), Qt::LeftButton);
        QTest::mouseClick(WidgetOf(f.lblNxtBlr), Qt::LeftButton);
        QTest::mouseClick(WidgetOf(f.chk50), Qt::LeftButton);
        QTest::mouseClick(WidgetOf(f.opt[1]), Qt::LeftButton);
        QTest::keyClicks(WidgetOf(f.txtName), "Al");
        EXPECT_EQ(f.log, "bowl;nextbowler;chk1;opt1;typed:A;typed:Al;");
        EXPECT_EQ(f.txtName.Text(), "Al");

        f.log.clear();
        auto* list = WidgetOf<QListWidget>(f.lstNames);
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QWidget* combo = WidgetOf(f.cmbOvers);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QTabBar* bar = WidgetOf(f.SSTab1)->findChild<QTabBar*>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
        EXPECT_EQ(f.log, "pick1;overs:10;tab2;");
        EXPECT_TRUE(WidgetOf(f.Picture1[2])->isVisible());

        // The user's choice of an option clears the others on screen too; a chosen one stays.
        QTest::mouseClick(WidgetOf(f.opt[0]), Qt::LeftButton);
        EXPECT_FALSE(WidgetOf<QRadioButton>(f.opt[1])->isChecked());
        QTest::mouseClick(WidgetOf(f.opt[0]), Qt::LeftButton);
        EXPECT_TRUE(WidgetOf<QRadioButton>(f.opt[0])->isChecked());

        // A click towards the slider's right end and a key step each raise Change once; a drag
        // across two stops reports each in turn.
        f.log.clear();
        auto* slider = WidgetOf<QSlider>(f.HScroll1);
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - 3, 10));
        QTest::keyClick(slider, Qt::Key_Right);
        slider->setSliderDown(true);
        for (int stop = 4; stop <= 5; ++stop)
            slider->setSliderPosition(stop);
        slider->setSliderDown(false);
        EXPECT_EQ(f.log, "change2;change3;change4;change5;");

        // Escape presses the cancel button, even hidden as the match screen has it, but not
        // when disabled; Enter presses the default one, unless that is disabled.
        f.log.clear();
        QTest::keyClick(window, Qt::Key_Escape);
        QTest::keyClick(window, Qt::Key_Return);
        f.Command1.Visible = false;
        QTest::keyClick(window, Qt::Key_Escape);
        f.Command1.Enabled = false;
        QTest::keyClick(window, Qt::Key_Escape);
        f.cmdNBowl.Enabled = false;
        QTest::mouseClick(WidgetOf(f.cmdNBowl), Qt::LeftButton);
        EXPECT_EQ(f.log, "exit;bowl;exit;");

        // A release on the bare window surface is the form's MouseUp.
        f.SSTab1.Tab = 0;
        f.log.clear();
        QTest::mouseClick(window, Qt::RightButton, {}, QPoint(600, 290));
        QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(600, 290));
        EXPECT_EQ(f.log, "formup2;formup1;");

        // Hover colours follow the mouse over the label and off it onto its page.
        QTest::mouseMove(WidgetOf(f.lblNxtBlr), QPoint(5, 5));
        EXPECT_EQ(
            WidgetOf(f.lblNxtBlr)->palette().color(QPalette::WindowText), QColor(143, 192, 255));
        QTest::mouseMove(WidgetOf(f.Picture1[0]), QPoint(300, 150));
        EXPECT_EQ(f.lblNxtBlr.ForeColor(), FrmSample::kDesign);
    }

    // Catches a close box that closes a window the game refused to let go.
    TEST_F(RendererTest, CloseBoxAsksQueryUnloadWhichMayRefuse)
    {
        auto& f = frmSample();
        f.Show();
        qt::FormWindow* window = WindowOf(f);
        QPointer<qt::FormWindow> alive = window;
        f.refuseClose = true;
        window->close();
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(f.IsLoaded());
        f.refuseClose = false;
        window->close();
        EXPECT_EQ(f.log, "query0;query0;unload;");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(alive.isNull());
    }

    // Catches a crash when input reaches a window that has just closed.
    TEST_F(RendererTest, AWindowClosedDuringAnEventNeverTouchesTheModelAgain)
    {
        auto& f = frmSample();
        f.Show();
        QPointer<QWidget> button = WidgetOf(f.Command1);
        QPointer<QSlider> slider = WidgetOf<QSlider>(f.HScroll1);
        f.Command1.Click = [&f] { f.Unload(); };
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_FALSE(f.IsLoaded());
        // The widgets linger until Qt deletes them; input reaching them now goes nowhere.
        ASSERT_FALSE(slider.isNull());
        QTest::keyClick(slider, Qt::Key_Right);
        EXPECT_EQ(f.HScroll1.Value, 1);
        EXPECT_EQ(f.log, "query1;unload;");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(button.isNull());
    }

    // Catches a crash at the program's end when a window outlives its form.
    TEST_F(RendererTest, AFormDestroyedUnderItsWindowLeavesTheWindowHarmless)
    {
        auto& f = frmSample();
        f.Show();
        QPointer<QWidget> label = WidgetOf(f.lblNxtBlr);
        qt::FormWindow* window = WindowOf(f);
        QPointer<qt::FormWindow> alive = window;
        const int destroyed = FrmSample::destroyed;
        forms::ResetAll(); // as at the end of the program
        EXPECT_EQ(FrmSample::destroyed, destroyed + 1);
        ASSERT_FALSE(alive.isNull()) << "deleted later, not under the form's feet";
        EXPECT_EQ(window->Model(), nullptr);
        QTest::mouseClick(label, Qt::LeftButton);
        window->close();
        QTest::mouseClick(window, Qt::RightButton, {}, QPoint(600, 290));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(alive.isNull());
    }

    // Catches an error that crashes or is swallowed instead of being shown.
    TEST_F(RendererTest, AnUntrappedErrorShowsTheErrorBoxAndEndsTheProgram)
    {
        // The fake toolkit records the box instead of showing it.
        Platform().toolkit = &platform.toolkit;
        auto& f = frmSample();
        qt::WindowFor(f).show();
        f.cmdHelp.Click = [] { throw RuntimeError(53, "File not found"); };
        QTest::mouseClick(WidgetOf(f.cmdHelp), Qt::LeftButton);
        ASSERT_EQ(platform.toolkit.messages.size(), 1u);
        EXPECT_EQ(platform.toolkit.messages[0].text, "53: File not found");
        EXPECT_EQ(platform.toolkit.endRequests, 1);
    }

    // The snapshot shows the models' colours, and a locked text box is a figure to read: the
    // surface shows through it, as beside it.
    TEST_F(RendererTest, SnapshotDrawsTheModelsColoursAndLayoutChecksFindCutOverlappingControls)
    {
        auto& f = frmSample();
        f.txtName.Locked = true;
        const auto path = platform.Folder() / "sample.png";
        ASSERT_TRUE(qt::SaveSnapshot(f, path.string()));
        QImage image(QString::fromStdString(path.string()));
        ASSERT_EQ(image.size(), QSize(640, 330));
        EXPECT_FALSE(WindowOf(f)->isVisible()) << "a snapshot shows nothing on screen";
        EXPECT_EQ(image.pixelColor(QPoint(552, 154 + TabStrip::HeaderHeight)), QColor(0, 96, 48));
        EXPECT_EQ(image.pixelColor(QPoint(600, 318)), QColor(255, 255, 192));
        EXPECT_EQ(image.pixelColor(QPoint(228, 174)), image.pixelColor(QPoint(228, 158)));
        EXPECT_EQ(WidgetOf(f.txtName)->focusPolicy(), Qt::NoFocus);
        if (const char* keep = std::getenv("STUMPCRAFT_SNAPSHOT"))
            image.save(keep);

        // Catches layout checks that pass every window, which would hide cut text.
        ExpectFinished(f, "as designed");
        f.lblNxtBlr.Caption = "A next bowler caption far too long for its label";
        f.cmdNBowl.Caption = "Next &Bowl of the whole match";
        f.chk50.Caption = "A hundred and fifty";
        f.frameBatter.Caption = "A batsman with an impossibly long name";
        f.lblMsg.WordWrap = true;
        f.lblMsg.Caption = std::string(300, 'x') + " " + std::string(300, 'y');
        EXPECT_EQ(qt::CaptionsThatDoNotFit(f),
            (std::vector<std::string> {
                "frameBatter", "chk50", "lblNxtBlr", "cmdNBowl", "lblMsg" }));

        // Pages of one tab strip, or a hidden control, may share a place.
        f.chk50.Move(100, 30);
        f.opt[1].Visible = false;
        f.opt[1].Move(12, 162);
        f.cmdHelp.Move(620, 242);
        EXPECT_EQ(qt::OverlappingSiblings(f),
            (std::vector<std::string> { "HScroll1 / chk50", "cmdHelp / Command1" }));
        EXPECT_EQ(qt::ControlsOutsideContainer(f), std::vector<std::string> { "cmdHelp" });
    }

} // namespace
} // namespace stumpcraft::testing
