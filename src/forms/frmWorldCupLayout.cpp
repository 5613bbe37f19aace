// Where everything sits on the World Cup window: the title across the top, each group's table
// with its points race beside it, the fixtures and the card of the match picked below them,
// and the next match over the buttons along the foot.
#include "forms/Look.h"
#include "forms/frmWorldCup.h"

namespace stumpcraft {

namespace {
    using look::Place;

    constexpr int kMargin = 12;
    constexpr int kGroupTop = 34;
    constexpr int kGroupHeight = 178;
    constexpr int kGroupStep = kGroupHeight + 6;
    constexpr int kTableWidth = 470;
    constexpr int kChartLeft = kMargin + kTableWidth + 10;
    constexpr int kChartWidth = 1040 - kChartLeft - kMargin;
    constexpr int kListsTop = kGroupTop + 2 * kGroupStep + 2;
    constexpr int kListsHeight = 150;
    constexpr int kFixturesWidth = 430;

    // The table's columns: left edge and width.
    constexpr look::Column kTableColumns[FrmWorldCup::kColumns] = { { 4, 18 }, { 30, 162 },
        { 194, 32 }, { 228, 32 }, { 262, 32 }, { 296, 32 }, { 330, 40 }, { 374, 80 } };
    constexpr const char* kTableHeads[FrmWorldCup::kColumns]
        = { "", "Country", "P", "W", "L", "T", "Pts", "NRR" };
    constexpr int kRowTop = 20;
    constexpr int kRowStep = 22;
} // namespace

FrmWorldCup::FrmWorldCup()
    : Form("frmWorldCup")
{
    Caption = "World Cup";
    Width = 1040;
    Height = 640;
    lblTitle.Move(kMargin, 6, Width - 2 * kMargin, 26);
    lblTitle.FontSize = look::kTitlePrint + 2;
    lblTitle.FontBold = true;
    LayOutGroups();
    LayOutFixtures();
    LayOutButtons();
    WireEvents();
}

void FrmWorldCup::LayOutGroups()
{
    for (int g = 0; g < 2; ++g) {
        Frame& frame = fraGroup[g];
        frame.Move(kMargin, kGroupTop + g * kGroupStep, kTableWidth, kGroupHeight);
        frame.Caption = g == 0 ? "Group A" : "Group B";
        frame.BackColor = look::kPitch;
        frame.ForeColor = look::kHeading;
        for (int r = 0; r < kTableRows; ++r) {
            for (int c = 0; c < kColumns; ++c) {
                Label& cell = Cell(g, r, c);
                const Alignment align = c == 1 ? Alignment::Left : Alignment::Right;
                const int top = kRowTop + r * kRowStep;
                if (r == 0) {
                    look::Heading(cell, frame, kTableColumns[c].left, top + 2,
                        kTableColumns[c].width, kTableHeads[c], align);
                    continue;
                }
                look::Cell(cell, frame, kTableColumns[c], top, align);
                cell.Elide = c == 1;
            }
        }
        Chart& chart = chtRace[g];
        chart.Move(kChartLeft, kGroupTop + g * kGroupStep + 6, kChartWidth, kGroupHeight - 6);
        chart.BackColor = look::kPitch;
        chart.ForeColor = look::kChalk;
    }
}

void FrmWorldCup::LayOutFixtures()
{
    lblFixtures.Move(kMargin, kListsTop, kFixturesWidth, 20);
    lblFixtures.Caption = "Fixtures and results (pick one for its scorecard)";
    lblFixtures.FontBold = true;
    lstFixtures.Move(kMargin, kListsTop + 22, kFixturesWidth, kListsHeight);
    const int cardLeft = kMargin + kFixturesWidth + 12;
    lblCard.Move(cardLeft, kListsTop, Width - cardLeft - kMargin, 20);
    lblCard.Caption = "Scorecard";
    lblCard.FontBold = true;
    lblCard.Elide = true;
    lstCard.Move(cardLeft, kListsTop + 22, Width - cardLeft - kMargin, kListsHeight);
    lstCard.FontFixed = true;
    lstCard.FontSize = look::kSmallPrint;
}

void FrmWorldCup::LayOutButtons()
{
    const int nextTop = kListsTop + 22 + kListsHeight + 4;
    lblNext.Move(kMargin, nextTop, Width - 2 * kMargin, 22);
    lblNext.FontBold = true;
    lblNext.Elide = true;
    const int top = Height - 34;
    cmdPlay.Move(kMargin, top, 150, 28);
    cmdPlay.Caption = "&Play my match";
    cmdPlay.Default = true;
    cmdSimTo.Move(kMargin + 158, top, 220, 28);
    cmdSimTo.Caption = "&Simulate to my next match";
    cmdSimMine.Move(kMargin + 386, top, 170, 28);
    cmdSimMine.Caption = "Si&mulate my match";
    cmdKeep.Move(kMargin + 564, top, 90, 28);
    cmdKeep.Caption = "&Keep";
    cmdKeep.ToolTipText = "Keep the whole World Cup as a page in the Scorecards folder";
    cmdHelp.Move(kMargin + 662, top, 90, 28);
    cmdHelp.Caption = "&Help";
    cmdMenu.Move(Width - kMargin - 130, top, 130, 28);
    cmdMenu.Caption = "Main M&enu";
}

} // namespace stumpcraft
