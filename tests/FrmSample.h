#pragma once

// A window with one control of every kind, laid out as the game's windows are: a frame with a
// slider and a check box, options, a text box, lists, a four-page tab strip whose pages are
// picture boxes, buttons with access keys, a cancel and a default button, a coloured status
// line, and a hidden array of labels numbered from 3. Every event it receives is written to
// `log`.
#include "platform/Form.h"

#include <string>

namespace stumpcraft::testing {

class FrmSample : public Form {
public:
    FrmSample()
        : Form("frmSample")
    {
        Caption = "Sample window";
        Width = 640;
        Height = 330;

        frameBatter.Move(8, 4, 232, 150);
        frameBatter.Caption = "Batsman &One";
        HScroll1.SetContainer(frameBatter);
        HScroll1.Move(10, 24, 180, 28);
        HScroll1.Min = 1;
        HScroll1.Max = 5;
        HScroll1.Value = 1;
        HScroll1.Change = [this] { log += "change" + std::to_string(HScroll1.Value) + ";"; };
        chk50.SetContainer(frameBatter);
        chk50.Move(10, 114, 100, 22);
        chk50.Caption = "&Fifty";
        chk50.Click = [this] { log += "chk" + std::to_string(chk50.Value) + ";"; };

        for (int i = 0; i < 2; ++i) {
            opt[i].Move(12, 162 + 24 * i, 110, 22);
            opt[i].Caption = i == 0 ? "&1 Player" : "&2 Players";
            opt[i].Click = [this, i] { log += "opt" + std::to_string(i) + ";"; };
        }
        txtName.Move(128, 162, 112, 24);
        txtName.Change = [this] { log += "typed:" + txtName.Text() + ";"; };
        cmbOvers.Move(128, 190, 112, 24);
        cmbOvers.Editable = false;
        for (const char* overs : { "10", "20", "50" })
            cmbOvers.AddItem(overs);
        cmbOvers.Click = [this] { log += "overs:" + cmbOvers.Text() + ";"; };
        cmbOvers.Change = [this] { log += "typed;"; };
        lstNames.Move(8, 222, 232, 56);
        for (const char* name : { "Aston", "Birch", "Cobb" })
            lstNames.AddItem(name);
        lstNames.Click = [this] { log += "pick" + std::to_string(lstNames.ListIndex) + ";"; };

        SSTab1.Move(252, 4, 380, 230);
        SSTab1.TabCaptions = { "Commentary", "Batting", "Bowling", "Partnerships" };
        SSTab1.Click = [this] { log += "tab" + std::to_string(SSTab1.Tab) + ";"; };
        for (int k = 0; k < 4; ++k) {
            Picture1[k].SetContainer(SSTab1, k);
            Picture1[k].Move(0, 0, 380, 230 - TabStrip::HeaderHeight);
            Picture1[k].BackColor = RGB(0, 96, 48);
            Picture1[k].MouseMove
                = [this](MouseButton, int, int) { lblNxtBlr.ForeColor = kDesign; };
        }
        lblNxtBlr.SetContainer(Picture1[0]);
        lblNxtBlr.Move(10, 10, 240, 20);
        lblNxtBlr.Caption = "Next Bowler: Quill";
        lblNxtBlr.ForeColor = kDesign;
        lblNxtBlr.ToolTipText = "Click here to change the next bowler";
        lblNxtBlr.MousePointer = Cursor::Bat;
        lblNxtBlr.Click = [this] { log += "nextbowler;"; };
        lblNxtBlr.MouseMove = [this](MouseButton, int, int) { lblNxtBlr.ForeColor = kHover; };

        cmdNBowl.Move(252, 242, 120, 28);
        cmdNBowl.Caption = "Next &Bowl";
        cmdNBowl.Default = true;
        cmdNBowl.Click = [this] { log += "bowl;"; };
        cmdHelp.Move(380, 242, 160, 28);
        cmdHelp.Caption = "Click here for &Help";
        cmdHelp.Click = [this] { log += "help;"; };
        Command1.Move(548, 242, 84, 28);
        Command1.Caption = "E&xit";
        Command1.Cancel = true;
        Command1.Click = [this] { log += "exit;"; };

        lblMsg.Move(0, 306, 640, 24);
        lblMsg.Caption = "India need 57 runs from 42 balls";
        lblMsg.BackColor = RGB(255, 255, 192);
        lblMsg.Boxed = true;
        for (Label& label : lbls)
            label.Visible = false;
    }

    ~FrmSample() override { ++destroyed; }

    void Form_Load() override { ++loads; }
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override
    {
        log += "query" + std::to_string(static_cast<int>(mode)) + ";";
        cancel = refuseClose;
    }
    void Form_Unload() override { log += "unload;"; }
    void Form_MouseUp(MouseButton button, int, int) override
    {
        log += "formup" + std::to_string(static_cast<int>(button)) + ";";
    }

    static constexpr Color kDesign = RGB(255, 192, 255);
    static constexpr Color kHover = RGB(143, 192, 255);

    Frame frameBatter { this, "frameBatter" };
    HScrollBar HScroll1 { this, "HScroll1" };
    CheckBox chk50 { this, "chk50" };
    ControlArray<OptionButton, 2> opt { this, "opt" };
    TextBox txtName { this, "txtName" };
    ComboBox cmbOvers { this, "cmbOvers" };
    ListBox lstNames { this, "lstNames" };
    TabStrip SSTab1 { this, "SSTab1" };
    ControlArray<PictureBox, 4> Picture1 { this, "Picture1" };
    Label lblNxtBlr { this, "lblNxtBlr" };
    CommandButton cmdNBowl { this, "cmdNBowl" };
    CommandButton cmdHelp { this, "cmdHelp" };
    CommandButton Command1 { this, "Command1" };
    Label lblMsg { this, "lblMsg" };
    ControlArray<Label, 3, 10> lbls { this, "lbls" };

    std::string log;
    bool refuseClose = false;
    int loads = 0;
    static inline int destroyed = 0;
};

inline FrmSample& frmSample() { return forms::Instance<FrmSample>(); }

} // namespace stumpcraft::testing
