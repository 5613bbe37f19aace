// The toolkit behaviour the game relies on: setters that raise events as the user would,
// checked control arrays, and the form lifecycle behind the global accessors.
#include "fakes/FakeServices.h"
#include "platform/Form.h"

#include <gtest/gtest.h>

namespace stumpcraft {
namespace {

    class SampleForm : public Form {
    public:
        SampleForm()
            : Form("SampleForm")
        {
            for (auto& opt : opt1p2p)
                opt.SetContainer(frame);
            HScroll1[0].Min = 1;
            HScroll1[0].Max = 5;
            HScroll1[0].Value = 1;
            HScroll1[0].Change
                = [this] { log += "change" + std::to_string(HScroll1[0].Value) + ";"; };
            for (int i = 0; i < 2; ++i)
                opt1p2p[i].Click = [this, i] { log += "opt" + std::to_string(i) + ";"; };
            lst.Click = [this] { log += "pick" + std::to_string(lst.ListIndex) + ";"; };
            cmb.Click = [this] { log += "cmb:" + cmb.Text() + ";"; };
            cmb.Change = [this] { log += "typed;"; };
            cmd.Click = [this] { log += "click;"; };
        }

        void Form_Load() override { ++loads; }
        void Form_QueryUnload(bool& cancel, UnloadMode mode) override
        {
            lastMode = mode;
            cancel = refuseClose;
        }
        void Form_Unload() override { ++unloads; }

        Frame frame { this, "frame" };
        ControlArray<HScrollBar, 2> HScroll1 { this, "HScroll1" };
        ControlArray<OptionButton, 2> opt1p2p { this, "opt1p2p" };
        ControlArray<Label, 3, 10> lbls { this, "lbls" };
        ListBox lst { this, "lst" };
        ComboBox cmb { this, "cmb" };
        CommandButton cmd { this, "cmd" };

        std::string log;
        int loads = 0, unloads = 0;
        bool refuseClose = false;
        UnloadMode lastMode = UnloadMode::FormCode;
    };

    SampleForm& frmSample() { return forms::Instance<SampleForm>(); }

    struct ControlsTest : ::testing::Test {
        fakes::FakePlatform platform;
    };

    // A caption from numbers may be written out only when read; whatever way it was set last
    // is what it shows, and a peer is told of every change.
    TEST_F(ControlsTest, ACaptionFromNumbersReadsAsTheLastThingWritten)
    {
        struct Peer : ControlPeer {
            void Sync() override { ++syncs; }
            void Focus() override { }
            int syncs = 0;
        };
        Label& l = frmSample().lbls[10];
        l.Number(4);
        EXPECT_EQ(l.Caption(), "4");
        l.Number(5);
        l.Caption = "4"; // the text it showed before the 5 was written out
        EXPECT_EQ(l.Caption(), "4");
        l.Number(5);
        EXPECT_EQ(l.Caption(), "5") << "the same numbers again are written again";
        l.CaptionFrom({ 7, 2 }, [](const CaptionNumbers& n) {
            return std::to_string(n[0]) + "/" + std::to_string(n[1]);
        });
        EXPECT_TRUE(l.Caption == "7/2");

        Peer peer;
        l.AttachPeer(&peer);
        l.Number(8);
        l.Number(8);
        EXPECT_EQ(peer.syncs, 1);
        EXPECT_EQ(l.Caption(), "8");
        l.AttachPeer(nullptr);
    }

    // Catches events fired twice or never, and options of one frame both chosen at once.
    TEST_F(ControlsTest, SettersRaiseTheUsersEventOnlyOnChange)
    {
        auto& f = frmSample();
        f.HScroll1[0].Value = 3;
        f.HScroll1[0].Value = 3;
        f.HScroll1[0].Value = 9; // beyond the range: the top end
        EXPECT_EQ(f.log, "change3;change5;");
        EXPECT_EQ(f.HScroll1[0].Value, 5);

        f.log.clear();
        f.opt1p2p[0].Value = true;
        f.opt1p2p[1].Value = true;
        EXPECT_EQ(f.log, "opt0;opt1;");
        EXPECT_FALSE(f.opt1p2p[0].Value) << "option buttons of one container exclude each other";
    }

    // Catches a list whose selection lands on the wrong entry after one is removed.
    TEST_F(ControlsTest, ListsRaiseClickOnPickAndFollowRemovals)
    {
        auto& f = frmSample();
        for (const char* s : { "a", "b", "c" })
            f.lst.AddItem(s);
        f.lst.ListIndex = 2;
        f.lst.RemoveItem(0);
        EXPECT_EQ(f.lst.ListIndex, 1) << "the selection stays on its entry";
        f.lst.RemoveItem(1);
        EXPECT_EQ(f.lst.ListIndex, -1);
        EXPECT_EQ(f.log, "pick2;");
        EXPECT_THROW(f.lst.RemoveItem(5), std::out_of_range);

        f.log.clear();
        f.cmb.AddItem("50");
        f.cmb.Text = "5";
        f.cmb.ListIndex = 0;
        EXPECT_EQ(f.log, "typed;cmb:50;") << "a pick sets the text without a Change";
        f.cmb.ListIndex = 7;
        EXPECT_EQ(f.cmb.ListIndex, -1);
    }

    // Catches a wrong index that would silently write into another control.
    TEST_F(ControlsTest, ControlArraysCheckTheirIndexes)
    {
        auto& f = frmSample();
        EXPECT_NO_THROW(f.lbls[12].Caption = "y");
        EXPECT_THROW(f.lbls[9], ControlArrayIndexError);
        EXPECT_THROW(f.lbls[13], ControlArrayIndexError);
        EXPECT_EQ(f.FindControl("lbls", 12), &f.lbls[12]);
    }

    // Catches clicks that reach disabled or hidden buttons and change the match.
    TEST_F(ControlsTest, UserClicksReachOnlyReachableControls)
    {
        auto& f = frmSample();
        f.cmd.UserClick();
        f.cmd.Enabled = false;
        f.cmd.UserClick();
        f.cmd.Enabled = true;
        f.cmd.SetContainer(f.frame);
        f.frame.Visible = false;
        f.cmd.UserClick();
        EXPECT_EQ(f.log, "click;");
    }

    // The accessor loads a form once; a close by the user may be refused, an unload by the
    // program may not, and the accessor then loads a fresh instance.
    TEST_F(ControlsTest, FormsLoadOnceCloseOnlyWhenAllowedAndReloadAfresh)
    {
        SampleForm* first = &frmSample();
        first->Caption = "kept";
        EXPECT_EQ(&frmSample(), first);
        EXPECT_EQ(first->loads, 1);
        first->Show();
        first->refuseClose = true;
        first->RequestClose(UnloadMode::FormControlMenu);
        EXPECT_TRUE(first->IsLoaded());
        EXPECT_EQ(first->lastMode, UnloadMode::FormControlMenu);
        first->Unload();
        EXPECT_FALSE(first->IsLoaded());
        EXPECT_EQ(first->lastMode, UnloadMode::FormCode);
        EXPECT_EQ(first->unloads, 1);

        SampleForm& second = frmSample();
        EXPECT_EQ(second.loads, 1);
        EXPECT_EQ(second.Caption, "") << "a fresh instance after Unload";
    }

    // Catches a crash when a window closes itself from one of its own buttons.
    TEST_F(ControlsTest, FormUnloadedInsideItsOwnEventStaysAliveUntilTheEventEnds)
    {
        auto& f = frmSample();
        bool reachedEnd = false;
        f.cmd.Click = [&f, &reachedEnd] {
            f.Unload();
            f.log += "still here"; // the instance must not be gone under our feet
            reachedEnd = true;
        };
        f.cmd.UserClick();
        EXPECT_TRUE(reachedEnd);
        EXPECT_NE(&frmSample(), &f);
    }

} // namespace
} // namespace stumpcraft
