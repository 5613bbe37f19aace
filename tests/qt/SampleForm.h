#pragma once

// A window with one control of every kind, laid out as the game's windows are: a frame with a
// slider and boxed figures, a four-page tab strip whose pages are picture boxes, buttons with
// access keys, a cancel and a default button, and a coloured status line. Every event it
// receives is written to `log`.
#include "fakes/FakeServices.h"
#include "platform/Form.h"
#include "qt/ControlWidgets.h"
#include "qt/FormWindow.h"
#include "qt/QtToolkit.h"
#include "qt/Renderer.h"

#include <QApplication>
#include <QPushButton>
#include <gtest/gtest.h>
#include <stdexcept>
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
        picInStrike.SetContainer(frameBatter);
        picInStrike.Move(204, 22, 18, 18);
        picInStrike.Picture = "ball";
        HScroll1.SetContainer(frameBatter);
        HScroll1.Move(10, 24, 180, 28);
        HScroll1.Min = 1;
        HScroll1.Max = 5;
        HScroll1.Value = 1;
        HScroll1.Change = [this] { log += "change" + std::to_string(HScroll1.Value) + ";"; };
        lblLevel.SetContainer(frameBatter);
        lblLevel.Move(10, 58, 100, 20);
        lblLevel.Caption = "Level 1";
        lblRuns.SetContainer(frameBatter);
        lblRuns.Move(10, 84, 100, 20);
        lblRuns.Caption = "Strike Rate";
        lblDetails.SetContainer(frameBatter);
        lblDetails.Move(150, 84, 70, 20);
        lblDetails.Caption = "233.33";
        lblDetails.Boxed = true;
        lblDetails.TextAlign = Alignment::Right;
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
        lblBatName.SetContainer(Picture1[1]);
        lblBatName.Move(10, 10, 160, 20);
        lblBatName.Caption = "R. Aston";
        lblBatName.ForeColor = RGB(255, 255, 255);
        lblBatOut.SetContainer(Picture1[1]);
        lblBatOut.Move(176, 10, 120, 20);
        lblBatOut.Caption = "Not Out";
        lblBatOut.BackColor = RGB(255, 192, 16);

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
    }

    ~FrmSample() override { ++destroyed; }

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
    PictureBox picInStrike { this, "picInStrike" };
    HScrollBar HScroll1 { this, "HScroll1" };
    Label lblLevel { this, "lblLevel" };
    Label lblRuns { this, "lblRuns" };
    Label lblDetails { this, "lblDetails" };
    CheckBox chk50 { this, "chk50" };
    ControlArray<OptionButton, 2> opt { this, "opt" };
    TextBox txtName { this, "txtName" };
    ComboBox cmbOvers { this, "cmbOvers" };
    ListBox lstNames { this, "lstNames" };
    TabStrip SSTab1 { this, "SSTab1" };
    ControlArray<PictureBox, 4> Picture1 { this, "Picture1" };
    Label lblNxtBlr { this, "lblNxtBlr" };
    Label lblBatName { this, "lblBatName" };
    Label lblBatOut { this, "lblBatOut" };
    CommandButton cmdNBowl { this, "cmdNBowl" };
    CommandButton cmdHelp { this, "cmdHelp" };
    CommandButton Command1 { this, "Command1" };
    Label lblMsg { this, "lblMsg" };

    std::string log;
    bool refuseClose = false;
    static inline int destroyed = 0;
};

inline FrmSample& frmSample() { return forms::Instance<FrmSample>(); }

// The live toolkit over the fakes: windows are real (offscreen), the agent and shell are not.
// Every form and window is gone at the end of each test.
class LivePlatform : public ::testing::Test {
protected:
    LivePlatform()
    {
        qt::InstallLook();
        Platform().toolkit = &toolkit;
    }
    ~LivePlatform() override
    {
        forms::ResetAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The widget that shows a control, as its concrete Qt type; throws when there is none.
    template <typename W> static W* WidgetOf(const Control& control)
    {
        auto* binding = dynamic_cast<qt::ControlBinding*>(control.Peer());
        W* widget = binding ? qobject_cast<W*>(binding->Widget()) : nullptr;
        if (!widget)
            throw std::logic_error(control.Name() + " is not shown as the widget expected");
        return widget;
    }

    // The form's window; throws when it has none.
    static qt::FormWindow* WindowOf(const Form& form)
    {
        qt::FormWindow* window = qt::ExistingWindow(form);
        if (!window)
            throw std::logic_error(form.TypeName() + " has no window");
        return window;
    }

    fakes::FakePlatform platform;
    qt::QtToolkit toolkit;
};

} // namespace stumpcraft::testing
