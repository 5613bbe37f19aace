// Character files are plain UTF-8 text, one statement a line; a line whose first non-blank
// character is "#" is a comment. The statements:
//
//   character <name>                  the character's name; comes first, once
//   size <width> <height>             its window, in pixels (60 to 600 each)
//   colour <part> #rrggbb             one line for each part of the palette (outline, robe,
//                                     robeShade, trim, hat, hatShade, star, beard, skin, cheek,
//                                     mouth, eye, staff, orb, balloon, ink)
//   pose <name> [<field>=<number>...] a named pose: the rest pose with these fields changed.
//                                     The pose "rest" itself is where every animation ends.
//   animation <name> [settle=<ms>]    starts an animation; names are unique in any letter case
//   frame <ms> [<pose>] [<field>=<number>...]
//                                     the next step of that animation: glide over ms to the
//                                     named pose (or rest), with these fields changed
//
// The fields of a pose are those of MerlinPose (rise, arm, eyes, smile, ...), each within its
// range. Any fault stops the load with the file's name, the line and what is wrong.
#include "qt/MerlinFile.h"

#include "platform/Errors.h"
#include "platform/PlainFile.h"
#include "platform/Services.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cmath>
#include <map>

namespace stumpcraft::qt {

namespace {

    struct PaletteEntry {
        const char* name;
        QColor MerlinPalette::*member;
    };

    constexpr std::array<PaletteEntry, 16> kPaletteEntries { {
        { "outline", &MerlinPalette::outline },
        { "robe", &MerlinPalette::robe },
        { "robeShade", &MerlinPalette::robeShade },
        { "trim", &MerlinPalette::trim },
        { "hat", &MerlinPalette::hat },
        { "hatShade", &MerlinPalette::hatShade },
        { "star", &MerlinPalette::star },
        { "beard", &MerlinPalette::beard },
        { "skin", &MerlinPalette::skin },
        { "cheek", &MerlinPalette::cheek },
        { "mouth", &MerlinPalette::mouth },
        { "eye", &MerlinPalette::eye },
        { "staff", &MerlinPalette::staff },
        { "orb", &MerlinPalette::orb },
        { "balloon", &MerlinPalette::balloon },
        { "ink", &MerlinPalette::ink },
    } };

    constexpr qint64 kMaxFileBytes = 256 * 1024;
    constexpr int kMaxFrameMs = 10000;

    // Reads the statements one line at a time into a character, keeping the line number for
    // its messages.
    class Parser {
    public:
        explicit Parser(QString fileName)
            : fileName_(std::move(fileName))
        {
        }

        MerlinCharacter Parse(const QString& text)
        {
            // Line ends of any system; a byte-order mark from an editor is no statement.
            const QStringList lines = QString(text).remove(QChar(0xFEFF)).split(u'\n');
            for (int i = 0; i < lines.size(); ++i) {
                line_ = i + 1;
                Statement(lines[i].simplified().split(u' ', Qt::SkipEmptyParts));
            }
            Finish();
            return std::move(out_);
        }

    private:
        [[noreturn]] void Fail(const QString& what) const
        {
            QString where = fileName_;
            if (line_ > 0)
                where += ", line " + QString::number(line_);
            throw RuntimeError(kAgentFileBad, (where + ": " + what).toStdString());
        }

        void Statement(const QStringList& words)
        {
            if (words.isEmpty() || words[0].startsWith(u'#'))
                return;
            const QString& keyword = words[0];
            if (keyword != "character" && out_.name.isEmpty())
                Fail("the file must begin with the character's name");
            if (keyword == "character")
                Character(words);
            else if (keyword == "size")
                Size(words);
            else if (keyword == "colour")
                Colour(words);
            else if (keyword == "pose")
                Pose(words);
            else if (keyword == "animation")
                Animation(words);
            else if (keyword == "frame")
                Frame(words);
            else
                Fail("unknown statement '" + keyword + "'");
        }

        void Character(const QStringList& words)
        {
            if (!out_.name.isEmpty())
                Fail("the character is named twice");
            if (words.size() != 2)
                Fail("'character' takes one name");
            out_.name = words[1];
        }

        void Size(const QStringList& words)
        {
            if (words.size() != 3)
                Fail("'size' takes a width and a height");
            const int w = Whole(words[1], 60, 600, "width");
            const int h = Whole(words[2], 60, 600, "height");
            out_.size = QSize(w, h);
        }

        void Colour(const QStringList& words)
        {
            if (words.size() != 3)
                Fail("'colour' takes a part and a value such as #3050a0");
            for (const auto& entry : kPaletteEntries) {
                if (words[1] != QLatin1String(entry.name))
                    continue;
                const QColor colour = QColor::fromString(words[2]);
                if (!words[2].startsWith(u'#') || words[2].size() != 7 || !colour.isValid())
                    Fail("'" + words[2] + "' is not a colour of the form #rrggbb");
                out_.colours.*entry.member = colour;
                coloured_[entry.name] = true;
                return;
            }
            Fail("no part of the character is called '" + words[1] + "'");
        }

        void Pose(const QStringList& words)
        {
            if (words.size() < 2)
                Fail("'pose' needs a name");
            const QString& name = words[1];
            if (poses_.count(name))
                Fail("the pose '" + name + "' is defined twice");
            if (name == "rest" && !poses_.empty())
                Fail("the pose 'rest' must come before every other pose");
            MerlinPose pose = out_.rest;
            for (int i = 2; i < words.size(); ++i)
                Assign(pose, words[i]);
            if (name == "rest")
                out_.rest = pose;
            poses_[name] = pose;
        }

        void Animation(const QStringList& words)
        {
            if (words.size() < 2 || words.size() > 3)
                Fail("'animation' takes a name and, if wanted, settle=<ms>");
            CloseAnimation();
            if (out_.Find(words[1]))
                Fail("the animation '" + words[1] + "' is defined twice");
            MerlinAnimation animation;
            animation.name = words[1];
            if (words.size() == 3) {
                if (!words[2].startsWith("settle="))
                    Fail("'" + words[2] + "' is not settle=<ms>");
                animation.settleMs = Whole(words[2].mid(7), 0, kMaxFrameMs, "settle time");
            }
            out_.animations.push_back(std::move(animation));
            animationLine_ = line_;
        }

        void Frame(const QStringList& words)
        {
            if (animationLine_ == 0)
                Fail("a frame must follow an 'animation' line");
            if (words.size() < 2)
                Fail("'frame' needs its time in milliseconds");
            MerlinFrame frame;
            frame.ms = Whole(words[1], 0, kMaxFrameMs, "frame time");
            frame.pose = out_.rest;
            int first = 2;
            if (words.size() > 2 && !words[2].contains(u'=')) {
                const auto pose = poses_.find(words[2]);
                if (pose == poses_.end())
                    Fail("there is no pose called '" + words[2] + "'");
                frame.pose = pose->second;
                first = 3;
            }
            for (int i = first; i < words.size(); ++i)
                Assign(frame.pose, words[i]);
            out_.animations.back().frames.push_back(frame);
        }

        // Sets one field=number of a pose, within the field's range.
        void Assign(MerlinPose& pose, const QString& word)
        {
            const qsizetype eq = word.indexOf(u'=');
            if (eq <= 0)
                Fail("'" + word + "' is not of the form field=number");
            const QString name = word.left(eq);
            const MerlinPoseField* field = FindPoseField(name);
            if (!field)
                Fail("a pose has no field '" + name + "'");
            bool ok = false;
            const double value = word.mid(eq + 1).toDouble(&ok);
            if (!ok || !std::isfinite(value))
                Fail("'" + word.mid(eq + 1) + "' is not a number");
            if (value < field->min || value > field->max)
                Fail(name + " must lie between " + QString::number(field->min) + " and "
                    + QString::number(field->max));
            pose.*field->member = value;
        }

        int Whole(const QString& word, int min, int max, const QString& what) const
        {
            bool ok = false;
            const int value = word.toInt(&ok);
            if (!ok || value < min || value > max)
                Fail("the " + what + " must be a whole number from " + QString::number(min) + " to "
                    + QString::number(max));
            return value;
        }

        void CloseAnimation()
        {
            if (animationLine_ != 0 && out_.animations.back().frames.empty()) {
                line_ = animationLine_;
                Fail("the animation '" + out_.animations.back().name + "' has no frames");
            }
        }

        void Finish()
        {
            CloseAnimation();
            line_ = 0;
            if (out_.name.isEmpty())
                Fail("the file names no character");
            if (!out_.size.isValid())
                Fail("the file gives no size");
            for (const auto& entry : kPaletteEntries)
                if (!coloured_[entry.name])
                    Fail(QString("the file gives no colour for '") + entry.name + "'");
        }

        QString fileName_;
        int line_ = 0;
        int animationLine_ = 0;
        MerlinCharacter out_;
        std::map<QString, MerlinPose> poses_;
        std::map<std::string, bool> coloured_;
    };

} // namespace

int MerlinAnimation::Duration() const
{
    int ms = settleMs;
    for (const auto& frame : frames)
        ms += frame.ms;
    return ms;
}

const MerlinAnimation* MerlinCharacter::Find(const QString& animation) const
{
    for (const auto& a : animations)
        if (a.name.compare(animation, Qt::CaseInsensitive) == 0)
            return &a;
    return nullptr;
}

MerlinCharacter ParseMerlinFile(const QString& text, const QString& fileName)
{
    return Parser(fileName).Parse(text);
}

MerlinCharacter LoadMerlinFile(const QString& path, const QString& character)
{
    const QString fileName = QFileInfo(path).fileName();
    if (!QFileInfo::exists(path))
        throw RuntimeError(
            kAgentFileMissing, "The character file " + path.toStdString() + " does not exist");
    std::string bytes;
    try {
        // Only a plain file, and never more of it than a character file can hold.
        bytes = ReadPlainFile(QFile::encodeName(path).toStdString(), kMaxFileBytes);
    } catch (const RuntimeError& error) {
        throw RuntimeError(kAgentFileBad, fileName.toStdString() + ": " + error.Description());
    }
    MerlinCharacter out = ParseMerlinFile(QString::fromStdString(bytes), fileName);
    if (out.name.compare(character, Qt::CaseInsensitive) != 0)
        throw RuntimeError(kAgentFileBad,
            fileName.toStdString() + ": the file holds the character '" + out.name.toStdString()
                + "', not '" + character.toStdString() + "'");
    return out;
}

} // namespace stumpcraft::qt
