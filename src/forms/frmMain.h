#pragma once

#include "forms/Look.h"
#include "platform/Chart.h"
#include "platform/Form.h"

#include <optional>
#include <string>

namespace stumpcraft {

struct MatchPlayer;

// The match screen: the two batter frames with their level sliders, the play buttons, the
// tabbed cards (commentary of the over, batting, bowling, partnerships, charts), the small
// scoreboard and the status line.
//
// The match lives in the match state, never in these controls. A press (a play button, the
// innings button, a bowler change, a level) changes the state through the engine and then
// asks for a paint (Form::Repaint): the painter functions below write every caption, colour
// and visibility from the state, one card or frame each. With a live window the paint happens
// at once, before the commentator says a word of the ball; with nobody looking (the benchmark,
// the season simulator) the paint is only marked as due and runs when a control of the window
// is next read or written, so a match played headless makes no caption text at all. The only
// controls read as data are the player's own inputs: the level sliders (their change writes
// the level into the state) and the tabs.
class FrmMain : public Form {
public:
    FrmMain();
    ~FrmMain() override;

    // Batter frames, one per batsman at the crease.
    ControlArray<Frame, 2> frameBatter { this, "frameBatter" };
    ControlArray<PictureBox, 2> picInStrike { this, "picInStrike" };
    ControlArray<HScrollBar, 2> HScroll1 { this, "HScroll1" };
    // The words at the two ends of each level slider.
    ControlArray<Label, 2> lblCautious { this, "lblCautious" };
    ControlArray<Label, 2> lblAggressive { this, "lblAggressive" };
    // 0-4 and 5-9: row titles of the two frames; 10 and 11: the level captions.
    ControlArray<Label, 12> lbls { this, "lbls" };
    ControlArray<Label, 10> lblDetails { this, "lblDetails" };

    ControlArray<Label, 3> lblSmallScore { this, "lblSmallScore" };
    CommandButton cmdChange { this, "cmdChange" };
    CommandButton CmdNOver { this, "CmdNOver" };
    CommandButton CmdNBowl { this, "CmdNBowl" };
    CommandButton cmdHelp { this, "cmdHelp" };
    CommandButton Command1 { this, "Command1" };
    ControlArray<Label, 2> lblMsg { this, "lblMsg" };

    TabStrip SSTab1 { this, "SSTab1" };
    ControlArray<PictureBox, 5> Picture1 { this, "Picture1" };
    // Headings: 0-1 partnerships, 2-5 bowling figures, 6 runs of the over.
    ControlArray<Label, 7> labels { this, "labels" };
    // Headings of our own, which nothing addresses: the batting card's columns and total,
    // the bowling card's names.
    Label hdrBatsman { this, "hdrBatsman" };
    Label hdrHowOut { this, "hdrHowOut" };
    Label hdrRuns { this, "hdrRuns" };
    Label hdrBalls { this, "hdrBalls" };
    Label hdrTotal { this, "hdrTotal" };
    Label hdrBowler { this, "hdrBowler" };

    // Commentary of the over.
    Label lblCurrBlr { this, "lblCurrBlr" };
    ControlArray<Label, 6> lblDesc { this, "lblDesc" };
    Label lblNxtBlr { this, "lblNxtBlr" };
    Label lblRunsInOver { this, "lblRunsInOver" };

    // Batting card.
    ControlArray<Label, 11> lblBatName { this, "lblBatName" };
    ControlArray<Label, 11> lblBatOut { this, "lblBatOut" };
    ControlArray<Label, 11> lblBatRuns { this, "lblBatRuns" };
    ControlArray<Label, 11> lblBatBowlsFaced { this, "lblBatBowlsFaced" };
    ControlArray<CheckBox, 11> chk50 { this, "chk50" };
    ControlArray<CheckBox, 11> chk100 { this, "chk100" };
    Label lblTotal { this, "lblTotal" };
    Label lblTotalBalls { this, "lblTotalBalls" };

    // Bowling card.
    ControlArray<Label, 11> lblBlrName { this, "lblBlrName" };
    ControlArray<Label, 11> lblOvers { this, "lblOvers" };
    ControlArray<Label, 11> lblMaidens { this, "lblMaidens" };
    ControlArray<Label, 11> lblRunsGiven { this, "lblRunsGiven" };
    ControlArray<Label, 11> lblWicketsTaken { this, "lblWicketsTaken" };

    // Partnerships and fall of wickets.
    ControlArray<Label, 10> lblWickets { this, "lblWickets" };
    ControlArray<Label, 10> lblPlrs { this, "lblPlrs" };
    ControlArray<Label, 10> lblFoW { this, "lblFoW" };
    ControlArray<Label, 10> lblPart { this, "lblPart" };

    // Charts of both innings: the worm and the Manhattan.
    Chart chtWorm { this, "chtWorm" };
    Chart chtManhattan { this, "chtManhattan" };
    static constexpr int kChartsTab = 4;

    // Event procedures.
    void CmdNBowl_Click();
    void CmdNOver_Click();
    void cmdChange_Click();
    void cmdHelp_Click();
    void Command1_Click();
    void lblNxtBlr_Click();
    void lblNxtBlr_MouseMove();
    void Picture1_MouseMove(int Index);
    void HScroll1_Change(int Index);
    void lblBatName_Click(int Index);

    // Writes the records of the innings just ended back to the records store.
    void UpdateRecord();

    // A decided match watched again steps with the play buttons, which stay free for it.
    void FreePlayButtons() { playButtonsEnabled_ = true; }

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override;
    void Form_Unload() override;
    void Form_MouseUp(MouseButton button, int x, int y) override;
    // Ctrl+S keeps the scorecard of the match as it stands.
    void Form_KeyDown(int KeyCode, int Shift) override;
    void Paint() override;
    void PaintAtOnce() override;

private:
    void LayOut();
    void LayOutSide();
    void LayOutBatterFrame(int frame);
    void LayOutCommentary();
    void LayOutBattingCard();
    void LayOutBowlingCard();
    void LayOutPartnerships();
    void LayOutCharts();
    void WireEvents();

    // The painter: one function per card or frame, each from the match state alone.
    void PaintBatterFrames();
    void PaintCommentary();
    void PaintBattingCard();
    void PaintBowlingCard();
    void PaintPartnerships();
    void PaintScoreboard();
    void PaintStatusLines();
    // The buttons: shown and enabled at once (a click needs them), their captions in the paint.
    void PaintButtons();
    // The charts, only while their tab is the one shown: a hidden tab costs nothing.
    void PaintCharts();
    // The tooltips of both batter frames' level: what the level means for the batsman in the
    // frame now. Worked out again only when the batsman or his level has changed.
    void PaintLevelOdds();

    // Every event that changes the match ends with a paint, however it ends.
    struct PaintAfter {
        FrmMain& screen;
        ~PaintAfter() { screen.Repaint(); }
    };

    // Pieces of the play buttons.
    bool QuotaAllows();
    // One delivery of a press (or, after an all-out first innings, a ball only counted): the
    // ball, its after-delivery steps, the board painted and then the news told. False when
    // the window went while the commentator spoke.
    bool Delivery(bool bowled, bool maidenFirst);
    // At the end of a press of a play button: a match it decided keeps its scorecard and
    // offers the way out.
    void FinishPress(bool decidedBefore);
    void BeginOver();
    void SetComputerLevelsAtOverStart();
    void ChangeEnds();
    void CreditMaiden();
    void EndInningsByOvers();

    void StartChase();
    void ClearSidesForExit();

    // The loaded screen, which frmMain() hands out without asking the forms' registry: the
    // engine asks for it many times a ball.
    static FrmMain* loaded_;
    friend FrmMain& frmMain();
    // How many match screens are loaded; a delivery asks twice a ball.
    static inline int loadedScreens_ = 0;
    friend bool MatchScreenLoaded();

    // Who and at what level each frame's tooltip was last worked out for.
    int oddsShownFor_[2] = { -1, -1 };
    // The play buttons are greyed while "Next Over" plays its balls, and stay so when they
    // decided the match.
    bool playButtonsEnabled_ = true;
    bool layoutDue_ = true; // laid out by the first paint
    bool layingOut_ = false; // the sliders' first values are not the player's
    // The buttons' flags as PaintAtOnce last set them (it alone writes them after the
    // layout), so a ball that changes none of them costs no more than this comparison.
    struct ButtonFlags {
        bool playShown, playEnabled, changeShown;
        friend bool operator==(const ButtonFlags&, const ButtonFlags&) = default;
    };
    std::optional<ButtonFlags> buttonsPainted_;
    void PaintButtonFlags(const ButtonFlags& flags);
};

// The figures of a bowler as the bowling card shows them: overs ("7", "7.4"), maidens, runs
// and wickets; empty before his first ball.
struct BowlerFigures {
    std::string overs, maidens, runs, wickets;
};
BowlerFigures FiguresOf(const MatchPlayer& bowler);

// The bowling card's row of the bowler called `name` (trimmed), or -1 when he has none.
int BowlingRowOf(const std::string& name);

FrmMain& frmMain();

// Whether a match screen is loaded now (without loading one).
inline bool MatchScreenLoaded() { return FrmMain::loadedScreens_ > 0; }

} // namespace stumpcraft
