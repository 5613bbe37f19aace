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

    // Catches Merlin standing over a game window, or far from where he was sent, and a speech
    // balloon over a game window or off the screen.
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

        // Where he stands already, the balloon opens to the side clear of the windows and on
        // the screen, and says when no side is clear.
        const QRect him(800, 400, 164, 168);
        const QRect left(0, 0, 790, 1080), right(975, 0, 900, 1080);
        const auto side = [&](const std::vector<QRect>& windows, BalloonSide preferred,
                              const QRect& on = QRect(0, 0, 1920, 1080)) {
            return BalloonSideFor(on, { windows, {} }, him, kBody, preferred);
        };
        EXPECT_EQ(side({ left }, BalloonSide::Left).side, BalloonSide::Right);
        EXPECT_TRUE(side({ left }, BalloonSide::Left).clear);
        EXPECT_EQ(side({ left, right }, BalloonSide::Left).side, BalloonSide::Above);
        EXPECT_FALSE(side({ left, right }, BalloonSide::Left).clear);
        EXPECT_EQ(side({}, BalloonSide::Left, QRect(700, 0, 1220, 1080)).side, BalloonSide::Right)
            << "off the screen's left edge";
    }

    // With no room beside the windows he stays on the screen, and over the menu that fills a
    // small screen he keeps off its buttons and options, over its empty part.
    TEST(AgentPlacementTest, AScreenWithoutRoomKeepsHimOnItAndOffTheControls)
    {
        const QRect screen(8, 8, 784, 584);
        const std::vector<QRect> controls { { 10, 486, 163, 27 }, { 0, 74, 184, 400 },
            { 194, 100, 598, 86 }, { 194, 88, 200, 12 } };
        for (const std::vector<QRect>& windows : std::vector<std::vector<QRect>> {
                 { { 0, 0, 800, 560 } }, { { 100, 0, 600, 600 } }, { { 0, 74, 800, 452 } } }) {
            const bool menu = windows[0].top() == 74;
            const AgentSpot spot = PlaceAgent(screen,
                { windows, menu ? controls : std::vector<QRect> {} }, { 0, 432 }, kMerlin, kBody);
            const QRect him(spot.at, kMerlin);
            const QRect words
                = BalloonBeside(him, BalloonWindowSize(kBody, spot.side), spot.side, screen);
            EXPECT_FALSE(spot.clear);
            EXPECT_TRUE(screen.contains(him) && screen.contains(words)) << windows[0].width();
            for (const QRect& control : menu ? controls : std::vector<QRect> {})
                EXPECT_FALSE(him.intersects(control) || words.intersects(control))
                    << control.x() << "," << control.y();
        }
    }

} // namespace
} // namespace stumpcraft::qt
