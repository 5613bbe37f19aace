#pragma once

#include "platform/Form.h"

namespace stumpcraft {

// The one-innings setup: chase a total or defend one, and the total itself. Continue opens the
// match screen straight into that innings.
class FrmOneInnings : public Form {
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
    void cmdExit_Click();
    void cmdHelp_Click();

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override;
};

FrmOneInnings& frmOneInnings();

} // namespace stumpcraft
