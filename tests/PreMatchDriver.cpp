#include "PreMatchDriver.h"

#include "forms/frmToss.h"
#include "modules/modVars.h"

#include <algorithm>

namespace stumpcraft::testing {

void Pick(ComboBox& list, const std::string& entry)
{
    const auto& items = list.Items();
    const auto at = std::find(items.begin(), items.end(), entry);
    ASSERT_NE(at, items.end()) << entry;
    list.ListIndex = static_cast<int>(at - items.begin());
}

void MarkSpecials(FrmStart& sheet, const std::array<int, 4>& rows)
{
    for (int k = 0; k < 4; ++k) {
        sheet.lst11.ListIndex = rows[static_cast<std::size_t>(k)];
        sheet.cmdSpecials[k].UserClick();
    }
}

void SignSheet(FrmStart& sheet)
{
    MarkSpecials(sheet, { 0, 5, 10, 9 });
    sheet.cmdNext.UserClick();
}

void EnterPlayers(FrmMenu& menu, int gameType, const std::vector<std::string>& names)
{
    menu.optoditest[gameType].UserClick();
    if (gameType == 0 || gameType == 3) // the one-innings game chooses for itself
        menu.opt1p2p[names.size() == 1 ? 0 : 1].UserClick();
    for (const auto& name : names) {
        menu.txtName.Text = name;
        menu.cmdGo.UserClick();
    }
}

void SetUpGame(FrmMenu& menu, int gameType, const std::vector<std::string>& names,
    const std::string& country0, const std::string& country1, const char* overs)
{
    EnterPlayers(menu, gameType, names);
    Pick(menu.cmbCountry[0], country0);
    Pick(menu.cmbCountry[1], country1);
    Pick(menu.cmbOvers, overs);
    menu.cmdNext.UserClick();
    TossAndSheets();
}

void TossAndSheets()
{
    if (!OneInningsGame) { // a person calls heads and bats
        FrmToss& toss = frmToss();
        if (toss.Frame1[1].Enabled)
            toss.optheadstails[0].UserClick();
        if (toss.Frame1[2].Enabled && toss.Frame1[2].Visible)
            toss.optbatbowl[0].UserClick();
        toss.cmdNext.UserClick();
    }
    SignSheet(frmStart());
    SignSheet(frmStart());
}

} // namespace stumpcraft::testing
