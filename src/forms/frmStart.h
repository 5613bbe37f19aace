#pragma once

#include "forms/PreMatchScreen.h"
#include "modules/MatchText.h"
#include "modules/TeamFile.h"
#include "platform/Services.h"

#include <array>
#include <optional>
#include <string>

namespace stumpcraft {

// The team sheet, shown twice before every match, once for each side: Today's Eleven in
// batting order with their ratings, the reserves, the captain, keeper and opening bowlers,
// and the way to the team editor. Continue stores the side into the match state.
//
// A special belongs to the player it was given to, not to a row: when he moves up or down
// his mark, his box and the row stored for the match go with him, and when he is swapped out
// to the reserves the special is his no more and must be chosen again.
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

    // Rows 0 to 10 of the squad are Today's Eleven, the rest the reserves.
    static constexpr int kElevenRows = 11;

    // Kept for the whole run: the fills done so far (even: the next is a match's first side),
    // the file of the side shown, and whether this press of Continue has already warned of a
    // missing special.
    static int FillCount;
    static std::string TeamPath;
    static bool MissingWarned;
    // Set by the team editor on its way back: the next fill is for the same side again.
    static bool ReturningFromEditor;

    // What the player had chosen on the sheet when he left for the team editor: the squad's
    // players row by row (the Eleven, then the reserves) and the player of each special, each
    // as the squad entry and its name. The fill on the way back keeps every choice whose
    // player is still in the squad under the same name.
    struct Choices {
        std::string country;
        std::array<int, kSquadSize> rows {};
        std::array<std::string, kSquadSize> names;
        std::array<int, 4> specials {};
    };
    static std::optional<Choices> KeptChoices;

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
    void ShowSquad();
    void ShowRow(int row);
    void ExchangeElevenRows(int a, int b);
    // The row of the Eleven where the special's player stands, or -1.
    int SpecialRow(int k) const;
    // The specials' boxes, marks and the rows stored for the match, from their players.
    void ShowSpecials();
    bool SpecialsAreSound();
    bool ElevenAllNamed();
    void StoreSide(int side);
    Choices ChoicesMade() const;
    // Puts the kept choices back on the freshly read squad; the player hears what was lost.
    void RestoreChoices(const Choices& kept);
    // The commentator says it when he is on the screen, after stopping whatever he is saying
    // when asked to; otherwise a box shows it.
    static void Tell(const Line& line, bool stopFirst, MsgIcon icon = MsgIcon::None,
        const std::string& title = kAppTitle);

    // The squad as read from the side's file, and which of its entries stands in each row:
    // rows 0 to 10 the Eleven, 11 to 14 the reserves.
    Squad squad_ {};
    std::array<int, kSquadSize> rows_ {};
    // The squad entry each special was given to (captain, keeper, bowler 1, bowler 2), or -1.
    std::array<int, 4> special_ { -1, -1, -1, -1 };
    bool squadShown_ = false; // this fill read the side's own squad
};

FrmStart& frmStart();

} // namespace stumpcraft
