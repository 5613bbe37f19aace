// The character's motion: an animation reaches each of its poses on time and settles back to
// rest, talking moves the mouth, and an idle character is drawn only a few times a second,
// breathing through a few frames that come back unchanged.
#include "qt/MerlinAnimator.h"

#include <gtest/gtest.h>
#include <map>

namespace stumpcraft::qt {
namespace {

    MerlinAnimation Wave()
    {
        MerlinAnimation wave;
        wave.name = "Wave";
        MerlinPose up, down;
        up.arm = 150;
        down.arm = 40;
        wave.frames = { { 200, up }, { 100, down } };
        wave.settleMs = 100;
        return wave;
    }

    // Catches animations that run late, never settle, or jump when stopped.
    TEST(MerlinAnimatorTest, PosesArriveOnTimeThenTheCharacterSettlesToRestOrStopsSmoothly)
    {
        const MerlinPose rest;
        MerlinAnimator animator(rest, 0.5);
        EXPECT_EQ(animator.Play(Wave(), 10), 200) << "half of 400 ms";
        EXPECT_EQ(animator.Playing(10.05), "Wave");
        EXPECT_NEAR(animator.PoseAt(10.1).arm, 150, 1e-9);
        EXPECT_NEAR(animator.PoseAt(10.15).arm, 40, 1e-9);
        const double midway = animator.PoseAt(10.05).arm;
        EXPECT_GT(midway, rest.arm);
        EXPECT_LT(midway, 150);
        EXPECT_NEAR(animator.PoseAt(10.2).arm, rest.arm, 1e-9);
        EXPECT_EQ(animator.Playing(10.21), "");

        // Stopped, it settles from wherever the character is, without a jump.
        animator.Play(Wave(), 20);
        const double raised = animator.PoseAt(20.1).arm;
        animator.Stop(20.1);
        EXPECT_EQ(animator.Playing(20.1), "");
        EXPECT_NEAR(animator.PoseAt(20.1).arm, raised, 1e-9);
        EXPECT_NEAR(animator.PoseAt(20.5).arm, rest.arm, 1e-9);
    }

    // An idle character is drawn a few times a second, blinks now and then, and breathes through
    // a few frames that come back unchanged, so a window may keep them; a commentator who
    // speaks with his mouth shut, or keeps talking after, fails it too.
    TEST(MerlinAnimatorTest, IdleIsDrawnSlowlyBlinksAndBreathesThroughKeptFrames)
    {
        MerlinAnimator animator(MerlinPose {}, 1);
        int lively = 0, blinks = 0, idle = 0;
        bool shut = false;
        std::map<int, MerlinPose> seen;
        // A minute of idling, frame by frame at the pace the animator asks for.
        for (double t = 0; t < 60;) {
            const MerlinPose pose = animator.PoseAt(t);
            if (pose.eyes < 0.5 && !shut)
                ++blinks;
            shut = pose.eyes < 0.5;
            if (const std::optional<int> step = animator.IdleFrame(t)) {
                ++idle;
                const auto [kept, fresh] = seen.emplace(*step, pose);
                EXPECT_EQ(PoseDistance(kept->second, pose), 0) << "step " << *step << " at " << t;
            }
            const int ms = animator.FrameInterval(t);
            ASSERT_GT(ms, 0);
            ASSERT_LE(ms, 250);
            lively += ms < 100;
            t += ms / 1000.0;
        }
        EXPECT_GE(blinks, 6);
        EXPECT_LE(blinks, 25);
        EXPECT_LT(lively, blinks * 10) << "fast frames only round the blinks";
        EXPECT_EQ(seen.size(), 9u) << "a breath rises and falls through the same pictures";
        EXPECT_GT(idle, 200) << "most of a quiet minute is breathing";

        // Talking moves the mouth, and it shuts when he stops.
        animator.SetTalking(true, 60);
        EXPECT_FALSE(animator.IdleFrame(60.1));
        double least = 1, most = 0;
        for (double t = 60; t < 62; t += 0.01) {
            least = std::min(least, animator.PoseAt(t).mouth);
            most = std::max(most, animator.PoseAt(t).mouth);
        }
        EXPECT_GT(most - least, 0.3);
        animator.SetTalking(false, 62);
        EXPECT_EQ(animator.PoseAt(62.01).mouth, 0);
        animator.Play(Wave(), 62);
        EXPECT_FALSE(animator.IdleFrame(62.1));
        EXPECT_LE(animator.FrameInterval(62.1), 40) << "an animation runs smoothly";
    }

} // namespace
} // namespace stumpcraft::qt
