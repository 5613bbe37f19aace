#pragma once

#include "platform/Form.h"

namespace stumpcraft {

// One batsman's innings in detail: runs, balls, strike rate, how he is out, and how many of
// his balls he scored 0 to 6 from. It only shows figures; "&Back" or Escape closes it.
class FrmBatStat : public Form {
public:
    FrmBatStat();

    PictureBox Picture1 { this, "Picture1" };
    Label Label1 { this, "Label1" };
    Label lblBatOut { this, "lblBatOut" };
    // 0, 1, 9: titles of runs, balls and strike rate; 2-8: "0's" to "6's".
    ControlArray<Label, 10> lbls { this, "lbls" };
    Frame Frame1 { this, "Frame1" };
    ControlArray<TextBox, 10> txt { this, "txt" };
    PictureBox Picture2 { this, "Picture2" };
    CommandButton cmdExit { this, "cmdExit" };

    void cmdExit_Click();
};

FrmBatStat& frmBatStat();

// Opens the batting statistics of the batsman in `slot` of the side batting now, modally, and
// returns when the window is closed.
void ShowBattingStats(int slot);

} // namespace stumpcraft
