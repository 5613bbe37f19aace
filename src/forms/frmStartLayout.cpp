// Where everything sits on the team sheet: the Eleven and the reserves as tables on the left
// (a mark column, the names as the file keeps them, the two ratings), the specials, the moves
// and the way to the team editor on the right, the buttons along the bottom.
#include "forms/Look.h"
#include "forms/frmStart.h"
#include "modules/Countries.h"

namespace stumpcraft {

namespace {
    constexpr int kRow = 20; // one row of every list, so the columns of a table stay level
    constexpr int kListTop = 38;
    constexpr int kMarksLeft = 10, kMarksWidth = 40;
    constexpr int kNameLeft = 52, kNameWidth = 240;
    constexpr int kBatLeft = 294, kBallLeft = 340, kRatingWidth = 44;
    constexpr int kRight = 418, kRightWidth = 334;

    int ListHeight(int rows) { return rows * kRow + 6; }

    using look::Place;
} // namespace

FrmStart::FrmStart()
    : PreMatchScreen("frmStart")
{
    LayOut();
    WireEvents();
}

void FrmStart::LayOut()
{
    Caption = "Before you begin...";
    Width = 760;
    Height = 470;

    const int elevenHeight = ListHeight(11);
    Frame1[0].Move(8, 6, 400, kListTop + elevenHeight + 10);
    Frame1[0].Caption = "Today's Eleven";
    Place(lstMarks, Frame1[0], kMarksLeft, kListTop, kMarksWidth, elevenHeight);
    Place(lst11, Frame1[0], kNameLeft, kListTop, kNameWidth, elevenHeight);
    Place(lstBatRate11, Frame1[0], kBatLeft, kListTop, kRatingWidth, elevenHeight);
    Place(lstBallRate11, Frame1[0], kBallLeft, kListTop, kRatingWidth, elevenHeight);

    const int reservesTop = Frame1[0].Top + Frame1[0].Height + 6;
    const int reservesHeight = ListHeight(4);
    Frame1[1].Move(8, reservesTop, 400, kListTop + reservesHeight + 10);
    Frame1[1].Caption = "Reserves";
    Place(lstReserves, Frame1[1], kNameLeft, kListTop, kNameWidth, reservesHeight);
    Place(lstBatRateReserves, Frame1[1], kBatLeft, kListTop, kRatingWidth, reservesHeight);
    Place(lstBallRateReserves, Frame1[1], kBallLeft, kListTop, kRatingWidth, reservesHeight);
    for (ListBox* list : { &lstMarks, &lst11, &lstBatRate11, &lstBallRate11, &lstReserves,
             &lstBatRateReserves, &lstBallRateReserves })
        list->ItemHeight = kRow;
    for (ListBox* list :
        { &lstMarks, &lstBatRate11, &lstBallRate11, &lstBatRateReserves, &lstBallRateReserves })
        list->FontBold = true;

    static const char* const headings[3] = { "Name", "Bat", "Bowl" };
    for (int i = 0; i < 6; ++i) {
        Frame& frame = Frame1[i / 3];
        const int left = i % 3 == 0 ? kNameLeft : i % 3 == 1 ? kBatLeft : kBallLeft;
        const int width = i % 3 == 0 ? kNameWidth : kRatingWidth;
        Place(lblHeading[i], frame, left + 2, 18, width - 2, 18);
        lblHeading[i].Caption = headings[i % 3];
        lblHeading[i].FontBold = true;
        lblHeading[i].TextAlign = i % 3 == 0 ? Alignment::Left : Alignment::Center;
    }

    Frame1[2].Move(kRight, 6, kRightWidth, 150);
    static const char* const specials[4]
        = { "&Captain (c)", "&Keeper (k)", "Bowler &1 (1)", "Bowler &2 (2)" };
    for (int k = 0; k < 4; ++k) {
        Place(cmdSpecials[k], Frame1[2], 12, 12 + k * 33, 124, 28);
        cmdSpecials[k].Caption = specials[k];
        Place(txtSpecial[k], Frame1[2], 144, 14 + k * 33, 178, 24);
        txtSpecial[k].Locked = true;
    }

    Frame1[3].Move(kRight, 162, kRightWidth, 50);
    Place(cmdUp, Frame1[3], 12, 12, 98, 28);
    cmdUp.Caption = "Move &Up";
    Place(cmdDown, Frame1[3], 118, 12, 98, 28);
    cmdDown.Caption = "Move &Down";
    Place(cmdSwap, Frame1[3], 224, 12, 98, 28);
    cmdSwap.Caption = "&Swap";

    Frame1[4].Move(kRight, 218, kRightWidth, 66);
    Frame1[4].Caption = "You can edit any team from here";
    Place(cmbCountry, Frame1[4], 12, 28, 180, 26);
    cmbCountry.Editable = false;
    for (const char* country : kCountryNames)
        cmbCountry.AddItem(country);
    Place(cmdEdit, Frame1[4], 200, 27, 122, 28);
    cmdEdit.Caption = "&Edit Team";

    lblKeys.Move(kRight + 4, 292, kRightWidth - 8, 120);
    lblKeys.WordWrap = true;
    lblKeys.Caption = "Click a player of the Eleven, then a special or a move. A player and a "
                      "reserve both clicked trade places with Swap.\n\nIn the Eleven the keys "
                      "c, k, 1 and 2 give the specials, u and d move the player up and down, "
                      "and s swaps him with the reserve.";

    cmdHelp.Move(8, Height - 36, 180, 28);
    cmdHelp.Caption = "Click here for &Help";
    cmdExit.Move(kRight, Height - 36, 130, 28);
    cmdExit.Caption = "E&xit";
    cmdNext.Move(kRight + kRightWidth - 130, Height - 36, 130, 28);
    cmdNext.Caption = "&Continue";
}

void FrmStart::WireEvents()
{
    for (int k = 0; k < 4; ++k)
        cmdSpecials[k].Click = [this, k] { cmdSpecials_Click(k); };
    cmdUp.Click = [this] { cmdUp_Click(); };
    cmdDown.Click = [this] { cmdDown_Click(); };
    cmdSwap.Click = [this] { cmdSwap_Click(); };
    cmdEdit.Click = [this] { cmdEdit_Click(); };
    cmdNext.Click = [this] { cmdNext_Click(); };
    cmdExit.Click = [this] { cmdExit_Click(); };
    cmdHelp.Click = [this] { cmdHelp_Click(); };
    lst11.KeyPress = [this](int& key) { lst11_KeyPress(key); };
    lst11.Click = [this] { lst11_Click(); };
    lstReserves.Click = [this] { lstReserves_Click(); };
    // A click in a rating or mark column picks the player of that row.
    for (ListBox* column : { &lstMarks, &lstBatRate11, &lstBallRate11 })
        column->Click = [this, column] { lst11.ListIndex = column->ListIndex; };
    for (ListBox* column : { &lstBatRateReserves, &lstBallRateReserves })
        column->Click = [this, column] { lstReserves.ListIndex = column->ListIndex; };
}

} // namespace stumpcraft
