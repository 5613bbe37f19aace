// The team editor drawn as a player sees it: all fifteen rows whole and apart with the longest
// names and the marks on, and typing and picking in the live window counting as changes.
#include "TestSquads.h"
#include "WindowChecks.h"
#include "forms/frmTeamEd.h"
#include "modules/modVars.h"

#include <QComboBox>
#include <QLineEdit>

namespace stumpcraft::testing {
namespace {

    using TeamEditorWindowTest = WindowTest;

    // Catches editor rows cut off, or typing and picks that are not saved as changes.
    TEST_F(TeamEditorWindowTest, FifteenRowsLookFinishedNewOrMarked)
    {
        TeamFileName = "South Africa"; // the longest country name
        FrmTeamEd& fresh = frmTeamEd();
        ExpectFinished(fresh, "a new squad");
        fresh.Unload();

        // Names as long as the file keeps, in letters as wide as real names have.
        ShipSquad("South Africa", InventedSquadText("Maximilian Wolfgang-Montgom"));
        FrmTeamEd& e = frmTeamEd();
        ASSERT_TRUE(ShownOnScreen(e));
        ExpectFinished(e, "the widest names");
        for (int i = 0; i < 15; ++i) {
            EXPECT_TRUE(WidgetOf(e.txtPlrName[i])->isVisible()) << i;
            // The whole name shows in its box.
            auto* box = WidgetOf<QLineEdit>(e.txtPlrName[i]);
            const int room = box->width() - 10;
            EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text().trimmed()), room) << i;
        }

        // Typing is a change, and the marks come as the name is typed.
        auto* name = WidgetOf<QLineEdit>(e.txtPlrName[14]);
        name->selectAll();
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QStringLiteral("Ω"), {});
        QTest::keyClicks(name, "mega");
        EXPECT_TRUE(TeamEdited);
        EXPECT_EQ(e.txtPlrName[14].Text(), "Ωmega");
        EXPECT_EQ(name->toolTip().toStdString(), e.txtPlrName[14].ToolTipText());
        e.txtPlrName[13].Text = e.txtPlrName[0].Text;
        ExpectFinished(e, "names marked");
        EXPECT_TRUE(WidgetOf(e.lblCheck)->isVisible());

        // A pick in a live list is a change; the same entry picked again is none.
        TeamEdited = false;
        auto* type = WidgetOf<QComboBox>(e.cmbPlrType[2]);
        emit type->activated(0);
        EXPECT_FALSE(TeamEdited);
        emit type->activated(1);
        EXPECT_TRUE(TeamEdited);
        EXPECT_EQ(e.cmbPlrType[2].Text(), "Bowler");
    }

} // namespace
} // namespace stumpcraft::testing
