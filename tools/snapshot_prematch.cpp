// The snapshot tool's pictures of the screens before the first ball: the toss, the team sheet,
// the team editor and the one-innings setup, reached the way a player reaches them from the
// main menu.
#include "SnapshotTool.h"
#include "forms/frmMenu.h"
#include "forms/frmOneInnings.h"
#include "forms/frmStart.h"
#include "forms/frmTeamEd.h"
#include "forms/frmToss.h"
#include "modules/modProcs.h"
#include "modules/modVars.h"
#include "platform/AppPath.h"

#include <filesystem>

namespace stumpcraft::snapshot {

namespace {

    // The menu filled in for a game: its type, the players, the countries and the overs.
    FrmMenu& SetUpMenu(int gameType, std::initializer_list<const char*> names)
    {
        FrmStart::FillCount = 0;
        FrmMenu& menu = frmMenu();
        menu.Show();
        menu.optoditest[gameType].UserClick();
        if (gameType == 0)
            menu.opt1p2p[names.size() == 1 ? 0 : 1].UserClick();
        for (const char* name : names) {
            menu.txtName.Text = name;
            menu.cmdGo.UserClick();
        }
        Pick(menu.cmbCountry[0], "New Zealand");
        Pick(menu.cmbCountry[1], "South Africa");
        Pick(menu.cmbOvers, "50");
        return menu;
    }

    // The captain at the top of the order, the keeper sixth and the last two opening the
    // bowling, as the shipped squads are arranged.
    void ChooseSpecials(FrmStart& sheet)
    {
        const int rows[4] = { 0, 5, 10, 9 };
        for (int k = 0; k < 4; ++k) {
            sheet.lst11.ListIndex = rows[k];
            sheet.cmdSpecials[k].UserClick();
        }
    }

    void Toss()
    {
        FrmToss& toss = frmToss();
        Save(toss, "toss-1-call");
        if (toss.Frame1[1].Enabled)
            toss.optheadstails[0].UserClick();
        Save(toss, "toss-2-won");
        if (toss.Frame1[2].Visible && toss.Frame1[2].Enabled) {
            toss.optbatbowl[0].UserClick();
            Save(toss, "toss-3-choice");
        }
        toss.cmdNext.UserClick();
    }

    // The sheet, and from it the editor: a country without a squad first, then the sheet's
    // own country with two names the editor marks.
    void SheetAndEditor()
    {
        FrmStart& sheet = frmStart();
        Save(sheet, "sheet-1-filled");
        ChooseSpecials(sheet);
        sheet.lst11.ListIndex = 3;
        sheet.lstReserves.ListIndex = 1;
        Save(sheet, "sheet-2-specials");
        const std::string country = TeamFileName;

        std::filesystem::remove(PlayerFile("Holland.lst"));
        Pick(sheet.cmbCountry, "Holland");
        sheet.cmdEdit.UserClick();
        FrmTeamEd& fresh = frmTeamEd();
        Save(fresh, "editor-new");
        fresh.cmdNext.UserClick(); // nothing changed: back to the sheet, nothing written

        FrmStart& again = frmStart();
        Pick(again.cmbCountry, country);
        again.cmdEdit.UserClick();
        FrmTeamEd& editor = frmTeamEd();
        Save(editor, "editor-existing");
        editor.txtPlrName[12].Text = "Hēmi Kōtuku-Raro";
        editor.txtPlrName[14].Text = editor.txtPlrName[3].Text;
        editor.cmbBatRate[14].ListIndex = 1;
        Save(editor, "editor-marked");
        editor.Unload();
    }

    void OneInnings()
    {
        FrmMenu& menu = SetUpMenu(1, { "Priya" });
        menu.cmdNext.UserClick();
        for (int side = 0; side < 2; ++side) {
            FrmStart& sheet = frmStart();
            ChooseSpecials(sheet);
            sheet.cmdNext.UserClick();
        }
        FrmOneInnings& setup = frmOneInnings();
        Save(setup, "oneinnings-1-choice");
        setup.optoditest[0].UserClick();
        setup.txtScore.Text = "245";
        Save(setup, "oneinnings-2-total");
    }

} // namespace

void PreMatchStages()
{
    // A seed under which the first player calls the toss and wins it.
    SeedRandomDraw(11);
    FrmMenu& menu = SetUpMenu(0, { "Priya", "Sam Okonkwo-Bellweather" });
    menu.cmdNext.UserClick();
    Toss();
    SheetAndEditor();
    forms::ResetAll();
    OneInnings();
    forms::ResetAll();
}

} // namespace stumpcraft::snapshot
