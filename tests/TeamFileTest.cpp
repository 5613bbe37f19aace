// The squad files: their exact bytes, the presence test, what a damaged or unwritable file
// tells the player, the code page of the names, and the squads shipped with the game.
#include "fakes/FakeServices.h"
#include "modules/Countries.h"
#include "modules/SquadText.h"
#include "modules/modProcsII.h"
#include "platform/AppPath.h"
#include "platform/CodePage.h"

#include <csignal>
#include <iterator>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <utility>

namespace stumpcraft {
namespace {

    namespace fs = std::filesystem;
    using Bytes = std::vector<std::uint8_t>;

    const auto ReadBytes = fakes::FileBytes<Bytes>;
    const auto WriteBytes = fakes::WriteFileBytes<Bytes>;

    TeamListEntry Entry(const std::string& name, int type, int bat, int ball)
    {
        return TeamListEntry { FitPlrName(name), type, bat, ball };
    }

    using fakes::ErrorOf;

    class TeamFileTest : public ::testing::Test {
    protected:
        fs::path FileOf(const std::string& country) const
        {
            return platform.Folder() / (country + ".lst");
        }
        // A squad with every kind of value a record can hold.
        void FillSquad()
        {
            TeamFileName = "India";
            const Squad squad = DefaultSquad();
            for (int i = 0; i < kSquadSize; ++i)
                TeamList[i] = squad[static_cast<std::size_t>(i)];
            TeamList[0] = Entry("Zoë Ångström-Dubé", 2, 0, 4);
            TeamList[7] = Entry(std::string(30, 'W'), 3, 1, 2);
            TeamList[14] = Entry("  Lead and trail  ", 1, 4, 0);
        }

        fakes::FakePlatform platform;
    };

    // Catches squad files that change as they are read and written again.
    TEST_F(TeamFileTest, SquadWrittenAndReadBackIsByteExact)
    {
        FillSquad();
        const auto written = TeamList;
        WriteSquad();
        const Bytes first = ReadBytes(FileOf("India"));
        ASSERT_EQ(first.size(), 540u);
        // "Zoë" as Windows-1252, then the type 2 and the indexes 0 and 4 little-endian.
        EXPECT_EQ(first[2], 0xEB);
        EXPECT_EQ(first[29], ' ');
        EXPECT_EQ(Bytes(first.begin() + 30, first.begin() + 36), (Bytes { 2, 0, 0, 0, 4, 0 }));

        TeamList = {};
        ReadSquad();
        for (int i = 0; i < kSquadSize; ++i)
            EXPECT_EQ(TeamList[i], written[i]) << "entry " << i;
        WriteSquad();
        EXPECT_EQ(ReadBytes(FileOf("India")), first);

        // A damaged type and rating are taken as stored and brought into range where used.
        Bytes damaged = first;
        damaged[30] = damaged[31] = 0xFF; // type -1
        damaged[32] = 0x10; // batting index 10000
        damaged[33] = 0x27;
        WriteBytes(FileOf("India"), damaged);
        ReadSquad();
        EXPECT_EQ(TeamList[0].PlrType, -1);
        EXPECT_EQ(PlayerTypeName(TeamList[0].PlrType), "Batsman");
        EXPECT_EQ(RatingFromIndex(TeamList[0].BatRateIndex), 1);
    }

    // Only a whole plain file of the exact name is a squad: a named pipe would wait for ever for
    // a writer, and a link to an endless device would be read until memory runs out. A file that
    // cannot be read is named to the player and leaves the squad in memory as it was.
    TEST_F(TeamFileTest, OnlyAWholePlainFileOfTheExactNameIsASquad)
    {
        FillSquad();
        const auto before = TeamList;
        WriteBytes(FileOf("india"), Bytes(540, ' '));
        WriteBytes(FileOf("Holland"), Bytes(539, 'x')); // the last record cut short
        fs::create_directory(FileOf("Kenya"));
        ASSERT_EQ(::mkfifo(FileOf("Pipe").c_str(), 0600), 0);
        fs::create_symlink("/dev/zero", FileOf("Zero"));
        EXPECT_TRUE(TeamExists("india"));
        const struct {
            const char* country;
            int number;
            std::string says;
            bool whole = true; // the description is all of that, not only its start
        } unreadable[] = {
            { "India", errors::FileNotFound,
                "The squad file India.lst could not be read: ", false },
            { "Holland", errors::InputPastEnd,
                "The squad file Holland.lst is incomplete: it holds 14 of the 15 players." },
            { "Kenya", errors::PathFileAccess,
                "The squad file Kenya.lst could not be read: a folder has that name." },
            { "../India", errors::PathFileAccess,
                "\"../India\" cannot be used as the name of a squad file." },
            { "Pipe", errors::PathFileAccess,
                "The squad file Pipe.lst could not be read: it is not a plain file." },
            { "Zero", errors::PathFileAccess,
                "The squad file Zero.lst could not be read: it is not a plain file." },
        };
        for (const auto& c : unreadable) {
            SCOPED_TRACE(c.country);
            EXPECT_EQ(TeamExists(c.country), c.number == errors::InputPastEnd);
            TeamFileName = c.country;
            const RuntimeError e = ErrorOf([] { ReadSquad(); });
            EXPECT_EQ(e.Number(), c.number);
            EXPECT_EQ(c.whole ? e.Description() : e.Description().substr(0, c.says.size()), c.says);
        }
        EXPECT_FALSE(TeamExists(""));
        for (const char* country : { "Pipe", "Zero" }) {
            TeamFileName = country;
            EXPECT_EQ(ErrorOf([] { WriteSquad(); }).Number(), errors::PathFileAccess) << country;
        }
        EXPECT_EQ(TeamList, before);
        EXPECT_EQ(TeamFilePath("New Zealand"), FileOf("New Zealand").string());
    }

    // A write that cannot be made is reported, never ignored: a folder in the file's place, a
    // program folder that has gone, a value no 16-bit field holds, and a write failing halfway
    // (the file-size limit stands in for a full disk), which leaves the old squad as it was and
    // no half-written file beside it.
    TEST_F(TeamFileTest, FailedWriteIsReportedAndLeavesTheOldSquadWhole)
    {
        FillSquad();
        WriteBytes(FileOf("India"), Bytes(540, 'o'));
        fs::create_directory(FileOf("Kenya"));
        TeamFileName = "Kenya";
        const RuntimeError folder = ErrorOf([] { WriteSquad(); });
        EXPECT_TRUE(
            folder.Description().starts_with("The squad file Kenya.lst could not be saved: "))
            << folder.Description();
        SetAppPath((platform.Folder() / "gone").string());
        EXPECT_EQ(ErrorOf([] { WriteSquad(); }).Number(), errors::PathFileAccess);
        SetAppPath(platform.Folder().string());
        TeamFileName = "Holland";
        const int rate = std::exchange(TeamList[3].BallRateIndex, 40000);
        EXPECT_EQ(ErrorOf([] { WriteSquad(); }).Number(), errors::Overflow);
        EXPECT_FALSE(fs::exists(FileOf("Holland")));

        TeamList[3].BallRateIndex = rate;
        TeamFileName = "India";
        struct rlimit before { };
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
        const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = before;
        small.rlim_cur = 100;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const RuntimeError halfway = ErrorOf([] { WriteSquad(); });
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldSignal);
        EXPECT_TRUE(
            halfway.Description().starts_with("The squad file India.lst could not be saved: "))
            << halfway.Description();
        EXPECT_EQ(ReadBytes(FileOf("India")), Bytes(540, 'o'));
        EXPECT_EQ(std::distance(fs::directory_iterator(platform.Folder()), {}), 2);
    }

    // A squad kept elsewhere through a link stays there: the file behind the link is replaced,
    // and bytes beyond the squad that another tool left there are kept.
    TEST_F(TeamFileTest, WritingThroughALinkKeepsTheLinkAndTheBytesBeyond)
    {
        const fs::path elsewhere = platform.Folder() / "elsewhere";
        fs::create_directory(elsewhere);
        WriteBytes(elsewhere / "India.lst", Bytes(600, 0xAB));
        fs::create_symlink(elsewhere / "India.lst", FileOf("India"));
        FillSquad();
        WriteSquad();
        EXPECT_TRUE(fs::is_symlink(FileOf("India")));
        const Bytes after = ReadBytes(elsewhere / "India.lst");
        ASSERT_EQ(after.size(), 600u);
        EXPECT_EQ(after[0], 'Z');
        EXPECT_EQ(Bytes(after.begin() + 540, after.end()), Bytes(60, 0xAB));
    }

    // Names are stored as thirty Windows-1252 bytes: what has no byte becomes "?", and a name
    // is cut to thirty letters, never inside one.
    TEST(CodePage, NamesTravelBetweenUtf8AndWindows1252)
    {
        EXPECT_EQ(Cp1252ToUtf8("\xE9\x80\x9F"), "é€Ÿ");
        EXPECT_EQ(Cp1252ToUtf8("\x81"), "?"); // a byte the code page leaves undefined
        // Letters it has no byte for, a letter cut short, an overlong "/", a surrogate and a
        // stray continuation byte each become "?".
        const std::pair<const char*, const char*> toCp1252[]
            = { { "é€", "\xE9\x80" }, { "A漢B", "A?B" }, { "😀", "?" }, { "a\xC3", "a?" },
                  { "\xC0\xAF", "??" }, { "\xED\xA0\x80", "???" }, { "\x85x", "?x" } };
        for (const auto& [utf8, cp1252] : toCp1252)
            EXPECT_EQ(Utf8ToCp1252(utf8), cp1252) << utf8;
        std::string accents; // 31 two-byte letters in UTF-8 are 31 bytes on disk
        for (int i = 0; i < 31; ++i)
            accents += "é";
        EXPECT_EQ(FitPlrName(accents), accents.substr(0, 60));
    }

    // Catches a broken squad text accepted, or refused without saying where.
    TEST(SquadText, MistakesNameTheFileAndLine)
    {
        auto errorOf = [](const std::string& text) -> std::string {
            std::istringstream in(text);
            try {
                ParseSquadText(in, "Test.txt");
            } catch (const SquadTextError& e) {
                return e.what();
            }
            return "";
        };
        std::string fourteen;
        for (int i = 1; i <= 14; ++i)
            fourteen += "P" + std::to_string(i) + " | Batsman | 3 | 2  # a comment\n";
        EXPECT_EQ(errorOf(fourteen), "Test.txt:14: 14 players; a squad has exactly 15");
        EXPECT_EQ(errorOf("\n# heading\nA | Batter | 3 | 2\n"),
            "Test.txt:3: unknown type \"Batter\" (use Batsman, Bowler, AllRounder or "
            "WicketKeeper)");
        EXPECT_EQ(errorOf("Li 漢 | Bowler | 3 | 2\n"),
            "Test.txt:1: the name \"Li 漢\" has a letter the squad file cannot hold");

        std::istringstream good(fourteen + "Zoë Last | WicketKeeper | 1 | 5\n");
        const Squad squad = ParseSquadText(good, "Test.txt");
        EXPECT_EQ(squad[14], (TeamListEntry { FitPlrName("Zoë Last"), 3, 4, 0 }));
        EXPECT_EQ(squad[0], (TeamListEntry { FitPlrName("P1"), 0, 2, 3 }));
    }

#ifdef STUMPCRAFT_SQUAD_TEXTS
    // Every country of the main menu ships a squad of fifteen distinct players with a side's
    // shape: a keeper and at least four real bowlers in the eleven, a tail that cannot bat.
    TEST(ShippedSquads, EveryCountryHasAPlayableSquad)
    {
        std::set<std::string> everyName;
        for (const std::string country : kCountryNames) {
            SCOPED_TRACE(country);
            const fs::path text = fs::path(STUMPCRAFT_SQUAD_TEXTS) / (country + ".txt");
            std::ifstream in(text);
            ASSERT_TRUE(in) << text;
            const Squad squad = ParseSquadText(in, text.string());
            int keepers = 0, bowlers = 0;
            for (int i = 0; i < 11; ++i) {
                const TeamListEntry& p = squad[static_cast<std::size_t>(i)];
                keepers += p.PlrType == 3;
                bowlers += RatingFromIndex(p.BallRateIndex) >= 3;
            }
            EXPECT_EQ(keepers, 1);
            EXPECT_GE(bowlers, 4);
            EXPECT_GE(RatingFromIndex(squad[0].BatRateIndex), 3);
            EXPECT_LE(RatingFromIndex(squad[10].BatRateIndex), 2);
            for (const TeamListEntry& p : squad)
                EXPECT_TRUE(everyName.insert(p.PlrName).second) << p.PlrName << " twice";
        }
    }
#endif

} // namespace
} // namespace stumpcraft
