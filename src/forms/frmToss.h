#pragma once

#include "forms/PreMatchScreen.h"

namespace stumpcraft {

// The toss: a side drawn at random calls heads or tails, the coin decides, and the winner
// chooses to bat or to bowl. In a one-player game the computer calls and chooses for itself
// when its turn comes. Continue leads to the team sheets.
class FrmToss : public PreMatchScreen {
public:
    FrmToss();

    PictureBox Picture1 { this, "Picture1" }; // the hint panel
    ControlArray<Label, 2> lblDesc { this, "lblDesc" };
    CommandButton cmdHelp { this, "cmdHelp" };

    ControlArray<Frame, 3> Frame1 { this, "Frame1" };
    Label lbltoss { this, "lbltoss" };
    ControlArray<OptionButton, 2> optheadstails { this, "optheadstails" };
    Label lblTossWonBy { this, "lblTossWonBy" };
    ControlArray<OptionButton, 2> optbatbowl { this, "optbatbowl" };
    PictureBox Picture2 { this, "Picture2" };
    CommandButton cmdExit { this, "cmdExit" };
    CommandButton cmdNext { this, "cmdNext" };

    // The side that calls, drawn when the screen loads.
    int TossSide = 0;

    void optheadstails_Click(int Index);
    void optbatbowl_Click(int Index);
    void cmdNext_Click();

    // The computer, having won the toss, decides whether to bat or to bowl.
    void ComputerChooses();

protected:
    void Form_Load() override;

private:
    void OfferChoice(const std::string& caption, bool speak);
};

FrmToss& frmToss();

} // namespace stumpcraft
