// Where everything sits in the team editor: the hint panel down the left edge with help at its
// foot, the fifteen rows of the squad as a table in the frame on the right (the default Eleven
// first, then the reserves after a gap), and the buttons under the table.
#include "forms/Look.h"
#include "forms/frmTeamEd.h"

namespace stumpcraft {

namespace {
    using look::Place;

    constexpr int kPanelWidth = 180;
    constexpr int kFrameLeft = kPanelWidth + 8, kFrameWidth = 580;

    // The table's columns inside the frame: number, name, type, batting, bowling.
    constexpr int kNoLeft = 8, kNoWidth = 26;
    constexpr int kNameLeft = 38, kNameWidth = 256;
    constexpr int kTypeLeft = 302, kTypeWidth = 130;
    constexpr int kBatLeft = 440, kBallLeft = 506, kRatingWidth = 62;

    constexpr int kHeadingTop = 16, kHeadingHeight = 34;
    constexpr int kFirstRow = 54, kRowStep = 27, kRowHeight = 24;
    constexpr int kReservesGap = 18; // room for the reserves' caption

    int RowTop(int row) { return kFirstRow + row * kRowStep + (row >= 11 ? kReservesGap : 0); }
} // namespace

FrmTeamEd::FrmTeamEd()
    : PreMatchScreen("frmTeamEd")
{
    LayOut();
    WireEvents();
}

void FrmTeamEd::LayOut()
{
    Caption = "Team Editor for ";
    const int frameHeight = RowTop(kSquadSize - 1) + kRowHeight + 10;
    Width = kFrameLeft + kFrameWidth + 8;
    Height = 6 + frameHeight + 8 + 28 + 8;

    LayOutHintPanel(Picture1, cmdHelp, kPanelWidth, Height);
    PlaceHint(lblDesc[4], Picture1, 14, 150,
        "You can edit Team  by simply changing the values from here. Note: 1 is the lowest "
        "rating, 5 is the best");
    PlaceHint(lblNote, Picture1, 176, 128,
        "Players 1 to 11 come to the team sheet as Today's Eleven, in this order; 12 to 15 are "
        "the reserves.\n\nExit leaves the game without saving.");
    lblNote.FontBold = false;
    // A note on the marked names, shown only while there are some.
    Place(lblCheck, Picture1, 10, 316, kPanelWidth - 20, 130);
    lblCheck.WordWrap = true;
    lblCheck.Boxed = true;
    lblCheck.BackColor = look::kNameSuspicious;
    lblCheck.ForeColor = look::kInk;
    lblCheck.Visible = false;

    Frame1[0].Move(kFrameLeft, 6, kFrameWidth, frameHeight);
    Frame1[0].Caption = "Editing Team ";
    // The rating headings are wider than their lists, so every heading has room for two lines.
    static const char* const headings[4]
        = { "Player Name", "Player Type", "Batting Rating", "Bowling Rating" };
    const int headingLeft[4] = { kNameLeft, kTypeLeft, kBatLeft, kBallLeft };
    const int headingWidth[4] = { kNameWidth, kTypeWidth, kRatingWidth, kRatingWidth };
    for (int c = 0; c < 4; ++c) {
        Place(lblDesc[c], Frame1[0], headingLeft[c] + 2, kHeadingTop, headingWidth[c] - 2,
            kHeadingHeight);
        lblDesc[c].Caption = headings[c];
        lblDesc[c].FontBold = true;
        lblDesc[c].WordWrap = true;
        lblDesc[c].TextAlign = c >= 2 ? Alignment::Center : Alignment::Left;
    }

    Place(lblReserves, Frame1[0], kNameLeft + 2, RowTop(11) - kReservesGap, kNameWidth, 16);
    lblReserves.Caption = "Reserves";
    lblReserves.FontBold = true;

    for (int i = 0; i < kSquadSize; ++i) {
        const int top = RowTop(i);
        Place(lblRowNo[i], Frame1[0], kNoLeft, top, kNoWidth, kRowHeight);
        lblRowNo[i].Caption = std::to_string(i + 1);
        lblRowNo[i].TextAlign = Alignment::Right;
        Place(txtPlrName[i], Frame1[0], kNameLeft, top, kNameWidth, kRowHeight);
        Place(cmbPlrType[i], Frame1[0], kTypeLeft, top, kTypeWidth, kRowHeight);
        Place(cmbBatRate[i], Frame1[0], kBatLeft, top, kRatingWidth, kRowHeight);
        Place(cmbBallRate[i], Frame1[0], kBallLeft, top, kRatingWidth, kRowHeight);
        for (const char* type : { "Batsman", "Bowler", "AllRounder", "WicketKeeper" })
            cmbPlrType[i].AddItem(type);
        for (ComboBox* rating : { &cmbBatRate[i], &cmbBallRate[i] }) {
            for (const char* r : { "5", "4", "3", "2", "1" })
                rating->AddItem(r);
        }
        for (ComboBox* list : { &cmbPlrType[i], &cmbBatRate[i], &cmbBallRate[i] })
            list->Editable = false;
    }

    const int buttonsTop = Height - 36;
    cmdExit.Move(kFrameLeft, buttonsTop, 130, 28);
    cmdExit.Caption = "E&xit";
    cmdNext.Move(kFrameLeft + kFrameWidth - 130, buttonsTop, 130, 28);
    cmdNext.Caption = "&Continue";
}

void FrmTeamEd::WireEvents()
{
    for (int i = 0; i < kSquadSize; ++i) {
        txtPlrName[i].Change = [this, i] { txtPlrName_Change(i); };
        cmbPlrType[i].Click = [this, i] { cmbPlrType_Click(i); };
        cmbBatRate[i].Click = [this, i] { cmbBatRate_Click(i); };
        cmbBallRate[i].Click = [this, i] { cmbBallRate_Click(i); };
    }
    cmdNext.Click = [this] { cmdNext_Click(); };
    cmdExit.Click = [this] { cmdExit_Click(); };
    cmdHelp.Click = [this] { cmdHelp_Click(); };
}

} // namespace stumpcraft
