#include "PreMatchDriver.h"

#include "modules/modVars.h"

#include <gtest/gtest.h>

namespace stumpcraft::testing {

namespace {
    void Pick(ComboBox& list, const std::string& entry)
    {
        for (int i = 0; i < list.ListCount(); ++i)
            if (list.List(i) == entry)
                list.ListIndex = i;
        ASSERT_EQ(list.Text(), entry);
    }
} // namespace

void TakeToss(FrmToss& toss)
{
    if (toss.Frame1[1].Enabled)
        toss.optheadstails[0].UserClick();
    if (toss.Frame1[2].Enabled && toss.Frame1[2].Visible)
        toss.optbatbowl[0].UserClick();
    toss.cmdNext.UserClick();
}

void SignSheet(FrmStart& sheet)
{
    const int rows[4] = { 0, 5, 10, 9 };
    for (int k = 0; k < 4; ++k) {
        sheet.lst11.ListIndex = rows[k];
        sheet.cmdSpecials[k].UserClick();
    }
    sheet.cmdNext.UserClick();
}

void SetUpGame(FrmMenu& menu, int gameType, const std::vector<std::string>& names,
    const std::string& country0, const std::string& country1, const char* overs)
{
    menu.optoditest[gameType].UserClick();
    if (gameType == 0)
        menu.opt1p2p[names.size() == 1 ? 0 : 1].UserClick();
    for (const auto& name : names) {
        menu.txtName.Text = name;
        menu.cmdGo.UserClick();
    }
    Pick(menu.cmbCountry[0], country0);
    Pick(menu.cmbCountry[1], country1);
    Pick(menu.cmbOvers, overs);
    menu.cmdNext.UserClick();
    if (!OneInningsGame)
        TakeToss(frmToss());
    SignSheet(frmStart());
    SignSheet(frmStart());
}

} // namespace stumpcraft::testing
