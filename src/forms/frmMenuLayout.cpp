// Where everything sits on the main menu: the hint panel down the left edge, the frames of the
// game's setup stacked on the right in the order they open, the hall of fame over the frames it
// replaces, and the buttons along the bottom.
#include "forms/Look.h"
#include "forms/PreMatchScreen.h"
#include "forms/frmMenu.h"
#include "modules/Countries.h"

namespace stumpcraft {

namespace {
    using look::kBoard;
    using look::kChalk;
    constexpr Color kValue = look::kBoardText;

    constexpr int kPanelWidth = 184;
    constexpr int kFramesLeft = 194;
    constexpr int kFramesWidth = 598;

    // Top edge and height of each frame, in the order they open; the hall of fame stands where
    // the players', names', countries' and overs' frames would be.
    constexpr int kFrameTop[6] = { 8, 144, 200, 292, 364, 144 };
    constexpr int kFrameHeight[6] = { 128, 48, 84, 64, 48, 300 };

    using look::Place;

    // Hall of fame columns: caption, figure, "By"/"Playing As", name, country.
    // Each caption with room to spare, so that it fits at every zoom; the names take what is
    // left, and a long one is cut short.
    constexpr int kColCaption = 14, kColCaptionWidth = 214;
    constexpr int kColValue = 228, kColValueWidth = 60;
    constexpr int kColBy = 290, kColByWidth = 96;
    constexpr int kColName = 389, kColNameWidth = 109;
    constexpr int kColTeam = 500, kColTeamWidth = 92;
    constexpr int kFirstRow = 56, kRowStep = 21, kRowHeight = 20;
} // namespace

FrmMenu::FrmMenu()
    : Form("frmMenu")
{
    Caption = "Welcome to Stumpcraft";
    Width = 800;
    Height = 498;
    // It opens with one of its six frames shown, the first window of the game.
    WidgetsWhenShown = true;
    LayOutPanel();
    LayOutFlowFrames();
    LayOutHallOfFame();
    LayOutKeptOffer();
    WireEvents();
}

void FrmMenu::LayOutPanel()
{
    LayOutHintPanel(Picture1, cmdHelp, kPanelWidth, Height);
    static const char* const hints[5] = { "Choose the game-type", "How many players?",
        "By what name do you want the game to call you?", "Choose the team countries",
        "You can enter the number of overs you want to play for" };
    for (int i = 0; i < 5; ++i) {
        // Beside the frame of the same index; a long hint wraps onto more lines.
        PlaceHint(lblDesc[i], Picture1, kFrameTop[i] + 4, 52, hints[i]);
        lblDesc[i].Visible = i == 0;
    }
}

void FrmMenu::LayOutFlowFrames()
{
    for (int i = 0; i < 6; ++i) {
        Frame1[i].Move(kFramesLeft, kFrameTop[i], kFramesWidth, kFrameHeight[i]);
        Frame1[i].Visible = i == 0;
    }
    Frame1[0].Caption = "What do you want to play?";
    Frame1[2].Caption = "Enter your name";
    Frame1[3].Caption = "Choose Countries";
    Frame1[5].Caption = "Hall of Fame";

    static const char* const types[4] = { "Limited Overs International",
        "OneInnings (Chase or Defend)", "View Hall of Fame", "World Cup" };
    for (int i = 0; i < 4; ++i) {
        Place(optoditest[i], Frame1[0], 20, 24 + i * 25, 320, 22);
        optoditest[i].Caption = types[i];
    }
    Place(opt1p2p[0], Frame1[1], 20, 14, 200, 22);
    opt1p2p[0].Caption = "Single Player";
    Place(opt1p2p[1], Frame1[1], 240, 14, 200, 22);
    opt1p2p[1].Caption = "Two Players";

    Place(txtName, Frame1[2], 16, 22, 300, 26);
    txtName.Text = "Enter your name";
    Place(lblPldWon, Frame1[2], 16, 54, 300, 22);
    Place(cmdGo, Frame1[2], 336, 21, 180, 28);
    cmdGo.Caption = "&Select this Player";
    Place(cmdDel, Frame1[2], 336, 51, 180, 28);
    cmdDel.Caption = "&Delete this Player";

    // Names, countries and "Vs." in one line; a long name is cut short with its full text in
    // the tooltip.
    Place(lblPlName[0], Frame1[3], 12, 28, 128, 24);
    lblPlName[0].TextAlign = Alignment::Right;
    Place(cmbCountry[0], Frame1[3], 146, 27, 130, 26);
    Place(lblVS, Frame1[3], 282, 28, 36, 24);
    lblVS.Caption = "Vs.";
    lblVS.TextAlign = Alignment::Center;
    lblVS.FontBold = true;
    Place(cmbCountry[1], Frame1[3], 324, 27, 130, 26);
    Place(lblPlName[1], Frame1[3], 460, 28, 108, 24);
    for (auto& list : cmbCountry)
        for (const char* country : kCountryNames)
            list.AddItem(country);
    for (auto& name : lblPlName) {
        name.Elide = true;
        name.FontBold = true;
    }

    Place(Label1, Frame1[4], 16, 14, 280, 24);
    Label1.Caption = "How many Overs do you want to play for?";
    Place(cmbOvers, Frame1[4], 300, 13, 80, 26);
    for (const char* overs : { "10", "20", "25", "30", "35", "40", "50" })
        cmbOvers.AddItem(overs);

    Picture2.Move(kFramesLeft, Height - 44, 300, 36);
    Picture2.Visible = false;
    Place(cmdReset, Picture2, 0, 4, 130, 28);
    cmdReset.Caption = "&Reset";
    Place(cmdExit, Picture2, 140, 4, 130, 28);
    cmdExit.Caption = "E&xit";
    cmdNext.Move(kFramesLeft + kFramesWidth - 150, Height - 40, 150, 28);
    cmdNext.Caption = "&Continue";
    cmdNext.Visible = false;
}

void FrmMenu::LayOutKeptOffer()
{
    fraKept.Move(kFramesLeft, kFrameTop[1], kFramesWidth, 96);
    fraKept.Caption = "Your match in progress";
    fraKept.Visible = false;
    Place(lblKept, fraKept, 16, 22, kFramesWidth - 32, 40);
    lblKept.WordWrap = true;
    lblKept.Elide = true;
    lblKept.FontBold = true;
    Place(cmdResume, fraKept, kFramesWidth - 16 - 2 * 130 - 10, 62, 130, 28);
    cmdResume.Caption = "Res&ume";
    Place(cmdDiscard, fraKept, kFramesWidth - 16 - 130, 62, 130, 28);
    cmdDiscard.Caption = "Disc&ard";

    Place(cmdMatches, Frame1[0], kFramesWidth - 16 - 180, 24, 180, 28);
    cmdMatches.Caption = "&Matches";
    fraMatches.Move(kFramesLeft, kFrameTop[5], kFramesWidth, kFrameHeight[5]);
    fraMatches.Caption = "Matches to watch again";
    fraMatches.Visible = false;
    Place(lstMatches, fraMatches, 16, 24, kFramesWidth - 32, kFrameHeight[5] - 68);
    Place(cmdWatch, fraMatches, kFramesWidth - 16 - 150, kFrameHeight[5] - 38, 150, 28);
    cmdWatch.Caption = "&Watch";
}

void FrmMenu::LayOutHallOfFame()
{
    Frame& frame = Frame1[5];
    frame.BackColor = kBoard;
    frame.ForeColor = kChalk;
    Place(lbltoss, frame, kColCaption, 24, 150, 24);
    lbltoss.Caption = " View the Records of ";
    lbltoss.ForeColor = kChalk;
    Place(cmbNames, frame, 170, 23, 240, 26);
    cmbNames.Editable = false;

    static const char* const captions[15] = { "Played", "Won", "Tied", "Win Percentage",
        "Highest Runs Scored", "Playing As", "Most Runs Scored In An Innings", "By",
        "Most Wickets Taken In An Innings", "By", "Fastest Century In", "Balls,          By",
        "Fastest Half Century In", "Balls,          By", "World Cup winners" };
    for (int i = 0; i < 15; ++i) {
        lbls[i].Caption = captions[i];
        lbls[i].ForeColor = kChalk;
    }
    for (auto& value : lblRVal) {
        value.ForeColor = kValue;
        value.Elide = true;
    }
    PlaceHallOfFameRows(true);
    // The figures show "00" until they are first filled, the names nothing. A figure has
    // room for the widest it can be, so it is never cut short; a long name may be.
    for (int i : { 0, 1, 2, 3, 4, 6, 9, 12, 15 }) {
        lblRVal[i].Caption = "00";
        lblRVal[i].Elide = false;
    }

    lblRVal[18].Caption = "none";
    lblRVal[18].Elide = true;
    lblReset.Caption = "Click here to RESET the records of this player";
    lblReset.ForeColor = RGB(255, 255, 0);
    lblReset.MousePointer = Cursor::Hand;
    lblReset.FontBold = true;
}

namespace {
    // One line of the hall of fame: its caption, its figure, and for the records who set them.
    struct FameRow {
        int caption; // lbls index
        int value; // lblRVal index of the figure
        int by = -1; // lbls index of the second caption, if any
        int name = -1; // lblRVal index beside it
        int team = -1;
    };
    constexpr FameRow kFameRows[9] = { { 0, 0 }, { 1, 1 }, { 2, 2 }, { 3, 3 }, { 4, 4, 5, 5 },
        { 6, 6, 7, 7, 8 }, { 8, 9, 9, 10, 11 }, { 10, 12, 11, 13, 14 }, { 12, 15, 13, 16, 17 } };
} // namespace

// The rows stand one under the other; without the counts (the all-time bests) the records
// move up into their place rather than leave a hole.
void FrmMenu::PlaceHallOfFameRows(bool withCounts)
{
    Frame& frame = Frame1[5];
    int line = 0;
    for (int r = 0; r < 9; ++r) {
        const FameRow& row = kFameRows[r];
        if (r < 4 && !withCounts)
            continue;
        const int top = kFirstRow + line++ * kRowStep;
        Place(lbls[row.caption], frame, kColCaption, top, kColCaptionWidth, kRowHeight);
        Place(lblRVal[row.value], frame, kColValue, top, kColValueWidth, kRowHeight);
        lblRVal[row.value].TextAlign = Alignment::Right;
        lblRVal[row.value].FontBold = true;
        if (row.by >= 0) {
            Place(lbls[row.by], frame, kColBy, top, kColByWidth, kRowHeight);
            // "Balls, By" follows its number; "By" and "Playing As" lead to the name.
            lbls[row.by].TextAlign = r >= 7 ? Alignment::Left : Alignment::Right;
        }
        if (row.name >= 0)
            Place(lblRVal[row.name], frame, kColName, top, kColNameWidth, kRowHeight);
        if (row.team >= 0)
            Place(lblRVal[row.team], frame, kColTeam, top, kColTeamWidth, kRowHeight);
    }
    // A player's World Cups, one line for them all; the all-time bests have none.
    const int top = kFirstRow + line * kRowStep;
    Place(lbls[14], frame, kColCaption, top, kColCaptionWidth, kRowHeight);
    Place(lblRVal[18], frame, kColValue, top, kColTeam + kColTeamWidth - kColValue, kRowHeight);
    lblRVal[18].FontBold = true;
    if (withCounts)
        ++line;
    Place(lblReset, frame, kColCaption, kFirstRow + line * kRowStep + 6, 400, 22);
}

} // namespace stumpcraft
