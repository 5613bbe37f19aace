// The game's own windows, drawn as a player sees them: in every state of a match nothing is
// cut short, nothing overlaps, nothing sticks out of its container, and the buttons work.
#include "MatchFixture.h"
#include "WindowChecks.h"
#include "forms/frmBowlChange.h"
#include "modules/ScorecardFile.h"
#include "modules/modProcs.h"

#include <QChartView>
#include <QLegendMarker>
#include <QValueAxis>
#include <QXYSeries>

namespace stumpcraft::testing {
namespace {

    class WindowsTest : public MatchFixture {
    protected:
        ~WindowsTest() override { CloseEveryWindow(); }
    };

    // Catches match windows cut off or overlapping at any stage with long names.
    TEST_F(WindowsTest, EveryWindowLooksFinishedFromFirstBallToResult)
    {
        MatchSetup setup;
        setup.computerSide1 = false; // two players: the fielding side may change its bowler
        // Long names, as squads have them, in the openers' and a bowler's slots.
        SetUpSides(setup);
        Teams[0].Plr[0].Name = "Munyaradzi Chakanyuka";
        Teams[0].Plr[1].Name = "Yasiru Wanigasekara";
        Teams[1].Plr[10].Name = "Kudakwashe Chinembiri";
        FrmMain& f = frmMain();
        ExpectEveryTabFinished(f, f.SSTab1, "first ball");

        SeedRandomDraw(11);
        for (int over = 0; over < 12; ++over)
            f.CmdNOver.UserClick();
        ExpectEveryTabFinished(f, f.SSTab1, "mid-innings");

        // Each window as it opens; a bowler is then chosen as a player would.
        platform.toolkit.onModal = [](Form& window) {
            ExpectFinished(window, window.TypeName());
            for (int row = 10; row >= 0 && window.TypeName() == "frmBowlChange"; --row)
                if (window.IsLoaded())
                    static_cast<FrmBowlChange&>(window).lblBlrName[row].UserClick();
            if (window.IsLoaded())
                window.Unload();
        };
        f.lblNxtBlr.UserClick();
        f.SSTab1.Tab = 1;
        f.lblBatName[0].UserClick();
        EXPECT_THAT(platform.toolkit.shownForms,
            ::testing::IsSupersetOf({ "frmBowlChange", "frmBatStat" }));

        // The result line keeps room for the note that its scorecard was kept.
        KeepScorecardsOnResult = true;
        ASSERT_TRUE(PlayThrough(f));
        KeepScorecardsOnResult = false;
        EXPECT_THAT(f.lblMsg[1].Caption(),
            ::testing::EndsWith("\nScorecard kept in the Scorecards folder"));
        // The longest dismissal the shipped squads can produce; a pair of long partners.
        f.lblBatOut[3].Caption = " c: Munyaradzi Chakanyuka b: Kudakwashe Chinembiri";
        f.lblPlrs[0].WordWrap = false;
        f.lblPlrs[0].Caption = "Hamish Threlfall / Ashikur Talukder";
        ExpectEveryTabFinished(f, f.SSTab1, "result");
    }

    // The keys go to the focused button first, which has no use for Ctrl+S.
    TEST_F(WindowsTest, AClickOnTheBowlButtonPlaysABallAndCtrlSKeepsTheScorecard)
    {
        FrmMain& f = StartMatch();
        qt::WindowFor(f).show();
        QTest::mouseClick(WidgetOf(f.CmdNBowl), Qt::LeftButton);
        EXPECT_EQ(Bat().Balls, 1);
        EXPECT_EQ(f.lblSmallScore[1].Caption, std::string("Overs: 0.1"));
        QTest::keyClick(WidgetOf(f.CmdNBowl), Qt::Key_S, Qt::ControlModifier);
        std::error_code ec;
        const auto kept
            = std::distance(std::filesystem::directory_iterator(ScorecardFolder(), ec), {});
        EXPECT_EQ(kept, 2) << "the text and the page";
    }

    // The renderer draws the chart control's data: each series, named where the legend lists
    // it, and the axes with their titles and ranges.
    TEST_F(WindowsTest, TheChartsTabIsDrawnWithQtCharts)
    {
        MatchSetup setup;
        setup.computerSide0 = true;
        FrmMain& f = StartMatch(setup);
        SeedRandomDraw(20261206);
        ASSERT_TRUE(PlayThrough(f));
        f.SSTab1.Tab = FrmMain::kChartsTab;
        ExpectFinished(f, "charts at the result");
        auto* view = WidgetOf<QChartView>(f.chtWorm);
        const QList<QAbstractSeries*> series = view->chart()->series();
        ASSERT_EQ(series.size(), 5);
        EXPECT_EQ(series[0]->name(), "Northland");
        EXPECT_EQ(series[2]->name(), "Southmere");
        EXPECT_EQ(series[4]->name(), "Target 247");
        EXPECT_EQ(static_cast<QXYSeries*>(series[0])->count(), 258);
        const auto* x = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Horizontal).value(0));
        ASSERT_NE(x, nullptr);
        EXPECT_EQ(x->max(), 50);
        int listed = 0;
        for (QLegendMarker* marker : view->chart()->legend()->markers())
            listed += marker->isVisible();
        EXPECT_EQ(listed, 3) << "the sides and the target, not the wicket dots";
    }

} // namespace
} // namespace stumpcraft::testing
