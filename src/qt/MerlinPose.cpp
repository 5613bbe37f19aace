#include "qt/MerlinPose.h"

#include <QString>
#include <cmath>

namespace stumpcraft::qt {

const MerlinPoseField* FindPoseField(QStringView name)
{
    for (const auto& field : kMerlinPoseFields)
        if (name == QLatin1String(field.name))
            return &field;
    return nullptr;
}

MerlinPose BlendPoses(const MerlinPose& a, const MerlinPose& b, double t)
{
    MerlinPose out = a;
    for (const auto& field : kMerlinPoseFields)
        out.*field.member = a.*field.member + (b.*field.member - a.*field.member) * t;
    return out;
}

double PoseDistance(const MerlinPose& a, const MerlinPose& b)
{
    double sum = 0;
    for (const auto& field : kMerlinPoseFields)
        sum += std::abs(a.*field.member - b.*field.member) / (field.max - field.min);
    return sum;
}

} // namespace stumpcraft::qt
