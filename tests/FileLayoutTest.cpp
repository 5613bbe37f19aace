// Where the game's files live: beside the program when it runs from its build folder, and
// split between the read-only shipped files and the player's own data folder when it is
// installed.
#include "PreMatchDriver.h"
#include "TestSquads.h"
#include "forms/frmTeamEd.h"
#include "modules/Manual.h"
#include "modules/modVars.h"
#include "platform/AppPath.h"
#include "sim/Season.h"

#include <map>

namespace stumpcraft::testing {
namespace {

    namespace fs = std::filesystem;

    void Touch(const fs::path& file)
    {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "x";
    }

    // Every file under a folder with its bytes.
    std::map<std::string, std::string> Contents(const fs::path& folder)
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            files[fs::relative(entry.path(), folder).string()]
                = entry.is_regular_file() ? fakes::FileBytes(entry.path()) : "folder";
        return files;
    }

    class FileLayoutTest : public ::testing::Test {
    protected:
        FileLayoutTest()
            : root(platform.Folder())
            , bin(root / "usr" / "bin")
            , share(root / "usr" / "share" / "stumpcraft")
            , home(root / "home")
        {
            fs::create_directories(bin);
            fs::create_directories(share);
        }
        ~FileLayoutTest() override
        {
            // The folders were closed to writing for the test; they go with it.
            fs::permissions(share, fs::perms::owner_all, fs::perm_options::add);
            fs::permissions(root / "usr", fs::perms::owner_all, fs::perm_options::add);
        }

        fakes::FakePlatform platform;
        fs::path root, bin, share, home;
    };

    // A game run from its build folder must keep finding its squads and records there, and an
    // installed one must never take a stray folder of that name, or a relative XDG_DATA_HOME
    // (which the desktop's rules call invalid), for its own.
    TEST_F(FileLayoutTest, InstalledOnlyWhereTheShippedFilesAreAndThePlayerFolderFollowsXdg)
    {
        const std::string player = (home / ".local/share/stumpcraft").string();
        EXPECT_EQ(LayoutFor(bin.string(), nullptr, home.c_str()).player, bin.string())
            << "a share folder without the character file is not ours";

        Touch(share / "Merlin.acs");
        FileLayout installed = LayoutFor(bin.string() + "/", nullptr, home.c_str());
        EXPECT_EQ(installed.shipped, share.string());
        EXPECT_EQ(installed.player, player);
        EXPECT_EQ(LayoutFor(bin.string(), "", (home.string() + "/").c_str()).player, player);
        EXPECT_EQ(LayoutFor(bin.string(), "relative/data", home.c_str()).player, player);
        EXPECT_EQ(
            LayoutFor(bin.string(), "/srv/data/", home.c_str()).player, "/srv/data/stumpcraft");

        const fs::path build = root / "build" / "bin";
        fs::create_directories(build);
        const FileLayout beside = LayoutFor(build.string(), "/srv/data", home.c_str());
        EXPECT_EQ(beside.shipped, build.string());
        EXPECT_EQ(beside.player, build.string());
    }

    // The installed game's folder cannot be written by a player: his records, the squad he
    // edits and his kept files go to his own folder, made at first start, and he plays with
    // his edited squad while the other countries come from the shipped files, untouched.
    TEST_F(FileLayoutTest, InstalledGameWritesOnlyToThePlayersFolder)
    {
        SetAppPath(share.string());
        ShipSquad("India", InventedSquadText("Ind"));
        ShipSquad("Kenya", InventedSquadText("Ken"));
        Touch(share / "Merlin.acs");
        Touch(share / "manual.htm");
        const auto installed = Contents(root / "usr");
        fs::permissions(share,
            fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
            fs::perm_options::remove);
        fs::permissions(root / "usr", fs::perms::owner_write, fs::perm_options::remove);

        SetFileLayout(LayoutFor(bin.string(), nullptr, home.c_str()));
        const fs::path player = home / ".local/share/stumpcraft";
        EXPECT_FALSE(fs::exists(player));
        EXPECT_EQ(MakePlayerFolder(), "");
        EXPECT_TRUE(fs::is_directory(player));

        frmMenu().Show();
        EXPECT_TRUE(fs::is_regular_file(player / "stmp.bin"));
        EXPECT_EQ(frmMenu().cmbNames.ListCount(), 2) << "the store opened";
        ShowManual(frmMenu());
        EXPECT_EQ(platform.shell.opened, std::vector<std::string> { ShippedFile("manual.htm") });
        forms::ResetAll();

        Teams[0].Country = "India";
        Teams[1].Country = "Kenya";
        FrmStart& sheet = frmStart();
        sheet.Show();
        Pick(sheet.cmbCountry, "India");
        sheet.cmdEdit.UserClick();
        frmTeamEd().txtPlrName[0].Text = "Zoë Quill";
        frmTeamEd().cmdNext.UserClick();
        EXPECT_TRUE(fs::is_regular_file(player / "India.lst"));
        EXPECT_EQ(frmStart().lst11.List(0), FitPlrName("Zoë Quill")) << "his squad is read first";
        TeamFileName = "Kenya";
        ReadSquad();
        EXPECT_EQ(TeamList[0].PlrName, FitPlrName("Ken 1"));
        EXPECT_EQ(sim::ShippedCountries(), (std::vector<std::string> { "India", "Kenya" }));

        EXPECT_EQ(Contents(root / "usr"), installed);
    }

    // A player whose data folder cannot be made is told why, with the folder's name.
    TEST_F(FileLayoutTest, PlayerFolderThatCannotBeMadeIsReported)
    {
        Touch(home / ".local");
        SetFileLayout({ share.string(), (home / ".local/share/stumpcraft").string() });
        const std::string problem = MakePlayerFolder();
        EXPECT_TRUE(problem.starts_with(
            "The folder " + (home / ".local/share/stumpcraft").string() + " cannot be made: "))
            << problem;
    }

} // namespace
} // namespace stumpcraft::testing
