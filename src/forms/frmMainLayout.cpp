// Where everything sits on the match screen: the tabbed cards on the left, the scoreboard,
// batter frames and buttons on the right, the status line along the bottom.
#include "forms/Look.h"
#include "forms/frmMain.h"

namespace stumpcraft {

namespace {
    using namespace look;

    constexpr int kRight = 492; // left edge of the right-hand column
    constexpr int kRightWidth = 180; // a batter frame's caption holds a long name
    constexpr int kFrameHeight = 144; // five figures and the level slider with its words
    constexpr int kButtonsTop = 62 + 2 * (kFrameHeight + 2) + 2;

    void Cell(
        Label& l, Control& page, int left, int top, int width, Alignment align = Alignment::Left)
    {
        look::Cell(l, page, { left, width }, top, align);
    }
} // namespace

void FrmMain::LayOutSide()
{
    for (int i = 0; i < 3; ++i) {
        lblSmallScore[i].Move(kRight, 4 + i * 19, kRightWidth, 18);
        lblSmallScore[i].BackColor = kBoard;
        lblSmallScore[i].ForeColor = kBoardText;
        lblSmallScore[i].FontBold = true;
    }
    lblSmallScore[2].Visible = false;

    for (int frame = 0; frame < 2; ++frame)
        LayOutBatterFrame(frame);

    // The innings button takes the place of the play buttons, which are hidden while it shows.
    cmdChange.Move(kRight, kButtonsTop, kRightWidth, 24);
    cmdChange.Caption = "&Change Innings";
    cmdChange.Visible = false;
    CmdNOver.Move(kRight, kButtonsTop, kRightWidth / 2 - 2, 24);
    CmdNOver.Caption = "&Next Over";
    CmdNBowl.Move(kRight + kRightWidth / 2 + 2, kButtonsTop, kRightWidth / 2 - 2, 24);
    CmdNBowl.Caption = "Next &Bowl";
    cmdHelp.Move(kRight, kButtonsTop + 28, kRightWidth, 24);
    cmdHelp.Caption = "Click here for &Help";
    // Escape ends the game; the button itself is never seen.
    Command1.Move(kRight, kButtonsTop + 28, kRightWidth, 24);
    Command1.Caption = "Command1";
    Command1.Cancel = true;
    Command1.Visible = false;

    // A chase message runs to a hundred and ten characters, on one line in the finest print;
    // the result keeps a second line for the note that its scorecard was kept. A line still
    // too long ends in "..." and shows whole in the tooltip.
    lblMsg[0].Move(0, Height - 30, 130, 30);
    lblMsg[1].Move(130, Height - 30, Width - 130, 30);
    for (auto& msg : lblMsg) {
        msg.BackColor = kBoard;
        msg.ForeColor = kBoardText;
        msg.FontSize = kSmallPrint;
        msg.Elide = true;
    }
    lblMsg[1].FontSize = kFinePrint;
}

void FrmMain::LayOutBatterFrame(int frame)
{
    static const char* const kTitles[] = { "Runs", "Balls", "Fours", "Sixes", "Strike Rate" };
    Frame& box = frameBatter[frame];
    box.Move(kRight, 62 + frame * (kFrameHeight + 2), kRightWidth, kFrameHeight);
    for (int i = 0; i < 5; ++i) {
        const int n = frame * 5 + i;
        Place(lbls[n], box, 8, 18 + i * 16, 72, 16);
        lbls[n].Caption = kTitles[i];
        // Flat figures: results to read, not fields to type in.
        Place(lblDetails[n], box, 88, 18 + i * 16, 60, 16);
        lblDetails[n].Caption = "00";
        lblDetails[n].TextAlign = Alignment::Right;
    }
    Place(picInStrike[frame], box, kRightWidth - 24, 20, 16, 16);
    picInStrike[frame].Picture = "ball";
    picInStrike[frame].Visible = frame == 0;

    // The slider shows a stop for each level; below it its two ends are named, with the level
    // set between them.
    Place(HScroll1[frame], box, 8, 100, kRightWidth - 16, 22);
    HScroll1[frame].Min = 1;
    HScroll1[frame].Max = 5;
    HScroll1[frame].Value = 1;
    HScroll1[frame].SmallChange = 1;
    HScroll1[frame].LargeChange = 1;
    Place(lblCautious[frame], box, 8, 122, 50, 16);
    Place(lbls[10 + frame], box, 60, 122, 46, 16);
    Place(lblAggressive[frame], box, 108, 122, kRightWidth - 8 - 108, 16);
    lbls[10 + frame].Caption = "Level 1";
    lbls[10 + frame].TextAlign = Alignment::Center;
    for (Label* end : { &lblCautious[frame], &lblAggressive[frame] }) {
        const bool low = end == &lblCautious[frame];
        end->Caption = low ? "cautious" : "aggressive";
        end->FontSize = kSmallPrint;
        end->TextAlign = low ? Alignment::Left : Alignment::Right;
    }
}

void FrmMain::LayOutCommentary()
{
    PictureBox& page = Picture1[0];
    Cell(lblCurrBlr, page, 12, 10, 452);
    lblCurrBlr.Caption = "Current Bowler: ";
    lblCurrBlr.FontBold = true;
    for (int i = 0; i < 6; ++i) {
        Cell(lblDesc[i], page, 12, 44 + i * 30, 452);
        lblDesc[i].ForeColor = kOverLine;
    }
    Cell(lblNxtBlr, page, 12, 232, 452);
    lblNxtBlr.Caption = "Next Bowler: ";
    lblNxtBlr.ForeColor = kLink;
    lblNxtBlr.ToolTipText = "Click here to change the next bowler";
    lblNxtBlr.MousePointer = Cursor::Bat;
    Heading(labels[6], page, 12, 272, 200, "Total Runs In this Over");
    Cell(lblRunsInOver, page, 216, 270, 48, Alignment::Right);
    lblRunsInOver.Caption = "00";
    lblRunsInOver.Boxed = true;
}

void FrmMain::LayOutBattingCard()
{
    PictureBox& page = Picture1[1];
    Heading(hdrBatsman, page, 8, 6, 152, "Batsman");
    Heading(hdrHowOut, page, 164, 6, 208, "How Out");
    Heading(hdrRuns, page, 376, 6, 42, "Runs", Alignment::Right);
    Heading(hdrBalls, page, 422, 6, 42, "Balls", Alignment::Right);
    for (int r = 0; r <= 10; ++r) {
        const int top = kFirstRow + r * kRowPitch;
        Cell(lblBatName[r], page, 8, top, 152);
        lblBatName[r].MousePointer = Cursor::Hand;
        // A catch names two players: it takes a second line of a smaller hand.
        Cell(lblBatOut[r], page, 164, top - 2, 208);
        lblBatOut[r].Height = 26;
        lblBatOut[r].FontSize = kSmallPrint;
        lblBatOut[r].WordWrap = true;
        lblBatOut[r].Caption = "Not Out";
        lblBatOut[r].ForeColor = kInk;
        lblBatOut[r].BackColor = r < 2 ? kAtCrease : kNotAtCrease;
        Cell(lblBatRuns[r], page, 376, top, 42, Alignment::Right);
        Cell(lblBatBowlsFaced[r], page, 422, top, 42, Alignment::Right);
        // Only their marks matter: whether a fifty or hundred has been celebrated.
        for (CheckBox* mark : { &chk50[r], &chk100[r] }) {
            Place(*mark, page, 0, top, 13, 13);
            mark->Caption = "Check1";
            mark->Visible = false;
        }
    }
    Heading(hdrTotal, page, 164, 332, 208, "Total", Alignment::Right);
    Cell(lblTotal, page, 376, 330, 42, Alignment::Right);
    Cell(lblTotalBalls, page, 422, 330, 42, Alignment::Right);
    lblTotal.Caption = "00";
    lblTotalBalls.Caption = "00";
    lblTotal.FontBold = true;
    lblTotalBalls.FontBold = true;
}

void FrmMain::LayOutBowlingCard()
{
    PictureBox& page = Picture1[2];
    Heading(hdrBowler, page, kBowlerName.left, 6, kBowlerName.width, "Bowler");
    Heading(labels[2], page, kBowlerOvers.left, 6, kBowlerOvers.width, "Overs", Alignment::Right);
    Heading(
        labels[3], page, kBowlerMaidens.left, 6, kBowlerMaidens.width, "Maidens", Alignment::Right);
    Heading(labels[4], page, kBowlerRuns.left, 6, kBowlerRuns.width, "Runs", Alignment::Right);
    Heading(
        labels[5], page, kBowlerWickets.left, 6, kBowlerWickets.width, "Wickets", Alignment::Right);
    for (int r = 0; r <= 10; ++r) {
        const int top = kFirstRow + r * kRowPitch;
        look::Cell(lblBlrName[r], page, kBowlerName, top);
        look::Cell(lblOvers[r], page, kBowlerOvers, top, Alignment::Right);
        look::Cell(lblMaidens[r], page, kBowlerMaidens, top, Alignment::Right);
        look::Cell(lblRunsGiven[r], page, kBowlerRuns, top, Alignment::Right);
        look::Cell(lblWicketsTaken[r], page, kBowlerWickets, top, Alignment::Right);
        for (Label* l :
            { &lblBlrName[r], &lblOvers[r], &lblMaidens[r], &lblRunsGiven[r], &lblWicketsTaken[r] })
            l->Visible = false;
    }
}

void FrmMain::LayOutPartnerships()
{
    PictureBox& page = Picture1[3];
    const auto headingOver
        = [](Column column, int width) { return column.left + column.width - width; };
    Heading(labels[0], page, headingOver(kFallOfWicket, kFallOfWicketHeading), 6,
        kFallOfWicketHeading, "Fall of Wickets", Alignment::Right);
    Heading(labels[1], page, headingOver(kPartnership, kPartnershipHeading), 6, kPartnershipHeading,
        "Partnerships", Alignment::Right);
    for (int k = 0; k < 10; ++k) {
        const int top = 30 + k * 30;
        look::Cell(lblWickets[k], page, kWicketNumber, top);
        lblWickets[k].Caption = "Wicket " + std::to_string(k + 1);
        lblWickets[k].ForeColor = kHeading;
        // Two long names fit on one line; only the longest pairs take a second.
        look::Cell(lblPlrs[k], page, kPartners, top - 4);
        lblPlrs[k].Height = 28;
        lblPlrs[k].FontSize = kSmallPrint;
        lblPlrs[k].WordWrap = true;
        look::Cell(lblFoW[k], page, kFallOfWicket, top, Alignment::Right);
        look::Cell(lblPart[k], page, kPartnership, top, Alignment::Right);
    }
}

FrmMain::FrmMain()
    : Form("frmMain")
{
    Caption = "Stumpcraft";
    Width = 680;
    Height = 440;
    WireEvents();
    // Laid out with the first paint, when somebody first looks (see Paint): a match that
    // nobody watches never lays out its three hundred controls.
    paintDue = true;
}

void FrmMain::LayOut()
{
    SSTab1.Move(6, 6, 480, 400);
    SSTab1.TabCaptions = { "Commentary", "Batting", "Bowling", "Partnerships", "Charts" };
    for (int i = 0; i < Picture1.Count(); ++i) {
        Picture1[i].SetContainer(SSTab1, i);
        Picture1[i].Move(2, 2, 476, 400 - TabStrip::HeaderHeight - 4);
        Picture1[i].BackColor = kPitch;
    }
    LayOutSide();
    LayOutCommentary();
    LayOutBattingCard();
    LayOutBowlingCard();
    LayOutPartnerships();
    LayOutCharts();
}

} // namespace stumpcraft
