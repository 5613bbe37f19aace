#pragma once

#include "qt/MerlinFile.h"

#include <QString>
#include <optional>
#include <vector>

namespace stumpcraft::qt {

// Works out the character's pose at any moment: the animation in progress, gliding from frame
// to frame and settling back to rest, with breathing, blinking and the talking mouth laid over
// it. Times are seconds on the caller's clock; nothing here waits or draws.
class MerlinAnimator {
public:
    // Every animation runs timeScale times its length in the character file.
    MerlinAnimator(const MerlinPose& rest, double timeScale);

    // Starts the animation at now, from wherever the character stands. Returns how long it
    // runs, in milliseconds, settling included.
    int Play(const MerlinAnimation& animation, double now);
    // Drops the animation in progress; the character settles back to rest at once.
    void Stop(double now);
    void SetTalking(bool talking, double now);

    MerlinPose PoseAt(double now);
    // The animation in progress at now, or "" when the character is at rest.
    QString Playing(double now) const;
    // Neither an animation nor talking at now: at most he breathes and blinks.
    bool Resting(double now) const { return !Animating(now) && !talking_; }
    // His eyes are shutting or opening at now.
    bool Blinking(double now) const;
    // How many milliseconds the window may wait before drawing again: a full-rate frame while
    // something moves quickly (an animation, a blink, talking), otherwise the next step of the
    // breath, cut short so that the next blink is not missed.
    int FrameInterval(double now) const;
    // While the character only breathes, which of the breath's few pictures PoseAt gives at
    // now: the same number is always the same picture, so a window may keep it. The breath
    // rises and falls through the same poses, so its 16 steps show only 9 pictures, numbered
    // below kBreathSteps. Nothing while it moves otherwise, or when its rest pose has
    // sparkles, which twinkle all the time.
    std::optional<int> IdleFrame(double now) const;
    static constexpr int kBreathSteps = 16;

private:
    struct Key {
        double at;
        MerlinPose pose;
    };

    MerlinPose Base(double now) const;
    bool Animating(double now) const;
    void Blink(MerlinPose& pose, double now);

    MerlinPose rest_;
    double scale_;
    std::vector<Key> keys_;
    QString playing_;
    bool talking_ = false;
    double talkSince_ = 0;
    double nextBlink_ = 2.5;
};

} // namespace stumpcraft::qt
