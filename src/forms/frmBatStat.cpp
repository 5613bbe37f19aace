#include "forms/frmBatStat.h"

#include "forms/frmMain.h"

namespace stumpcraft {

FrmBatStat& frmBatStat() { return forms::Instance<FrmBatStat>(); }

FrmBatStat::FrmBatStat()
    : Form("frmBatStat")
{
    using namespace look;
    Caption = "Batting Stats For ";
    Width = 320;
    Height = 300;

    Picture1.Move(0, 0, Width, 58);
    Picture1.BackColor = kPitch;
    Label1.SetContainer(Picture1);
    Label1.Move(10, 6, 300, 20);
    Label1.Caption = "Label1";
    Label1.ForeColor = kChalk;
    Label1.FontBold = true;
    lblBatOut.SetContainer(Picture1);
    lblBatOut.Move(10, 30, 300, 20);
    lblBatOut.Caption = "Not Out";
    lblBatOut.BackColor = kAtCrease;

    static const char* const kTitles[] = { "Runs Scored :", "Balls Faced :", "0's", "1's", "2's",
        "3's", "4's", "5's", "6's", "Strike Rate :" };
    for (int i = 0; i < 10; ++i)
        lbls[i].Caption = kTitles[i];
    const int mainRows[] = { 0, 1, 9 };
    for (int row = 0; row < 3; ++row) {
        const int i = mainRows[row];
        lbls[i].Move(16, 68 + row * 26, 104, 20);
        txt[i].Move(124, 66 + row * 26, 70, 22);
    }
    Frame1.Move(10, 146, 300, 104);
    Frame1.Caption = "Scored From";
    for (int i = 2; i <= 8; ++i) {
        const int column = i <= 5 ? 0 : 1;
        const int row = column == 0 ? i - 2 : i - 6;
        lbls[i].SetContainer(Frame1);
        lbls[i].Move(16 + column * 144, 20 + row * 20, 40, 18);
        txt[i].SetContainer(Frame1);
        txt[i].Move(60 + column * 144, 19 + row * 20, 70, 20);
    }
    for (auto& box : txt) {
        box.Locked = true;
        box.MaxLength = 0;
    }

    Picture2.Move(0, 256, Width, 44);
    cmdExit.SetContainer(Picture2);
    cmdExit.Move(110, 8, 100, 28);
    cmdExit.Caption = "&Back";
    cmdExit.Cancel = true;
    cmdExit.Click = [this] { cmdExit_Click(); };
}

void FrmBatStat::cmdExit_Click() { Unload(); }

} // namespace stumpcraft
