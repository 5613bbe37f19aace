// The live toolkit: message boxes look as the game asks, a modal show waits for its window,
// the event pump waits without spinning a core, and ending the program ends every loop.
#include "SampleForm.h"

#include <QTimer>

namespace stumpcraft::testing {
namespace {

    using ToolkitTest = LivePlatform;
    using B = QMessageBox;

    // Escape, or the box's close button, never answers Yes or OK where the box offers another
    // way out.
    TEST(MessageBoxLookTest, IconsButtonsAndAnswersMapOneToOne)
    {
        const std::pair<MsgButtons, MsgResult> boxes[] = { { MsgButtons::OK, MsgResult::OK },
            { MsgButtons::OKCancel, MsgResult::Cancel }, { MsgButtons::YesNo, MsgResult::No },
            { MsgButtons::YesNoCancel, MsgResult::Cancel },
            { MsgButtons::RetryCancel, MsgResult::Cancel } };
        for (const auto& [buttons, closed] : boxes) {
            EXPECT_EQ(
                qt::ResultOf(qt::LookOf(buttons, MsgIcon::None).escapeButton, buttons), closed);
            EXPECT_EQ(qt::ResultOf(B::NoButton, buttons), closed);
        }
    }

    // Catches a box that shows the wrong words, in print too small on a zoomed, large screen,
    // or returns the wrong answer.
    TEST_F(ToolkitTest, MessageBoxCarriesTextAndIconAtTheZoomAndReturnsTheAnswer)
    {
        const OpeningZoom zoom(1.5);
        QString text;
        B::Icon icon = B::NoIcon;
        double print = 0;
        // The box is modal: answer it from inside its own loop.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            icon = box->icon();
            print = box->font().pointSizeF();
            box->button(B::No)->click();
        });
        EXPECT_EQ(MsgBox("Play again?", MsgButtons::YesNo, MsgIcon::Question), MsgResult::No);
        EXPECT_EQ(text, "Play again?");
        EXPECT_EQ(icon, B::Question);
        EXPECT_NEAR(print, QApplication::font().pointSizeF() * 1.5, 0.01);
    }

    // Watches a modal show: fails the test and lets go of the window if it never returns.
    struct Watchdog {
        explicit Watchdog(Form& form)
        {
            QTimer::singleShot(5000, &guard, [&form] {
                ADD_FAILURE() << "the modal show did not return";
                form.Hide();
            });
        }
        QObject guard;
    };

    // Catches a game frozen behind a modal window that was closed.
    TEST_F(ToolkitTest, ModalShowReturnsOnceTheFormIsHiddenOrUnloaded)
    {
        auto& f = frmSample();
        f.cmdNBowl.Click = [&f] { f.Hide(); };
        QTimer::singleShot(0, [&f] { f.log += f.IsModal() ? "modal;" : "modeless;"; });
        QTimer::singleShot(0, [&f] { WidgetOf<QPushButton>(f.cmdNBowl)->click(); });
        {
            Watchdog watchdog(f);
            f.Show(true);
        }
        EXPECT_EQ(f.log, "modal;");
        EXPECT_FALSE(WindowOf(f)->isVisible());

        QTimer::singleShot(0, [&f] { f.Unload(); });
        {
            Watchdog watchdog(f);
            f.Show(true);
        }
        EXPECT_FALSE(f.IsLoaded());
    }

    // Catches a program that cannot be quit while a window or a box waits.
    TEST_F(ToolkitTest, EndProgramLeavesEveryRunningLoop)
    {
        auto& f = frmSample();
        QTimer::singleShot(0, [this] { toolkit.EndProgram(); });
        QEventLoop outer;
        QTimer::singleShot(0, [&f] {
            Watchdog watchdog(f);
            f.Show(true);
        });
        QTimer::singleShot(5000, &outer, [&outer] {
            ADD_FAILURE() << "the loop was not ended";
            outer.quit();
        });
        outer.exec();
        EXPECT_TRUE(toolkit.Ending());
        // Once ending, a modal show returns at once and no box waits for an answer.
        f.Show(true);
        EXPECT_EQ(MsgBox("Sure?", MsgButtons::YesNo), MsgResult::No);

        // The other tests need event loops again: a run of the main loop clears the exit.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        bool ran = false;
        QEventLoop again;
        QTimer::singleShot(0, &again, [&] {
            ran = true;
            again.quit();
        });
        again.exec();
        EXPECT_TRUE(ran);
    }

    // Catches windows that freeze during the game's pauses.
    TEST_F(ToolkitTest, ThePumpAndThePauseServeEvents)
    {
        bool served = false;
        QTimer::singleShot(0, [&served] { served = true; });
        DoEvents();
        EXPECT_TRUE(served);
        // The pause after a milestone must keep the windows alive: events that arrive
        // during it are handled, the last well into it, and it ends by itself.
        int count = 0;
        for (const int ms : { 5, 10, 30 })
            QTimer::singleShot(ms, Qt::PreciseTimer, [&] { ++count; });
        toolkit.Pause(60);
        EXPECT_EQ(count, 3);
    }

} // namespace
} // namespace stumpcraft::testing
