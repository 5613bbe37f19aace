// A zoomed window: every control at its model's place and size times the zoom, print in points
// and slider handles times the zoom, the mouse reported in the model's pixels, and the zoom keys
// and a dragged size choosing the zoom.
#include "SampleForm.h"

#include <QSlider>
#include <QStyleOptionSlider>
#include <cmath>

namespace stumpcraft::testing {
namespace {

    using ZoomTest = LivePlatform;

    // Where the style puts a slider's handle. Fusion asks for the handle's size without naming the
    // slider, so this asks the same way.
    QSize HandleOf(const QSlider& slider)
    {
        QStyleOptionSlider option;
        option.initFrom(&slider);
        option.orientation = slider.orientation();
        option.tickPosition = slider.tickPosition();
        return slider.style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, nullptr)
            .size();
    }

    // Catches zoomed windows misplaced, tiny sliders on a zoomed, large screen, and clicks
    // landing on the wrong control.
    TEST_F(ZoomTest, AZoomedWindowScalesEveryControlAndUnscalesTheMouseAndTheKeysStepIt)
    {
        const OpeningZoom zoom(1.5);
        auto& f = frmSample();
        f.lblMsg.FontSize = 8;
        f.Show();
        qt::FormWindow* window = WindowOf(f);
        EXPECT_EQ(window->size(), QSize(960, 495));
        for (const Control* c : f.Controls()) {
            const QRect drawn = WidgetOf(*c)->geometry();
            const QRect wanted(c->Left, c->Top, c->Width, c->Height);
            for (auto [got, model] :
                { std::pair { drawn.left(), wanted.left() }, { drawn.top(), wanted.top() },
                    { drawn.width(), wanted.width() }, { drawn.height(), wanted.height() } })
                EXPECT_LE(std::abs(got - model * 1.5), 1.0) << qt::DisplayName(*c);
        }
        EXPECT_DOUBLE_EQ(WidgetOf(f.lblNxtBlr)->font().pointSizeF(), 13.5);
        EXPECT_DOUBLE_EQ(WidgetOf(f.lblMsg)->font().pointSizeF(), 12);
        const QSize grown = HandleOf(*WidgetOf<QSlider>(f.HScroll1));
        const QSize plain = HandleOf(QSlider(Qt::Horizontal));
        EXPECT_NEAR(grown.width(), plain.width() * 1.5, 1);
        EXPECT_NEAR(grown.height(), plain.height() * 1.5, 1);
        EXPECT_EQ(qt::CaptionsThatDoNotFit(f), std::vector<std::string> {});

        QPoint seen;
        f.Picture1[0].MouseMove = [&seen](MouseButton, int x, int y) { seen = { x, y }; };
        QTest::mouseMove(WidgetOf(f.Picture1[0]), QPoint(300, 150));
        EXPECT_EQ(seen, QPoint(200, 100));

        // Wider than the zoom needs: the form stands in the middle, the rest is not the form.
        window->resize(1600, 495);
        EXPECT_DOUBLE_EQ(window->Zoom(), 1.5);
        QTest::mouseClick(window, Qt::RightButton, {}, QPoint(100, 200));
        QTest::mouseClick(window, Qt::RightButton, {}, QPoint(320 + 900, 435));
        EXPECT_EQ(f.log, "formup2;");

        // The zoom keys step the window, and a dragged size chooses the zoom.
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, Qt::Key_Minus, Qt::ControlModifier);
        EXPECT_EQ(window->size(), QSize(896, 462));
        QTest::keyClick(window, Qt::Key_Equal, Qt::ControlModifier);
        QTest::keyClick(window, Qt::Key_Equal, Qt::ControlModifier);
        EXPECT_EQ(window->size(), QSize(1024, 528));
        EXPECT_DOUBLE_EQ(qt::OpeningZoom(), 1.6) << "the next window opens as the player chose";
        QTest::keyClick(window, Qt::Key_0, Qt::ControlModifier);
        EXPECT_EQ(window->size(), QSize(960, 495));
        EXPECT_EQ(f.log, "formup2;") << "zoom keys are not the game's keys";

        window->resize(1280, 990); // twice as wide, three times as tall
        EXPECT_DOUBLE_EQ(window->Zoom(), 2);
        EXPECT_DOUBLE_EQ(WidgetOf(f.lblNxtBlr)->font().pointSizeF(), 18);
        EXPECT_EQ(WidgetOf(f.cmdHelp)->geometry(), QRect(760, 484, 320, 56));
    }

    // Catches windows opened too big for the screen, or gaps between neighbours.
    TEST(ZoomSums, TheScreenChoosesTheOpeningZoomInWholeSteps)
    {
        EXPECT_DOUBLE_EQ(qt::ZoomForScreen(QSize(1920, 1040)), 1.7);
        EXPECT_DOUBLE_EQ(qt::ZoomForScreen(QSize(1024, 700)), 1.1);
        EXPECT_DOUBLE_EQ(qt::ZoomForScreen(QSize(640, 480)), 1) << "never below the models";
        EXPECT_DOUBLE_EQ(qt::SteppedZoom(2.95, 1), 3) << "within the limits";
        EXPECT_DOUBLE_EQ(qt::SteppedZoom(1.23, -1), 1.1) << "from the nearest step";
        // Neighbours stay neighbours at any zoom.
        EXPECT_EQ(qt::Scaled(QRect(10, 0, 15, 5), 1.3).right() + 1,
            qt::Scaled(QRect(25, 0, 10, 5), 1.3).left());
    }

} // namespace
} // namespace stumpcraft::testing
