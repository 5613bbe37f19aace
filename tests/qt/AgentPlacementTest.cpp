// Where the commentator stands: beside the game's windows where the screen has room, his
// balloon opening away from them, and covering as little as may be where it has none.
#include "qt/AgentPlacement.h"

#include <gtest/gtest.h>

namespace stumpcraft::qt {
namespace {

    const QSize kMerlin(164, 168);
    const QSize kBody(269, 82);

    long long Covered(const AgentSpot& spot, const QRect& screen, const std::vector<QRect>& windows)
    {
        const QRect him(spot.at, kMerlin);
        const QRect words
            = BalloonBeside(him, BalloonWindowSize(kBody, spot.side), spot.side, screen);
        long long covered = 0;
        for (const QRect& r : { him, words }) {
            const QRect on = r.intersected(screen);
            covered += 1LL * r.width() * r.height() - 1LL * on.width() * on.height();
            for (const QRect& w : windows) {
                const QRect hit
                    = r.intersected(w.adjusted(-kAgentGap, -kAgentGap, kAgentGap, kAgentGap));
                covered += hit.isEmpty() ? 0 : 1LL * hit.width() * hit.height();
            }
        }
        return covered;
    }

    // The least any place on the screen covers, tried every few pixels.
    long long LeastCovered(const QRect& screen, const std::vector<QRect>& windows)
    {
        long long least = -1;
        for (const BalloonSide side : { BalloonSide::Left, BalloonSide::Right, BalloonSide::Above })
            for (int x = screen.left(); x <= screen.right() - kMerlin.width(); x += 4)
                for (int y = screen.top(); y <= screen.bottom() - kMerlin.height(); y += 4) {
                    const long long c = Covered({ { x, y }, side }, screen, windows);
                    least = least < 0 ? c : std::min(least, c);
                }
        return least;
    }

    TEST(AgentPlacementTest, StandsNearestToWhereHeIsSentBesideTheWindowsBalloonOpeningAway)
    {
        const QRect screen(8, 8, 1904, 1064);
        const QRect menu(710, 290, 500, 500);
        const QPoint besideMenu(menu.right() + 17, menu.top());
        AgentSpot spot = PlaceAgent(screen, { { menu }, {} }, besideMenu, kMerlin, kBody);
        EXPECT_EQ(spot.at, besideMenu) << "already clear: he stays";
        EXPECT_EQ(spot.side, BalloonSide::Right);

        // The match screen opens under him: he steps out to its nearer side.
        const QRect match(260, 140, 1140, 800);
        spot = PlaceAgent(screen, { { match }, {} }, besideMenu, kMerlin, kBody);
        EXPECT_EQ(Covered(spot, screen, { match }), 0);
        EXPECT_GT(spot.at.x(), match.right());
        EXPECT_EQ(spot.at.y(), besideMenu.y());
        EXPECT_EQ(spot.side, BalloonSide::Right);

        const QRect rightHand(700, 100, 1200, 800);
        spot = PlaceAgent(screen, { { rightHand }, {} }, QPoint(800, 300), kMerlin, kBody);
        EXPECT_EQ(Covered(spot, screen, { rightHand }), 0);
        EXPECT_LT(spot.at.x(), rightHand.left());
        EXPECT_EQ(spot.side, BalloonSide::Left);

        // No room on either side, but below.
        const QRect wide(100, 10, 1080, 500);
        const QRect small(8, 8, 1264, 784);
        spot = PlaceAgent(small, { { wide }, {} }, QPoint(600, 100), kMerlin, kBody);
        EXPECT_EQ(Covered(spot, small, { wide }), 0);
        EXPECT_GT(spot.at.y(), wide.bottom());

        // A gap between two windows too narrow for a balloon beside him: it tucks above him.
        const std::vector<QRect> pair { { 8, 8, 500, 1064 }, { 816, 8, 1096, 1064 } };
        spot = PlaceAgent(screen, { pair, {} }, QPoint(560, 400), kMerlin, kBody);
        EXPECT_EQ(Covered(spot, screen, pair), 0);
        EXPECT_EQ(spot.side, BalloonSide::Above);
        EXPECT_EQ(spot.at, QPoint(580, 400));
    }

    TEST(AgentPlacementTest, AScreenWithoutRoomGetsTheSpotThatCoversLeast)
    {
        const QRect screen(8, 8, 784, 584);
        for (const std::vector<QRect>& windows : std::vector<std::vector<QRect>> {
                 { { 0, 0, 800, 560 } }, { { 100, 0, 600, 600 } }, { { 0, 0, 640, 480 } } }) {
            const AgentSpot spot
                = PlaceAgent(screen, { windows, {} }, QPoint(300, 200), kMerlin, kBody);
            EXPECT_LE(Covered(spot, screen, windows), LeastCovered(screen, windows))
                << windows[0].width() << "x" << windows[0].height();
            EXPECT_FALSE(spot.clear);
        }

        // The menu fills a small screen: he keeps off its buttons and options, over its
        // empty part.
        const std::vector<QRect> menu { { 0, 74, 800, 452 } };
        const std::vector<QRect> controls { { 10, 486, 163, 27 }, { 0, 74, 184, 400 },
            { 194, 100, 598, 86 }, { 194, 88, 200, 12 } };
        const AgentSpot spot = PlaceAgent(screen, { menu, controls }, { 0, 432 }, kMerlin, kBody);
        const QRect him(spot.at, kMerlin);
        const QRect words
            = BalloonBeside(him, BalloonWindowSize(kBody, spot.side), spot.side, screen);
        for (const QRect& control : controls)
            EXPECT_FALSE(him.intersects(control) || words.intersects(control))
                << control.x() << "," << control.y();
        EXPECT_TRUE(screen.contains(him) && screen.contains(words));
    }

    TEST(AgentPlacementTest, TheBalloonOpensToTheSideClearOfTheWindows)
    {
        const QRect screen(0, 0, 1920, 1080);
        const QRect him(800, 400, 164, 168);
        const QRect left(0, 0, 790, 1080), right(975, 0, 900, 1080);
        const auto side = [&](const std::vector<QRect>& windows, BalloonSide preferred,
                              const QRect& on = QRect(0, 0, 1920, 1080)) {
            return BalloonSideFor(on, { windows, {} }, him, kBody, preferred).side;
        };
        EXPECT_EQ(side({}, BalloonSide::Right), BalloonSide::Right);
        EXPECT_EQ(side({ left }, BalloonSide::Left), BalloonSide::Right);
        EXPECT_EQ(side({ right }, BalloonSide::Right), BalloonSide::Left);
        EXPECT_EQ(side({ left, right }, BalloonSide::Left), BalloonSide::Above);
        EXPECT_EQ(side({}, BalloonSide::Left, QRect(700, 0, 1220, 1080)), BalloonSide::Right)
            << "off the screen's left edge";
        EXPECT_TRUE(BalloonSideFor(screen, { { left }, {} }, him, kBody, BalloonSide::Left).clear);
        EXPECT_FALSE(
            BalloonSideFor(screen, { { left, right }, {} }, him, kBody, BalloonSide::Left).clear);
    }

} // namespace
} // namespace stumpcraft::qt
