// The match screen as the player sees it: every control's caption, colours and state at chosen
// moments of a seeded match, pinned in a golden file.
#include "MatchFixture.h"
#include "forms/frmBowlChange.h"
#include "modules/modAgent.h"
#include "modules/modProcs.h"

#include <gmock/gmock.h>
#include <set>

namespace stumpcraft::testing {
namespace {

    std::string ColorText(const Color& c)
    {
        if (!c.set)
            return "-";
        return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
    }

    // Everything a control shows, one line a control.
    std::string ControlLine(const Control& c)
    {
        std::ostringstream out;
        out << c.Name();
        if (c.Index() >= 0)
            out << "(" << c.Index() << ")";
        out << (c.Visible() ? "" : " hidden") << (c.Enabled() ? "" : " disabled");
        out << " [" << ColorText(c.BackColor()) << " " << ColorText(c.ForeColor()) << "]";
        switch (c.kind()) {
        case Control::Kind::Label:
            out << " '" << static_cast<const Label&>(c).Caption() << "'";
            break;
        case Control::Kind::CommandButton:
            out << " '" << static_cast<const CommandButton&>(c).Caption() << "'";
            break;
        case Control::Kind::Frame:
            out << " '" << static_cast<const Frame&>(c).Caption() << "'";
            break;
        case Control::Kind::HScrollBar:
            out << " =" << static_cast<const HScrollBar&>(c).Value();
            break;
        case Control::Kind::CheckBox:
            out << " =" << static_cast<const CheckBox&>(c).Value();
            break;
        case Control::Kind::TabStrip:
            out << " tab " << static_cast<const TabStrip&>(c).Tab();
            break;
        default:
            break;
        }
        if (!c.ToolTipText().empty())
            out << " tip '" << c.ToolTipText() << "'";
        return out.str();
    }

    std::string ScreenText(const Form& form)
    {
        std::string text;
        for (const Control* c : form.Controls())
            text += ControlLine(*c) + "\n";
        return text;
    }

    // A seeded match of a player against the computer, the player's levels moved now and
    // then, his bowlers chosen when he is asked, played a ball and an over at a time. After
    // each chosen press the whole screen is written down; so is the bowler change the first
    // time it opens.
    std::string PlayAndDescribe(FrmMain& f, const std::set<int>& presses)
    {
        std::string text;
        int press = 0;
        while (!MatchOver && press < 1000) {
            ++press;
            if (CurrBatSide == 0 && press % 5 == 0)
                f.HScroll1[press % 2].Value = 1 + press / 5 % 5;
            if (f.cmdChange.Visible)
                f.cmdChange.UserClick();
            else
                (press % 3 == 0 ? f.CmdNBowl : f.CmdNOver).UserClick();
            if (presses.count(press) || MatchOver) {
                text += "== after press " + std::to_string(press) + "\n";
                text += ScreenText(f);
            }
        }
        return text;
    }

    struct MatchPaintTest : MatchFixture { };

    // A caption, colour or visibility of the match screen that changes by accident is seen
    // here: the whole screen at a dozen moments of one match, from its first over to its
    // result, both innings, a player's levels and bowlers included.
    TEST_F(MatchPaintTest, TheScreenOfASeededMatchReadsAsPinned)
    {
        FrmMain& f = StartMatch({ .overs = 20 });
        std::string change;
        platform.toolkit.onModal = [&change](Form& form) {
            auto& screen = static_cast<FrmBowlChange&>(form);
            if (change.empty())
                change = "== the first bowler change\n" + ScreenText(screen);
            for (int row = 10; row >= 0 && screen.IsLoaded(); --row)
                screen.lblBlrName[row].UserClick();
        };
        SeedRandomDraw(77);
        const std::string text
            = PlayAndDescribe(f, { 1, 2, 3, 7, 12, 19, 26, 31, 33, 38, 45, 52, 60 }) + change;
        EXPECT_EQ(text, Golden("seeded-match-screen.txt", text));
    }

    // The player hears of a ball once the board shows it: the catch is on the card, the four
    // in the over's runs and the status line, when the commentator says them, and the catch is
    // told with its catcher's name.
    TEST_F(MatchPaintTest, TheCommentatorSpeaksOfWhatTheBoardAlreadyShows)
    {
        FrmMain& f = StartMatch();
        EnableCommentator();
        std::vector<std::string> seen;
        platform.agent.Bookmark = [&](long mark) {
            seen.push_back(f.lblBatOut[0].Caption() + "|" + f.lblRunsInOver.Caption() + "|"
                + f.lblMsg[0].Caption());
            Agent1_Bookmark(mark);
        };
        Bowl(f, BallDraws(1, 4));
        Bowl(f, BallDraws(1, Out, 6, 3)); // caught by Sol Kettering
        ASSERT_EQ(seen.size(), 2u);
        EXPECT_EQ(seen[0], "Not Out|4|Northland 4/0");
        EXPECT_EQ(seen[1], " c: Sol Kettering b: Ash Tremaine|4|Northland 4/1");
        EXPECT_THAT(platform.agent.Of("Speak"),
            ::testing::Contains(::testing::HasSubstr("Great catch by Sol Kettering")));
    }

} // namespace
} // namespace stumpcraft::testing
