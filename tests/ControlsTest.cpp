// The toolkit behaviour the game relies on: setters that raise events as the user would,
// checked control arrays, and the form lifecycle behind the global accessors.
#include "FrmSample.h"
#include "fakes/FakeServices.h"

namespace stumpcraft::testing {
namespace {

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
        f.HScroll1.Value = 3;
        f.HScroll1.Value = 3;
        f.HScroll1.Value = 9; // beyond the range: the top end
        EXPECT_EQ(f.log, "change3;change5;");
        EXPECT_EQ(f.HScroll1.Value, 5);

        f.log.clear();
        for (auto& option : f.opt)
            option.SetContainer(f.frameBatter);
        f.opt[0].Value = true;
        f.opt[1].Value = true;
        EXPECT_EQ(f.log, "opt0;opt1;");
        EXPECT_FALSE(f.opt[0].Value) << "option buttons of one container exclude each other";
    }

    // Catches a list whose selection lands on the wrong entry after one is removed.
    TEST_F(ControlsTest, ListsRaiseClickOnPickAndFollowRemovals)
    {
        auto& f = frmSample();
        f.lstNames.ListIndex = 2;
        f.lstNames.RemoveItem(0);
        EXPECT_EQ(f.lstNames.ListIndex, 1) << "the selection stays on its entry";
        f.lstNames.RemoveItem(1);
        EXPECT_EQ(f.lstNames.ListIndex, -1);
        EXPECT_EQ(f.log, "pick2;");
        EXPECT_THROW(f.lstNames.RemoveItem(5), std::out_of_range);

        f.log.clear();
        f.cmbOvers.Text = "5";
        f.cmbOvers.ListIndex = 2;
        EXPECT_EQ(f.log, "typed;overs:50;") << "a pick sets the text without a Change";
        f.cmbOvers.ListIndex = 7;
        EXPECT_EQ(f.cmbOvers.ListIndex, -1);
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
        f.cmdHelp.UserClick();
        f.cmdHelp.Enabled = false;
        f.cmdHelp.UserClick();
        f.cmdHelp.Enabled = true;
        f.cmdHelp.SetContainer(f.frameBatter);
        f.frameBatter.Visible = false;
        f.cmdHelp.UserClick();
        EXPECT_EQ(f.log, "help;");
    }

    // The accessor loads a form once; a close by the user may be refused, an unload by the
    // program may not, and the accessor then loads a fresh instance.
    TEST_F(ControlsTest, FormsLoadOnceCloseOnlyWhenAllowedAndReloadAfresh)
    {
        FrmSample* first = &frmSample();
        first->Caption = "kept";
        EXPECT_EQ(&frmSample(), first);
        EXPECT_EQ(first->loads, 1);
        first->Show();
        first->refuseClose = true;
        first->RequestClose(UnloadMode::FormControlMenu);
        EXPECT_TRUE(first->IsLoaded());
        first->Unload();
        EXPECT_FALSE(first->IsLoaded());
        EXPECT_EQ(first->log, "query0;query1;unload;");

        FrmSample& second = frmSample();
        EXPECT_EQ(second.loads, 1);
        EXPECT_EQ(second.Caption, "Sample window") << "a fresh instance after Unload";
    }

    // Catches a crash when a window closes itself from one of its own buttons.
    TEST_F(ControlsTest, FormUnloadedInsideItsOwnEventStaysAliveUntilTheEventEnds)
    {
        auto& f = frmSample();
        bool reachedEnd = false;
        f.cmdHelp.Click = [&f, &reachedEnd] {
            f.Unload();
            f.log += "still here"; // the instance must not be gone under our feet
            reachedEnd = true;
        };
        f.cmdHelp.UserClick();
        EXPECT_TRUE(reachedEnd);
        EXPECT_NE(&frmSample(), &f);
    }

} // namespace
} // namespace stumpcraft::testing
