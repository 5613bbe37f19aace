// The manual beside the program: every help button reaches the shell with its path (or says
// where to get it when it is missing), and the manual the build made names only pictures and
// places that are really there.
#include "MatchFixture.h"
#include "forms/frmMenu.h"
#include "forms/frmOneInnings.h"
#include "forms/frmStart.h"
#include "forms/frmTeamEd.h"
#include "forms/frmToss.h"

#include <gmock/gmock.h>
#include <regex>
#include <set>

namespace stumpcraft::testing {
namespace {

    namespace fs = std::filesystem;

    // Catches a Help button that does nothing, or fails silently when the manual is missing.
    TEST(Manual, EveryHelpButtonOpensItOrSaysWhereToGetIt)
    {
        fakes::FakePlatform platform;
        SetUpSides();
        const std::vector<CommandButton*> buttons { &frmMenu().cmdHelp, &frmToss().cmdHelp,
            &frmStart().cmdHelp, &frmOneInnings().cmdHelp, &frmTeamEd().cmdHelp,
            &frmMain().cmdHelp };
        for (CommandButton* help : buttons) {
            platform.toolkit.messages.clear();
            help->UserClick();
            ASSERT_EQ(platform.toolkit.messages.size(), 1u) << help->Parent().TypeName();
            EXPECT_THAT(platform.toolkit.messages[0].text,
                ::testing::StartsWith("It seems that you have not downloaded the manual, yet."));
        }
        EXPECT_TRUE(platform.shell.opened.empty());

        const std::string manual = (platform.Folder() / "manual.htm").string();
        std::ofstream(manual) << "<html></html>";
        for (CommandButton* help : buttons)
            help->UserClick();
        EXPECT_EQ(platform.shell.opened, std::vector<std::string>(6, manual));

        // A desktop that cannot show it (no browser): Help said nothing at all.
        platform.shell.fails = true;
        platform.toolkit.messages.clear();
        frmMain().cmdHelp.UserClick();
        ASSERT_EQ(platform.toolkit.messages.size(), 1u);
        EXPECT_THAT(platform.toolkit.messages[0].text,
            ::testing::AllOf(::testing::StartsWith("The manual could not be opened"),
                ::testing::EndsWith(manual)));
    }

#ifdef STUMPCRAFT_MANUAL
    using fakes::FileBytes;

    std::vector<std::string> AllOf(const std::string& text, const std::regex& pattern)
    {
        std::vector<std::string> found;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
             it != std::sregex_iterator(); ++it)
            found.push_back((*it)[1]);
        return found;
    }

    // The manual as the build placed it: every picture it shows or links to is a PNG beside
    // it, every place it points to within itself exists, and its tables were filled in.
    TEST(Manual, WhatTheBuildMadeNamesOnlyWhatIsThere)
    {
        const fs::path manual = STUMPCRAFT_MANUAL;
        const std::string text = FileBytes(manual);
        ASSERT_FALSE(text.empty()) << manual;
        const auto pictures = AllOf(text, std::regex(R"(<img[^>]*\ssrc="([^"]+)\")"));
        EXPECT_GE(pictures.size(), 15u);
        std::set<std::string> files(pictures.begin(), pictures.end());
        std::set<std::string> anchors;
        for (const std::string& link : AllOf(text, std::regex(R"(<a[^>]*\shref="([^"]+)\")"))) {
            if (link.starts_with("#"))
                anchors.insert(link.substr(1));
            else
                files.insert(link);
        }
        for (const std::string& file : files) {
            const fs::path path = manual.parent_path() / file;
            EXPECT_TRUE(fs::is_regular_file(path)) << file;
            EXPECT_EQ(FileBytes(path).substr(0, 8), "\x89PNG\r\n\x1a\n") << file;
        }
        for (const std::string& id : anchors)
            EXPECT_NE(text.find("id=\"" + id + "\""), std::string::npos) << "#" << id;
        EXPECT_EQ(text.find("<!-- table:"), std::string::npos);
        EXPECT_NE(text.find("<table class=\"odds\">"), std::string::npos);
    }
#endif

} // namespace
} // namespace stumpcraft::testing
