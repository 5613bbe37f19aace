#include "qt/MerlinAnimator.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace stumpcraft::qt {

namespace {

    constexpr double kBreathPeriod = 3.6; // seconds a breath takes
    constexpr double kBreathDepth = 0.9;
    constexpr double kBlinkLength = 0.16;
    constexpr double kStopSeconds = 0.15;
    constexpr int kLivelyMs = 33; // about 30 frames a second
    constexpr int kIdleMs = 250;
    // A breath goes in steps of under half a pixel, each shown for this long.
    constexpr double kStepSeconds = kBreathPeriod / MerlinAnimator::kBreathSteps;

    // The step of the breath at now: the nearest, so that a frame drawn a little early or
    // late still shows the step it was meant for.
    long long BreathStep(double now) { return std::llround(now / kStepSeconds); }

    double Smooth(double u) { return u * u * (3 - 2 * u); }

    // The breath is a sine over its steps: step s shows the same pose as 8 - s about the top
    // and as 24 - s about the bottom, so each pose is named by one step.
    int BreathPicture(double now)
    {
        const int step = static_cast<int>(BreathStep(now) % MerlinAnimator::kBreathSteps);
        const int quarter = MerlinAnimator::kBreathSteps / 4;
        if (step > quarter && step <= 2 * quarter)
            return 2 * quarter - step;
        if (step > 3 * quarter)
            return 6 * quarter - step;
        return step;
    }

    double SecondsBetweenBlinks() { return 2.5 + 4 * QRandomGenerator::global()->generateDouble(); }

} // namespace

MerlinAnimator::MerlinAnimator(const MerlinPose& rest, double timeScale)
    : rest_(rest)
    , scale_(timeScale)
{
}

int MerlinAnimator::Play(const MerlinAnimation& animation, double now)
{
    const MerlinPose from = Base(now);
    keys_.assign(1, { now, from });
    double at = now;
    for (const auto& frame : animation.frames) {
        at += frame.ms * scale_ / 1000;
        keys_.push_back({ at, frame.pose });
    }
    at += animation.settleMs * scale_ / 1000;
    keys_.push_back({ at, rest_ });
    playing_ = animation.name;
    return static_cast<int>(std::lround((at - now) * 1000));
}

void MerlinAnimator::Stop(double now)
{
    const MerlinPose from = Base(now);
    keys_ = { { now, from }, { now + kStopSeconds * std::min(1.0, scale_), rest_ } };
    playing_.clear();
}

void MerlinAnimator::SetTalking(bool talking, double now)
{
    if (talking && !talking_)
        talkSince_ = now;
    talking_ = talking;
}

QString MerlinAnimator::Playing(double now) const
{
    return !keys_.empty() && now < keys_.back().at ? playing_ : QString();
}

bool MerlinAnimator::Animating(double now) const { return !keys_.empty() && now < keys_.back().at; }

bool MerlinAnimator::Blinking(double now) const
{
    return now >= nextBlink_ && now <= nextBlink_ + kBlinkLength;
}

int MerlinAnimator::FrameInterval(double now) const
{
    if (Animating(now) || talking_ || Blinking(now))
        return kLivelyMs;
    const double untilStep = ((BreathStep(now) + 1) * kStepSeconds - now) * 1000;
    const double untilBlink = (nextBlink_ - now) * 1000;
    return static_cast<int>(std::clamp(std::min(untilStep, untilBlink), 1.0, double(kIdleMs)));
}

std::optional<int> MerlinAnimator::IdleFrame(double now) const
{
    if (Animating(now) || talking_ || Blinking(now) || rest_.magic > 0.01)
        return std::nullopt;
    return BreathPicture(now);
}

MerlinPose MerlinAnimator::Base(double now) const
{
    if (keys_.empty() || now >= keys_.back().at || now < keys_.front().at)
        return rest_;
    const auto next = std::upper_bound(
        keys_.begin(), keys_.end(), now, [](double t, const Key& key) { return t < key.at; });
    const Key& a = *(next - 1);
    const Key& b = *next;
    const double u = b.at > a.at ? (now - a.at) / (b.at - a.at) : 1;
    return BlendPoses(a.pose, b.pose, Smooth(u));
}

MerlinPose MerlinAnimator::PoseAt(double now)
{
    MerlinPose pose = Base(now);
    const double step = BreathPicture(now);
    pose.breath += kBreathDepth * std::sin(2 * std::numbers::pi * step / kBreathSteps);
    Blink(pose, now);
    if (talking_) {
        // Two beats that drift apart keep the mouth from flapping like a metronome.
        const double t = now - talkSince_;
        const double beat = 0.5 + 0.3 * std::sin(t * 23) + 0.2 * std::sin(t * 37 + 1);
        pose.mouth = std::max(pose.mouth, 0.15 + 0.45 * beat);
    }
    return pose;
}

void MerlinAnimator::Blink(MerlinPose& pose, double now)
{
    if (now > nextBlink_ + kBlinkLength)
        nextBlink_ = now + SecondsBetweenBlinks();
    if (now < nextBlink_ || pose.eyes < 0.3)
        return;
    // Shut quickly, open a little slower.
    const double u = (now - nextBlink_) / kBlinkLength;
    const double shut = u < 0.4 ? u / 0.4 : 1 - (u - 0.4) / 0.6;
    pose.eyes *= 1 - std::clamp(shut, 0.0, 1.0);
}

} // namespace stumpcraft::qt
