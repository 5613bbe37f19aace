#pragma once

#include "platform/Form.h"

namespace stumpcraft {

// The bowler change screen: the fielding side's eleven with their bowling figures from the
// match screen's card. A click on a name makes him the bowler of a coming over, unless he is
// the keeper, has bowled his quota or would bowl from both ends. Cancel (or Escape) closes it
// without a choice, which changes nothing.
class FrmBowlChange : public Form {
public:
    FrmBowlChange();

    PictureBox Picture1 { this, "Picture1" };
    Label lblTitle { this, "lblTitle" }; // the window's caption, as a heading on the card
    Label lblMsg { this, "lblMsg" };
    // Column headings: "Overs", "Maidens", "Runs", "Wickets", and the names' "Bowler".
    ControlArray<Label, 5> labels { this, "labels" };
    ControlArray<Label, 11> lblBlrName { this, "lblBlrName" };
    ControlArray<Label, 11> lblOvers { this, "lblOvers" };
    ControlArray<Label, 11> lblMaidens { this, "lblMaidens" };
    ControlArray<Label, 11> lblRunsGiven { this, "lblRunsGiven" };
    ControlArray<Label, 11> lblWicketsTaken { this, "lblWicketsTaken" };
    CommandButton cmdCancel { this, "cmdCancel" };

    void lblBlrName_Click(int Index);

protected:
    void Form_Load() override;

private:
    void FillRow(int i);
    bool Refused(const std::string& name);
};

FrmBowlChange& frmBowlChange();

// Opens the bowler change screen afresh and waits until it is closed.
void ShowBowlerChange();

} // namespace stumpcraft
