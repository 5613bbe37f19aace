// A help button reaches the desktop's viewer with the manual's path, and says so, naming the
// file, when the desktop has no viewer that will show it.
#include "WindowChecks.h"
#include "forms/frmTeamEd.h"
#include "modules/modVars.h"
#include "qt/QtShell.h"

#include <QDesktopServices>
#include <QUrl>
#include <algorithm>

namespace stumpcraft::testing {
namespace {

    namespace fs = std::filesystem;

    // Stands in for the desktop's viewer of local files.
    class Viewer : public QObject {
        Q_OBJECT
    public slots:
        void open(const QUrl& url) { opened.push_back(url); }

    public:
        std::vector<QUrl> opened;
    };

    class ShellTest : public WindowTest {
    protected:
        ShellTest()
        {
            Platform().shell = &shell;
            std::ofstream(manual) << "<html></html>";
            TeamFileName = "Kenya";
        }

        // A stand-in for the desktop's opener: it notes what it was asked to open, then ends
        // with `status` as a desktop without a working viewer does.
        void OpenerEndingWith(int status)
        {
            const fs::path script = platform.Folder() / "opener";
            std::ofstream(script) << "#!/bin/sh\necho \"$1\" > \"" << asked.string() << "\"\nexit "
                                  << status << "\n";
            fs::permissions(script, fs::perms::owner_all);
            shell.opener = QString::fromStdString(script.string());
        }

        int ManualMessages() const
        {
            return static_cast<int>(std::count_if(platform.toolkit.messages.begin(),
                platform.toolkit.messages.end(), [](const fakes::ShownMessage& m) {
                    return m.text.starts_with("The manual could not be opened");
                }));
        }

        qt::QtShell shell;
        const std::string manual = (platform.Folder() / "manual.htm").string();
        const fs::path asked = platform.Folder() / "asked.txt";
    };

    // Catches Help opening nothing, or the wrong file, or saying nothing when it cannot.
    TEST_F(ShellTest, HelpOpensTheManualWithTheDesktopsViewerOrSaysWhichFileItCouldNot)
    {
        shell.opener.clear(); // through Qt's own opening of documents
        Viewer viewer;
        QDesktopServices::setUrlHandler("file", &viewer, "open");
        frmTeamEd().cmdHelp.UserClick();
        QDesktopServices::unsetUrlHandler("file");
        ASSERT_EQ(viewer.opened.size(), 1u);
        EXPECT_EQ(viewer.opened[0], QUrl::fromLocalFile(QString::fromStdString(manual)));

        OpenerEndingWith(0);
        frmTeamEd().cmdHelp.UserClick();
        ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(asked); }, 5000));
        QTest::qWait(200); // time for the opener's end to arrive
        EXPECT_EQ(fakes::FileBytes(asked), manual + "\n");
        EXPECT_EQ(ManualMessages(), 0);

        // Help did nothing at all on a desktop without a browser, or whose browser would not
        // start: it says so in a box naming the file.
        for (const int status : { 3, 4 }) { // xdg-open: no viewer; the viewer failed
            OpenerEndingWith(status);
            frmTeamEd().cmdHelp.UserClick();
            platform.toolkit.messages.clear(); // the editor's own words on opening
            ASSERT_TRUE(QTest::qWaitFor([&] { return ManualMessages() > 0; }, 5000)) << status;
            ASSERT_EQ(platform.toolkit.messages.size(), 1u);
            EXPECT_THAT(platform.toolkit.messages[0].text, ::testing::EndsWith(manual));
            EXPECT_EQ(platform.toolkit.messages[0].icon, MsgIcon::Exclamation);
        }
    }

} // namespace
} // namespace stumpcraft::testing

#include "ShellTest.moc"
