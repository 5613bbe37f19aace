// A help button reaches the desktop's viewer with the manual's path.
#include "fakes/FakeServices.h"
#include "forms/frmTeamEd.h"
#include "modules/modVars.h"
#include "qt/QtShell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace stumpcraft::testing {
namespace {

    // Stands in for the desktop's viewer of local files.
    class Viewer : public QObject {
        Q_OBJECT
    public slots:
        void open(const QUrl& url) { opened.push_back(url); }

    public:
        std::vector<QUrl> opened;
    };

    TEST(QtPlatform, HelpOpensTheManualWithTheDesktopsViewer)
    {
        fakes::FakePlatform platform;
        qt::QtShell shell;
        Platform().shell = &shell;
        Viewer viewer;
        QDesktopServices::setUrlHandler("file", &viewer, "open");
        const std::string manual = (platform.Folder() / "manual.htm").string();
        std::ofstream(manual) << "<html></html>";

        TeamFileName = "Kenya";
        frmTeamEd().cmdHelp.UserClick();
        QDesktopServices::unsetUrlHandler("file");
        forms::ResetAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        ASSERT_EQ(viewer.opened.size(), 1u);
        EXPECT_EQ(viewer.opened[0], QUrl::fromLocalFile(QString::fromStdString(manual)));
    }

} // namespace
} // namespace stumpcraft::testing

#include "ShellTest.moc"
