#pragma once

#include "forms/PreMatchScreen.h"

#include <array>
#include <string>

namespace stumpcraft {

// The team sheet, shown twice before every match, once for each side: Today's Eleven in
// batting order with their ratings, the reserves, the captain, keeper and opening bowlers,
// and the way to the team editor. Continue stores the side into the match state.
class FrmStart : public PreMatchScreen {
public:
    FrmStart();

    // 0 the Eleven, 1 the reserves, 2 the specials, 3 the moves, 4 the team editor.
    ControlArray<Frame, 5> Frame1 { this, "Frame1" };
    ListBox lstMarks { this, "lstMarks" }; // "c", "k", "1", "2" beside the specials' rows
    ListBox lst11 { this, "lst11" };
    ListBox lstBatRate11 { this, "lstBatRate11" };
    ListBox lstBallRate11 { this, "lstBallRate11" };
    ListBox lstReserves { this, "lstReserves" };
    ListBox lstBatRateReserves { this, "lstBatRateReserves" };
    ListBox lstBallRateReserves { this, "lstBallRateReserves" };
    // Column headings of the Eleven and of the reserves: name, bat, bowl.
    ControlArray<Label, 6> lblHeading { this, "lblHeading" };
    ControlArray<CommandButton, 4> cmdSpecials { this, "cmdSpecials" };
    ControlArray<TextBox, 4> txtSpecial { this, "txtSpecial" };
    CommandButton cmdUp { this, "cmdUp" };
    CommandButton cmdDown { this, "cmdDown" };
    CommandButton cmdSwap { this, "cmdSwap" };
    ComboBox cmbCountry { this, "cmbCountry" };
    CommandButton cmdEdit { this, "cmdEdit" };
    Label lblKeys { this, "lblKeys" };
    CommandButton cmdNext { this, "cmdNext" };
    CommandButton cmdExit { this, "cmdExit" };
    CommandButton cmdHelp { this, "cmdHelp" };

    // Kept for the whole run: the fills done so far (even: the next is a match's first side),
    // the file of the side shown, and whether this press of Continue has already warned of a
    // missing special.
    static int FillCount;
    static std::string TeamPath;
    static bool MissingWarned;
    // Set by the team editor on its way back: the next fill is for the same side again.
    static bool ReturningFromEditor;

    // Fills the sheet for the side whose turn it is.
    void StartFormFill();

    void cmdSpecials_Click(int Index);
    void cmdUp_Click();
    void cmdDown_Click();
    void cmdSwap_Click();
    void cmdEdit_Click();
    void cmdNext_Click();
    void lst11_KeyPress(int& KeyAscii);
    void lst11_Click();
    void lstReserves_Click();

protected:
    void Form_Load() override;

private:
    void LayOut();
    void WireEvents();
    // The side record this fill is for: the first side after an odd number of fills.
    int SheetSide() const;
    void ExchangeElevenRows(int a, int b);
    void ShowMarks();
    bool SpecialsAreSound();
    void StoreSide(int side);

    std::array<int, 4> specialRow_ { -1, -1, -1, -1 };
    bool squadShown_ = false; // this fill read the side's own squad
};

FrmStart& frmStart();

} // namespace stumpcraft
