#pragma once

#include "qt/MerlinPose.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <vector>

namespace stumpcraft::qt {

// A character file that exists but cannot be used (unreadable, or not in the format below).
inline constexpr long kAgentFileBad = -2147467259; // 0x80004005

// The colours the character is drawn in.
struct MerlinPalette {
    QColor outline, robe, robeShade, trim, hat, hatShade, star, beard, skin, cheek, mouth, eye,
        staff, orb, balloon, ink;
};

// One step of an animation: glide from wherever the character is to pose over ms.
struct MerlinFrame {
    int ms = 0;
    MerlinPose pose;
};

// A named animation. After its last frame the character settles back to rest over settleMs.
struct MerlinAnimation {
    QString name;
    std::vector<MerlinFrame> frames;
    int settleMs = 250;

    int Duration() const;
};

// Everything a character file says about a character.
struct MerlinCharacter {
    QString name;
    QSize size; // of its window, in pixels
    MerlinPalette colours;
    MerlinPose rest;
    std::vector<MerlinAnimation> animations;

    // The animation of that name, whatever its letter case; nullptr when there is none.
    const MerlinAnimation* Find(const QString& animation) const;
};

// Reads the character file at path, which must hold the character of that name (in any
// letter case). Throws RuntimeError: kAgentFileMissing when the file does not exist,
// kAgentFileBad with the file name, line and fault when it cannot be used.
MerlinCharacter LoadMerlinFile(const QString& path, const QString& character);

// The same for text already read; fileName only names the file in messages.
MerlinCharacter ParseMerlinFile(const QString& text, const QString& fileName);

} // namespace stumpcraft::qt
