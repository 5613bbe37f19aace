// The character file: the shipped Merlin has every animation the game asks for, each its own;
// a missing file and a damaged one fail with their own numbers, the damaged one saying where
// and what.
#include "fakes/FakeServices.h"
#include "qt/MerlinFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace stumpcraft::qt {
namespace {

    const QString kShipped = QString::fromStdString(std::string(STUMPCRAFT_SHIPPED_MERLIN));

    // A small but complete character; extra lines go at the end.
    QString Character(const QString& extra = {})
    {
        QString text = "# a test character\ncharacter Merlin\nsize 140 150\n";
        for (const char* part : { "outline", "robe", "robeShade", "trim", "hat", "hatShade", "star",
                 "beard", "skin", "cheek", "mouth", "eye", "staff", "orb", "balloon", "ink" })
            text += QString("colour ") + part + " #102030\n";
        return text + "pose rest smile=0.2\nanimation Wave\nframe 100 arm=150\n" + extra;
    }

    RuntimeError ParseError(const QString& text)
    {
        return fakes::ErrorOf([&] { ParseMerlinFile(text, "Merlin.acs"); });
    }

    RuntimeError LoadError(const QString& path)
    {
        return fakes::ErrorOf([&] { LoadMerlinFile(path, "Merlin"); });
    }

    // Catches a shipped character missing an animation the game plays.
    TEST(MerlinFileTest, ShippedCharacterHasEveryAnimationTheGameAsksForEachItsOwn)
    {
        const MerlinCharacter merlin = LoadMerlinFile(kShipped, "Merlin");
        const QStringList asked { "Announce", "Greet", "GestureRight", "Gestureright", "pleased",
            "sad", "blink", "Surprised", "acknowledge", "Process", "Wave", "DOMagic1", "Domagic1" };
        for (const QString& name : asked) {
            const MerlinAnimation* a = merlin.Find(name);
            ASSERT_NE(a, nullptr) << name.toStdString();
            EXPECT_EQ(a->name.compare(name, Qt::CaseInsensitive), 0);
            EXPECT_GE(a->Duration(), 200) << name.toStdString() << " is long enough to see";
            EXPECT_LE(a->Duration(), 3000) << name.toStdString() << " keeps the game moving";
        }

        // Each looks unlike rest and unlike every other.
        const auto key = [&](const MerlinAnimation& a) {
            const MerlinFrame* best = &a.frames.front();
            for (const auto& f : a.frames)
                if (PoseDistance(f.pose, merlin.rest) > PoseDistance(best->pose, merlin.rest))
                    best = &f;
            return best->pose;
        };
        for (const auto& a : merlin.animations) {
            EXPECT_GT(PoseDistance(key(a), merlin.rest), 0.3) << a.name.toStdString();
            for (const auto& b : merlin.animations) {
                if (&a == &b)
                    continue;
                EXPECT_GT(PoseDistance(key(a), key(b)), 0.3)
                    << a.name.toStdString() << " and " << b.name.toStdString();
            }
        }
    }

    // A missing file has its own number, so the game can say where to get the character; a
    // file that is no plain file, far too big or for another character is a bad one.
    TEST(MerlinFileTest, OnlyThePlainFileOfTheNamedCharacterIsLoaded)
    {
        QTemporaryDir dir;
        EXPECT_EQ(LoadError(dir.filePath("Merlin.acs")).Number(), kAgentFileMissing);

        const QString pipe = dir.filePath("pipe.acs");
        ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString endless = dir.filePath("endless.acs");
        ASSERT_TRUE(QFile::link("/dev/zero", endless));
        const auto write = [&](const QString& name, const QByteArray& bytes) {
            QFile file(dir.filePath(name));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            return file.fileName();
        };
        const QString huge = write("huge.acs", Character().toUtf8() + QByteArray(300 * 1024, '#'));
        for (const QString& path : { pipe, endless, huge })
            EXPECT_EQ(LoadError(path).Number(), kAgentFileBad) << path.toStdString();

        const QString morgana = write(
            "Morgana.acs", Character().replace("character Merlin", "character Morgana").toUtf8());
        const RuntimeError other = LoadError(morgana);
        EXPECT_EQ(other.Number(), kAgentFileBad);
        EXPECT_NE(std::string(other.what()).find("Morgana"), std::string::npos);
        EXPECT_NO_THROW(LoadMerlinFile(morgana, "MORGANA"));
    }

    // Catches frames read wrong from a file written anywhere, and a damaged character file
    // loaded half-read, or refused without saying where.
    TEST(MerlinFileTest, FramesBuildOnNamedPosesAndADamagedFileSaysWhichLineAndWhatIsWrong)
    {
        // Written on Windows, too, with its line ends and a byte order mark.
        const QString text = QChar(0xFEFF)
            + Character("pose up arm=170\nanimation Reach settle=50\nframe 20 up elbow=30\n")
                  .replace("\n", "\r\n");
        const MerlinCharacter read = ParseMerlinFile(text, "Merlin.acs");
        const MerlinAnimation* reach = read.Find("reach");
        ASSERT_NE(reach, nullptr);
        ASSERT_EQ(reach->frames.size(), 1u);
        EXPECT_EQ(reach->frames[0].pose.arm, 170) << "from the named pose";
        EXPECT_EQ(reach->frames[0].pose.elbow, 30);
        EXPECT_EQ(reach->frames[0].pose.smile, 0.2) << "everything else as at rest";
        EXPECT_EQ(reach->Duration(), 70);

        const QString base = Character();
        const QString end = "line " + QString::number(base.count('\n') + 1); // first extra line
        const QString colours = base.section('\n', 3, 18) + "\n";
        struct Case {
            QString text, what, where;
        };
        const Case cases[] = {
            { base + "frame 100 armz=3", "no field 'armz'", end },
            { base + "frame 100 arm=300", "arm must lie", end },
            { base + "frame 100 arm=lots", "not a number", end },
            { base + "frame 100 jump", "no pose called", end },
            { base + "dance 1", "unknown statement", end },
            { base + "animation wave", "defined twice", end },
            { base + "animation Empty\n", "has no frames", end },
            { base + "colour robe blue", "#rrggbb", end },
            { base + "size 10 5000", "width", end },
            { "size 140 150\n", "must begin with the character's name", "line 1" },
            { "character Merlin\nsize 140 150\n", "no colour for 'outline'", "Merlin.acs:" },
            { "character Merlin\n" + colours, "no size", "Merlin.acs:" },
            { "", "names no character", "Merlin.acs:" },
        };
        for (const Case& c : cases) {
            const RuntimeError e = ParseError(c.text);
            EXPECT_EQ(e.Number(), kAgentFileBad);
            const QString message = QString::fromStdString(e.Description());
            EXPECT_TRUE(message.startsWith("Merlin.acs")) << message.toStdString();
            EXPECT_TRUE(message.contains(c.where)) << message.toStdString();
            EXPECT_TRUE(message.contains(c.what)) << message.toStdString();
        }
    }

} // namespace
} // namespace stumpcraft::qt
