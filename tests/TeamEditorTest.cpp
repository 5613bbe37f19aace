// The team editor as a player meets it from the team sheet: a new squad and an existing one,
// what is written and when, the messages or Merlin's lines in their order, the way back to
// the sheet for the same side, names the file cannot keep or the match would confuse, and a
// squad file that cannot be written.
#include "PreMatchDriver.h"
#include "TestSquads.h"
#include "forms/Look.h"
#include "forms/frmTeamEd.h"
#include "modules/modVars.h"

#include <gmock/gmock.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace stumpcraft::testing {
namespace {

    namespace fs = std::filesystem;
    using ::testing::ElementsAre;
    using ::testing::HasSubstr;
    using Bytes = std::vector<std::uint8_t>;

    class TeamEditorTest : public ::testing::Test {
    protected:
        TeamEditorTest()
        {
            Teams[0].Country = "India";
            Teams[1].Country = "Kenya";
            ShipSquad("India", InventedSquadText("Ind"));
        }

        Bytes FileBytes(const std::string& country) const
        {
            return fakes::FileBytes<Bytes>(platform.Folder() / (country + ".lst"));
        }
        // From the sheet of the first side to the editor of `country`.
        FrmTeamEd& OpenEditor(const std::string& country)
        {
            FrmStart& sheet = frmStart();
            sheet.Show();
            Pick(sheet.cmbCountry, country);
            platform.toolkit.messages.clear();
            platform.agent.requests.clear();
            sheet.cmdEdit.UserClick();
            return frmTeamEd();
        }

        fakes::FakePlatform platform;
    };

    // Catches an empty squad file written unasked, or a new squad saved wrongly.
    TEST_F(TeamEditorTest, NewSquadIsWrittenOnlyAfterAChangeAndByteExact)
    {
        FrmTeamEd& editor = OpenEditor("Kenya");
        EXPECT_EQ(editor.Caption, "Team Editor for Kenya");
        EXPECT_THAT(platform.toolkit.Texts(),
            ElementsAre(::testing::StartsWith("There are no players yet for Team Kenya\n")));

        // Unchanged: nothing is written, and the sheet of the same side still has no Kenya.
        editor.cmdNext.UserClick();
        EXPECT_FALSE(fs::exists(platform.Folder() / "Kenya.lst"));
        EXPECT_EQ(platform.toolkit.Texts().size(), 2u) << "the sheet's own box only";
        EXPECT_EQ(frmStart().Frame1[0].Caption(), "Finalizing Team India") << "the same side";

        FrmTeamEd& again = OpenEditor("Kenya");
        again.cmbBatRate[2].ListIndex = 0; // one pick is a change
        again.cmdNext.UserClick();
        EXPECT_THAT(platform.toolkit.Texts(),
            ElementsAre(::testing::_, "Saving to file...", "Team Kenya created successfully!",
                HasSubstr("Team India from here.")));
        Squad expected = DefaultSquad();
        expected[2].BatRateIndex = 0;
        const SquadBytes bytes = EncodeSquad(expected);
        EXPECT_EQ(FileBytes("Kenya"), Bytes(bytes.begin(), bytes.end()));
        EXPECT_EQ(frmStart().cmbCountry.Text(), "India");
    }

    // Exit leaves the edited squad unsaved and ends the game.
    TEST_F(TeamEditorTest, ExistingSquadEditedWithMerlinReadBackByTheSheetOrLeftByExit)
    {
        AgentOn = true;
        AgentChar = &platform.agent;
        FrmTeamEd& editor = OpenEditor("India");
        EXPECT_THAT(platform.agent.Lines(),
            ElementsAre("StopAll",
                "Speak You can edit/change any of the players from Team India "
                "from here."));
        EXPECT_EQ(editor.cmbPlrType[5].Text(), "WicketKeeper");
        editor.txtPlrName[0].Text = "Zoë Quill";
        editor.cmbBallRate[0].ListIndex = 0;
        platform.agent.requests.clear();
        editor.cmdNext.UserClick();
        const auto lines = platform.agent.Lines();
        ASSERT_GE(lines.size(), 4u);
        EXPECT_THAT(std::vector(lines.begin(), lines.begin() + 4),
            ElementsAre("Play Process", "Speak Saving to file...", "StopAll",
                "Speak Team India created successfully!"));
        EXPECT_TRUE(platform.toolkit.Texts().empty());
        FrmStart& sheet = frmStart();
        EXPECT_EQ(sheet.lst11.List(0), FitPlrName("Zoë Quill"));
        EXPECT_EQ(sheet.lstBallRate11.List(0), "5");
        EXPECT_EQ(sheet.lst11.List(1), FitPlrName("Ind 2"));

        const Bytes saved = FileBytes("India");
        OpenEditor("India").txtPlrName[0].Text = "Somebody Else";
        frmTeamEd().cmdExit.UserClick();
        EXPECT_EQ(FileBytes("India"), saved);
        EXPECT_EQ(platform.toolkit.endRequests, 1);
        EXPECT_EQ(forms::IfLoaded<FrmTeamEd>(), nullptr);
        EXPECT_EQ(forms::IfLoaded<FrmStart>(), nullptr);
    }

    // Catches names silently mangled on saving, or saved when the player said No.
    TEST_F(TeamEditorTest, NamesTheFileCannotKeepOrTheMatchWouldConfuseAreMarked)
    {
        FrmTeamEd& editor = OpenEditor("India");
        EXPECT_FALSE(editor.lblCheck.Visible);
        const std::string longName = "Bartholomew Featherstonehaughs"; // 30 letters ...
        editor.txtPlrName[1].Text = longName + "e"; // ... and one more
        editor.txtPlrName[2].Text = "Дмитрий Ivanov";
        editor.txtPlrName[3].Text = "   ";
        editor.txtPlrName[4].Text = "Ind 1 "; // row 1 trimmed
        EXPECT_EQ(editor.txtPlrName[1].BackColor(), look::kNameChanged);
        EXPECT_THAT(editor.txtPlrName[1].ToolTipText(), HasSubstr("\"" + longName + "\""));
        EXPECT_EQ(editor.txtPlrName[2].BackColor(), look::kNameChanged);
        EXPECT_THAT(editor.txtPlrName[2].ToolTipText(), HasSubstr("\"Дмитрй\""))
            << "each letter once";
        EXPECT_THAT(editor.txtPlrName[2].ToolTipText(), HasSubstr("\"??????? Ivanov\""));
        EXPECT_THAT(editor.txtPlrName[0].ToolTipText(), HasSubstr("Row 5 has the same name"));
        EXPECT_EQ(editor.txtPlrName[5].ToolTipText(), "");
        // A pasted tab, line break, NUL or DEL is saved as a space, so the name is marked.
        for (const char control : { '\t', '\n', '\0', '\x7f' }) {
            editor.txtPlrName[6].Text = std::string("Ind") + control + "7";
            EXPECT_EQ(editor.txtPlrName[6].BackColor(), look::kNameChanged) << int(control);
        }
        EXPECT_THAT(editor.txtPlrName[6].ToolTipText(), HasSubstr("as \"Ind 7\"."));
        EXPECT_EQ(editor.lblCheck.Caption(),
            "Rows 2, 3 and 7 will not be saved as typed (red). Rows 1, 4 and 5 will confuse the "
            "match (yellow): a player with no name, or a name twice. Point at a name to see why.");

        // The lost letters are asked about before anything is written; No keeps the file.
        const Bytes before = FileBytes("India");
        platform.toolkit.messages.clear();
        platform.toolkit.answers = { MsgResult::No };
        editor.cmdNext.UserClick();
        ASSERT_EQ(platform.toolkit.messages.size(), 1u);
        EXPECT_EQ(platform.toolkit.messages[0].buttons, MsgButtons::YesNo);
        EXPECT_THAT(platform.toolkit.Texts()[0],
            HasSubstr("Row 3: Дмитрий Ivanov  becomes  ??????? Ivanov"));
        EXPECT_EQ(FileBytes("India"), before);
        EXPECT_EQ(forms::IfLoaded<FrmTeamEd>(), &editor) << "still editing";

        editor.cmdNext.UserClick(); // Yes this time
        TeamFileName = "India";
        ReadSquad();
        EXPECT_EQ(TeamList[1].PlrName, longName);
        EXPECT_EQ(TeamList[2].PlrName, FitPlrName("??????? Ivanov"));
        EXPECT_EQ(TeamList[3].PlrName, std::string(30, ' '));
        EXPECT_EQ(TeamList[4].PlrName, FitPlrName("Ind 1"));
        EXPECT_EQ(TeamList[6].PlrName, FitPlrName("Ind 7"));
    }

    // Edit Team and back keeps the sheet as the player left it, for every player still in
    // the squad under the same name, and says which choices could not be kept.
    TEST_F(TeamEditorTest, EditTeamAndBackKeepsTheSheetsChoices)
    {
        FrmStart& sheet = frmStart();
        const auto press = [&sheet](int row, const std::string& keys) {
            sheet.lst11.ListIndex = row;
            for (char key : keys)
                sheet.lst11.UserKeyPress(key);
        };
        press(2, "uc"); // Ind 3 goes up and captains
        press(5, "k");
        sheet.lstReserves.ListIndex = 0;
        press(10, "s1"); // Ind 12 comes in and opens the bowling
        press(9, "2");
        const auto eleven = sheet.lst11.Items();
        const auto marks = sheet.lstMarks.Items();

        // Another country's editor: nothing of this side changes, and nothing is lost.
        OpenEditor("Kenya").cmdNext.UserClick();
        EXPECT_EQ(frmStart().lst11.Items(), eleven);
        EXPECT_EQ(frmStart().lstMarks.Items(), marks);
        EXPECT_EQ(frmStart().lstReserves.List(0), FitPlrName("Ind 11"));
        EXPECT_THAT(platform.toolkit.Texts().back(), HasSubstr("You can set any of the options"));

        // The captain and the first bowler are renamed: their places stay, their specials go.
        FrmTeamEd& editor = OpenEditor("India");
        editor.txtPlrName[2].Text = "Ind Three";
        editor.txtPlrName[11].Text = "Ind Twelve";
        editor.cmbBatRate[5].ListIndex = 0; // the keeper keeps his place and his gloves
        editor.cmdNext.UserClick();
        FrmStart& back = frmStart();
        EXPECT_EQ(
            (std::vector { back.lst11.List(1), back.lst11.List(10), back.lstReserves.List(0) }),
            (std::vector {
                FitPlrName("Ind Three"), FitPlrName("Ind Twelve"), FitPlrName("Ind 11") }));
        EXPECT_EQ(back.lstBatRate11.List(5), "5");
        EXPECT_EQ((std::vector { back.lstMarks.List(1), back.lstMarks.List(5),
                      back.lstMarks.List(9), back.lstMarks.List(10) }),
            (std::vector<std::string> { "", "k", "2", "" }));
        EXPECT_EQ(back.txtSpecial[0].Text(), "");
        EXPECT_EQ(Teams[0].Keeper, 5);
        EXPECT_EQ(platform.toolkit.Texts().back(),
            "Some of your choices for Team India could not be kept, because these players are no "
            "longer in the squad under the same name:\nInd 3 (number 2 in the Eleven and "
            "Captain): Ind Three stands in his place.\nInd 12 (number 11 in the Eleven and Bowler "
            "1): Ind Twelve stands in his place.\nPlease choose the Captain and Bowler 1 again.");
    }

    // Catches a failed save reported as success, or the squad file left damaged.
    TEST_F(TeamEditorTest, UnwritableSquadIsReportedAndLeftWhole)
    {
        const fs::path file = platform.Folder() / "India.lst";
        const Bytes before = FileBytes("India");
        fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
        FrmTeamEd& editor = OpenEditor("India");
        editor.txtPlrName[0].Text = "Somebody Else";
        const auto squadInMemory = TeamList;
        editor.cmdNext.UserClick();
        ASSERT_EQ(platform.toolkit.Texts().size(), 3u); // the intro, "Saving to file..."
        EXPECT_EQ(platform.toolkit.Texts()[2],
            "75: The squad file India.lst could not be saved: the file is read-only.\nIt is in "
            "the folder "
                + platform.Folder().string()
                + ".\nNothing was saved: the file is as it was, and your changes are still on the "
                  "screen.");
        EXPECT_EQ(FileBytes("India"), before);
        EXPECT_EQ(TeamList, squadInMemory);
        EXPECT_EQ(forms::IfLoaded<FrmTeamEd>(), &editor);
        EXPECT_EQ(std::distance(fs::directory_iterator(platform.Folder()), {}), 1)
            << "no temporary file left behind";

        // Once the player has made the file writable again, the same press saves it.
        fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
        editor.cmdNext.UserClick();
        EXPECT_THAT(
            platform.toolkit.Texts(), ::testing::Contains("Team India created successfully!"));
        EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

        if (::geteuid() != 0) { // an administrator writes into any folder
            fs::permissions(platform.Folder(), fs::perms::owner_write, fs::perm_options::remove);
            FrmTeamEd& third = OpenEditor("India");
            third.txtPlrName[0].Text = "Third Try";
            third.cmdNext.UserClick();
            EXPECT_THAT(platform.toolkit.Texts().back(), HasSubstr("cannot be written"));
            fs::permissions(platform.Folder(), fs::perms::owner_all);
        }
    }

} // namespace
} // namespace stumpcraft::testing
