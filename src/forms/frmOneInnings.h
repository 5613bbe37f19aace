#pragma once

#include "forms/PreMatchScreen.h"

namespace stumpcraft {

// The one-innings setup: chase a total or defend one, and the total itself. Continue opens the
// match screen straight into that innings.
class FrmOneInnings : public PreMatchScreen {
public:
    FrmOneInnings();

    PictureBox Picture1 { this, "Picture1" }; // the hint panel
    ControlArray<Label, 2> lblDesc { this, "lblDesc" };
    CommandButton cmdHelp { this, "cmdHelp" };
    ControlArray<Frame, 2> Frame1 { this, "Frame1" };
    ControlArray<OptionButton, 2> optoditest { this, "optoditest" };
    Label lbl { this, "lbl" };
    TextBox txtScore { this, "txtScore" };
    PictureBox Picture2 { this, "Picture2" };
    CommandButton cmdExit { this, "cmdExit" };
    CommandButton cmdNext { this, "cmdNext" };

    void optoditest_Click(int Index);
    void cmdNext_Click();

protected:
    void Form_Load() override;
};

FrmOneInnings& frmOneInnings();

} // namespace stumpcraft
