#pragma once

#include <QStringView>
#include <array>

namespace stumpcraft::qt {

// The posture of the commentator at one moment. Lengths are in the drawing's own units (the
// figure stands about 134 units tall), angles in degrees. The "free" arm is the one on the
// viewer's left, which gestures and waves; the other arm holds the staff.
struct MerlinPose {
    double rise = 0; // the whole figure up (a hop)
    double breath = 0; // the upper body up while the hem stays on the ground
    double lean = 0; // the whole figure about its feet, clockwise
    double headTilt = 0; // the head about the neck, clockwise
    double nod = 0; // the head down
    double hatTilt = 0; // the hat on top of the head tilt, clockwise
    double hatLift = 0; // the hat raised off the head
    double arm = 10; // free arm: 0 hangs, 90 points away from the body, 180 points up
    double elbow = -15; // free forearm, relative to the upper arm
    double staffArm = 20; // the staff arm, the same way round on its own side
    double staffElbow = -12;
    double staffTilt = 0; // the staff's lean away from upright, clockwise
    double eyes = 1; // 1 open, 0 shut, above 1 wide, below 0 closed in a smile
    double lookX = 0; // pupils, -1 (viewer's left) to 1
    double lookY = 0; // pupils, -1 (up) to 1
    double brows = 0; // eyebrows raised
    double browTilt = 0; // positive: worried (outer ends down); negative: stern
    double smile = 0.5; // -1 frown to 1 grin
    double mouth = 0; // 0 shut to 1 wide open
    double magic = 0; // sparkles around the staff's crystal
    double glow = 0; // the crystal's glow
};

// One named value of a pose, with the range a character file may give it.
struct MerlinPoseField {
    const char* name;
    double MerlinPose::*member;
    double min, max;
};

inline constexpr std::array<MerlinPoseField, 21> kMerlinPoseFields { {
    { "rise", &MerlinPose::rise, -40, 40 },
    { "breath", &MerlinPose::breath, -10, 10 },
    { "lean", &MerlinPose::lean, -45, 45 },
    { "headTilt", &MerlinPose::headTilt, -45, 45 },
    { "nod", &MerlinPose::nod, -10, 10 },
    { "hatTilt", &MerlinPose::hatTilt, -60, 60 },
    { "hatLift", &MerlinPose::hatLift, -10, 40 },
    { "arm", &MerlinPose::arm, -60, 200 },
    { "elbow", &MerlinPose::elbow, -180, 180 },
    { "staffArm", &MerlinPose::staffArm, -60, 200 },
    { "staffElbow", &MerlinPose::staffElbow, -180, 180 },
    { "staffTilt", &MerlinPose::staffTilt, -60, 60 },
    { "eyes", &MerlinPose::eyes, -1, 1.6 },
    { "lookX", &MerlinPose::lookX, -1, 1 },
    { "lookY", &MerlinPose::lookY, -1, 1 },
    { "brows", &MerlinPose::brows, -1, 2 },
    { "browTilt", &MerlinPose::browTilt, -1, 1 },
    { "smile", &MerlinPose::smile, -1, 1 },
    { "mouth", &MerlinPose::mouth, 0, 1 },
    { "magic", &MerlinPose::magic, 0, 1 },
    { "glow", &MerlinPose::glow, 0, 1 },
} };

// The field of that name (letter case matters), or nullptr.
const MerlinPoseField* FindPoseField(QStringView name);

// The pose a fraction t (0 to 1) of the way from a to b.
MerlinPose BlendPoses(const MerlinPose& a, const MerlinPose& b, double t);

// How far apart two poses look: the sum of each value's difference over its range.
double PoseDistance(const MerlinPose& a, const MerlinPose& b);

} // namespace stumpcraft::qt
