#include "forms/frmMain.h"

#include "forms/frmBatStat.h"
#include "forms/frmBowlChange.h"
#include "modules/KeepMatch.h"
#include "modules/Manual.h"
#include "modules/MatchResult.h"
#include "modules/MatchText.h"
#include "modules/ReturnToMenu.h"
#include "modules/Scoreboard.h"
#include "modules/modAgent.h"
#include "modules/modRecords.h"
#include "modules/modRun.h"
#include "modules/modVars.h"

#include <optional>

namespace stumpcraft {

FrmMain* FrmMain::loaded_ = nullptr;

FrmMain& frmMain() { return FrmMain::loaded_ ? *FrmMain::loaded_ : forms::Instance<FrmMain>(); }

FrmMain::~FrmMain()
{
    // A screen thrown away while still loaded (the end of a test) no longer counts.
    if (IsLoaded())
        --loadedScreens_;
    if (loaded_ == this)
        loaded_ = nullptr;
}

// The events that change the match wait for the delivery in hand: while it waits for the
// commentator other events get through, and these are refused until it is over. Reading the
// cards, moving a slider for the next ball, the help and ending the game stay open.
// Each of them is kept with the match once it is over (a bowler chosen in it is kept with it).
void FrmMain::WireEvents()
{
    auto matchEvent = [this](void (FrmMain::*event)(), std::optional<PressKind> kind) {
        return [this, event, kind] {
            if (!DeliveryGuard::Free())
                return;
            DeliveryGuard guard;
            // The innings button's way out changes nothing to keep.
            if (kind
                && (kind != PressKind::Innings
                    || State.InningsButtonMode == InningsButton::ChangeInnings))
                keeper::Note(*kind);
            (this->*event)();
            keeper::PressDone();
        };
    };
    CmdNBowl.Click = matchEvent(&FrmMain::CmdNBowl_Click, PressKind::Bowl);
    CmdNOver.Click = matchEvent(&FrmMain::CmdNOver_Click, PressKind::Over);
    cmdChange.Click = matchEvent(&FrmMain::cmdChange_Click, PressKind::Innings);
    lblNxtBlr.Click = matchEvent(&FrmMain::lblNxtBlr_Click, std::nullopt);
    cmdHelp.Click = [this] { cmdHelp_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    lblNxtBlr.MouseMove = [this](MouseButton, int, int) { lblNxtBlr_MouseMove(); };
    SSTab1.Click = [this] { Repaint(); };
    for (int i = 0; i < Picture1.Count(); ++i)
        Picture1[i].MouseMove = [this, i](MouseButton, int, int) { Picture1_MouseMove(i); };
    for (int i = 0; i < 2; ++i)
        HScroll1[i].Change = [this, i] { HScroll1_Change(i); };
    for (int i = 0; i <= 10; ++i)
        lblBatName[i].Click = [this, i] { lblBatName_Click(i); };
}

// Opens the first innings of a match, or for a one-innings game goes straight into the
// chase of the entered total.
void FrmMain::Form_Load()
{
    ++loadedScreens_;
    loaded_ = this;
    // Kept as it opens, before anything below changes it. A World Cup match (someone follows
    // its result) is not kept on its own.
    if (!OnMatchDecided)
        keeper::BeginMatch();
    History.Clear(); // a new match
    // The sliders start at Level 1, free, each time the screen loads.
    State.BatLevel = { { 1, 1 } };
    State.LevelsLocked = false;
    State.InningsClosed = false;
    State.InningsButtonMode = InningsButton::Hidden;
    State.ShownBowler = -1;
    State.KeptScorecard.clear();
    if (AgentOn)
        AnnounceConditions();

    if (OneInningsGame) {
        cmdChange_Click();
    } else {
        FirstInnings = true;
        CurrBatSide = FirstBatSide;
        CurrBowler = Teams[1 - FirstBatSide].Bowler1;
        OtherBowler = Teams[1 - CurrBatSide].Bowler2;
        Batsman1 = 0;
        Batsman2 = 1;
        StartInningsCard();
        State.ShownNextBowler = CurrBowler;
        Teams[CurrBatSide].Plr[Batsman1].OnStrike = true;
    }
    keeper::Opened();
    Repaint();
}

void FrmMain::Form_QueryUnload(bool& cancel, UnloadMode mode)
{
    (void)cancel;
    if (mode == UnloadMode::FormControlMenu)
        EndGame();
}

void FrmMain::Form_Unload()
{
    --loadedScreens_;
    if (loaded_ == this)
        loaded_ = nullptr;
}

void FrmMain::Form_MouseUp(MouseButton button, int x, int y)
{
    (void)x;
    (void)y;
    if (button == MouseButton::Right)
        SSTab1.Tab = (SSTab1.Tab + 1) % SSTab1.Tabs();
}

void FrmMain::Command1_Click()
{
    Unload();
    EndGame();
}

void FrmMain::cmdHelp_Click() { ShowManual(*this); }

// The user of the fielding side picks the bowler of a coming over; the computer picks its own.
void FrmMain::lblNxtBlr_Click()
{
    if (Teams[1 - CurrBatSide].PlayerName != kComputer)
        ShowBowlerChange();
}

void FrmMain::lblNxtBlr_MouseMove() { lblNxtBlr.ForeColor = look::kLinkHover; }

void FrmMain::Picture1_MouseMove(int Index)
{
    (void)Index;
    lblNxtBlr.ForeColor = look::kLink;
}

// The player's level for the batsman in frame Index: the slider is his input, the state keeps
// the level and the captions follow it.
void FrmMain::HScroll1_Change(int Index)
{
    const int level = HScroll1[Index].Value;
    if (layingOut_ || State.BatLevel[Index] == level)
        return; // the painter showing the level the state holds
    State.BatLevel[Index] = level;
    keeper::Note(PressKind::Level, Index, level);
    // Set while a press is being told, it is kept with that press.
    if (DeliveryGuard::Free())
        keeper::PressDone();
    Repaint();
}

void FrmMain::UpdateRecord() { UpdateRecords(); }

// The card lists the side batting now, row r for slot r; the clicked name is looked up among
// its squad, where the first player of that name is the one shown.
void FrmMain::lblBatName_Click(int Index)
{
    const std::string name = Trim(Teams[CurrBatSide].Plr[Index].Name);
    for (int s = 0; s <= 15; ++s) {
        if (name == Trim(Teams[CurrBatSide].Plr[s].Name)) {
            ShowBattingStats(s);
            return;
        }
    }
}

} // namespace stumpcraft
