// Scorecards to keep: one seeded match's card in both formats against its golden files, the
// card kept by itself at the result and on Ctrl+S, and a folder that cannot be written.
#include "modules/Scorecard.h"

#include "MatchFixture.h"
#include "modules/ScorecardFile.h"
#include "modules/modProcs.h"

#include <iomanip>
#include <unistd.h>

namespace stumpcraft::testing {
namespace {

    namespace fs = std::filesystem;

    const auto Read = fakes::FileBytes<std::string>;

    std::vector<fs::path> Kept()
    {
        std::vector<fs::path> files;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(ScorecardFolder(), ec))
            files.push_back(e.path());
        std::sort(files.begin(), files.end());
        return files;
    }

    struct ScorecardTest : MatchFixture {
        ScorecardTest() { KeepScorecardsOnResult = true; }
        ~ScorecardTest() override { KeepScorecardsOnResult = false; }

        static std::tm Moment()
        {
            std::tm when {};
            std::istringstream("2026-12-06 14:05:09") >> std::get_time(&when, "%Y-%m-%d %H:%M:%S");
            return when;
        }
    };

    // Catches a kept scorecard that misstates the match, or is not kept at the result.
    TEST_F(ScorecardTest, TheSeededMatchKeepsItsCardAtTheResultInBothFormats)
    {
        FrmMain& f = StartMatch({ .computerSide0 = true });
        SeedRandomDraw(20261206);
        ASSERT_TRUE(PlayThrough(f));

        // Kept once, by itself, when the match was decided; the status line says where.
        const std::vector<fs::path> auto_kept = Kept();
        ASSERT_EQ(auto_kept.size(), 2u);
        EXPECT_EQ(auto_kept[0].extension(), ".html");
        EXPECT_EQ(auto_kept[1].extension(), ".txt");
        EXPECT_EQ(f.lblMsg[1].Caption(),
            "Northland win by 60 runs\nScorecard kept in the Scorecards folder");
        EXPECT_EQ(f.lblMsg[1].ToolTipText(),
            "Kept as " + (auto_kept[0].parent_path() / auto_kept[0].stem()).string()
                + ".txt and .html");

        const std::string base = WriteScorecards(Moment());
        EXPECT_EQ(base, ScorecardFolder() + "/2026-12-06 14-05-09 Northland v Southmere");
        const std::string text = Read(base + ".txt");
        const std::string html = Read(base + ".html");
        EXPECT_EQ(text, Golden("seeded-match.txt", text));
        EXPECT_EQ(html, Golden("seeded-match.html", html));
        // The card kept at the result is the same card, kept at another moment.
        const std::string at_result = Read(auto_kept[1]);
        EXPECT_EQ(at_result.substr(at_result.find("\n\n")), text.substr(text.find("\n\n")));
    }

    // Catches Ctrl+S keeping nothing, the wrong innings, or stopping the match.
    TEST_F(ScorecardTest, CtrlSKeepsTheCardAsItStandsAndTheMatchGoesOn)
    {
        FrmMain& f = StartMatch();
        SeedRandomDraw(7);
        for (int over = 0; over < 10; ++over)
            f.CmdNOver.UserClick();
        f.UserKeyDown('S', 0);
        f.UserKeyDown('S', CtrlMask | ShiftMask);
        f.UserKeyDown('A', CtrlMask);
        EXPECT_TRUE(Kept().empty()) << "only Ctrl+S keeps a card";

        f.UserKeyDown('S', CtrlMask);
        const std::vector<fs::path> files = Kept();
        ASSERT_EQ(files.size(), 2u);
        const std::string text = Read(files[1]);
        EXPECT_NE(text.find("Northland innings\n"), std::string::npos);
        EXPECT_EQ(text.find("Southmere innings"), std::string::npos);
        EXPECT_NE(text.find("not out"), std::string::npos);
        EXPECT_NE(text.find("Did not bat:"), std::string::npos);
        EXPECT_NE(text.find(", 10 overs, "), std::string::npos) << text;
        EXPECT_NE(text.find("\nThe first innings is in progress.\n"), std::string::npos);
        EXPECT_EQ(f.lblMsg[1].Caption(), "Scorecard kept in the Scorecards folder");

        f.CmdNOver.UserClick();
        EXPECT_EQ(Bat().Balls, 66) << "the match goes on";
    }

    // A folder that cannot be made or written is told plainly; nothing is left half-written,
    // the match goes on and a later card is kept once the folder can be written again.
    TEST_F(ScorecardTest, AFolderThatCannotBeWrittenIsToldAndTheMatchGoesOn)
    {
        FrmMain& f = StartMatch();
        SeedRandomDraw(3);
        f.CmdNOver.UserClick();
        std::ofstream(ScorecardFolder()) << "a file where the folder should be";
        f.UserKeyDown('S', CtrlMask);
        ASSERT_EQ(MessageTexts().size(), 1u);
        EXPECT_EQ(MessageTexts()[0],
            "The scorecard could not be kept. The folder " + ScorecardFolder()
                + " cannot be written: a file of that name is there.\nThe match goes on.");
        EXPECT_EQ(platform.toolkit.messages[0].icon, MsgIcon::Exclamation);
        f.CmdNOver.UserClick();
        EXPECT_EQ(Bat().Balls, 12);

        fs::remove(ScorecardFolder());
        fs::create_directory(ScorecardFolder());
        if (geteuid() != 0) { // permissions do not stop the superuser
            fs::permissions(ScorecardFolder(), fs::perms::owner_read | fs::perms::owner_exec);
            f.UserKeyDown('S', CtrlMask);
            EXPECT_EQ(MessageTexts().size(), 2u);
            EXPECT_TRUE(Kept().empty());
            fs::permissions(ScorecardFolder(), fs::perms::owner_all);
        }
        f.UserKeyDown('S', CtrlMask);
        EXPECT_EQ(Kept().size(), 2u);
    }

    // Catches a name with " b: " in it misread as the bowler's mark, and names that break the
    // kept page's markup (the usual notation of each kind is pinned by the seeded card).
    TEST_F(ScorecardTest, DismissalsInTheUsualNotationAndNamesThatAreNotMarkup)
    {
        EXPECT_EQ(UsualHowOut(" c: Bo b: Al b: Cy", "Al b: Cy"), "c Bo b Al b: Cy");
        FrmMain& f = StartMatch();
        Teams[0].Plr[0].Name = "O'Hara <b>& Sons</b>";
        Bowl(f, BallDraws(1, 4));
        const std::string html = ScorecardHtml(ScorecardOfMatch("now"));
        EXPECT_NE(
            html.find("<td>O&#39;Hara &lt;b&gt;&amp; Sons&lt;/b&gt;</td>"), std::string::npos);
        EXPECT_EQ(html.find("<b>&"), std::string::npos);
    }

    // Catches a one-innings card without the total being chased.
    TEST_F(ScorecardTest, AOneInningsGameShowsTheTotalItChases)
    {
        FrmMain& f = StartMatch({ .firstBatSide = 1, .oneInnings = true, .target = 250 });
        Bowl(f, BallDraws(1, 6));
        const std::string text = ScorecardText(ScorecardOfMatch("now"));
        EXPECT_NE(
            text.find("Southmere innings\nA total of 250 set to be chased\n\nNorthland innings\n"),
            std::string::npos)
            << text;
        EXPECT_NE(text.find("\nNorthland need 245 runs from 299 balls.\n"), std::string::npos);
    }

} // namespace
} // namespace stumpcraft::testing
