#pragma once

#include "forms/PreMatchScreen.h"
#include "modules/SquadNames.h"

#include <string>

namespace stumpcraft {

// The team editor: the fifteen players of one country's squad, each with a name, a type and
// the two ratings, saved to the country's team file. It is opened from the team sheet for the
// country chosen there (TeamFileName) and always goes back to it. Names the file will not keep
// as typed, and names that would confuse the match (blank, or the same as another row's), are
// marked before anything is saved.
class FrmTeamEd : public PreMatchScreen {
public:
    FrmTeamEd();

    // The hint panel: the explanation, what the marked names mean, and help.
    PictureBox Picture1 { this, "Picture1" };
    ControlArray<Frame, 1> Frame1 { this, "Frame1" };
    // 0 to 3 the column headings, 4 the explanation.
    ControlArray<Label, 5> lblDesc { this, "lblDesc" };
    ControlArray<Label, kSquadSize> lblRowNo { this, "lblRowNo" };
    Label lblReserves { this, "lblReserves" };
    ControlArray<TextBox, kSquadSize> txtPlrName { this, "txtPlrName" };
    ControlArray<ComboBox, kSquadSize> cmbPlrType { this, "cmbPlrType" };
    ControlArray<ComboBox, kSquadSize> cmbBatRate { this, "cmbBatRate" };
    ControlArray<ComboBox, kSquadSize> cmbBallRate { this, "cmbBallRate" };
    Label lblNote { this, "lblNote" }; // what the rows are and what the buttons do
    Label lblCheck { this, "lblCheck" }; // what the marks on the names mean
    CommandButton cmdHelp { this, "cmdHelp" };
    CommandButton cmdExit { this, "cmdExit" };
    CommandButton cmdNext { this, "cmdNext" };

    // The full path of the file being edited, set when the editor fills.
    std::string TeamPath;

    // Fills the editor for TeamFileName: its squad when the team exists, the default squad
    // otherwise, and tells the player which.
    void StartTeamEd();

    void txtPlrName_Change(int Index);
    void cmbPlrType_Click(int Index);
    void cmbBatRate_Click(int Index);
    void cmbBallRate_Click(int Index);
    void cmdNext_Click();

protected:
    void Form_Load() override;

private:
    void LayOut();
    void WireEvents();
    void ShowSquad(const Squad& squad);
    // The squad as the rows stand, names cut or padded as the file keeps them.
    Squad RowsAsSquad() const;
    SquadNamesTyped TypedNames() const;
    // Marks every name box by its check and says what the marks mean.
    void MarkNames();
    // Asks before letters are lost to "?"; false when the player would rather change them.
    bool LostLettersAccepted();
    // Writes the squad; false (and the player told why) when the file could not be written.
    bool SaveSquad();
    void ReturnToSheet();
    void Edited();

    bool filling_ = false;
};

FrmTeamEd& frmTeamEd();

} // namespace stumpcraft
