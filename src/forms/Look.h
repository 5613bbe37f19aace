#pragma once

#include "modules/ChartColours.h"
#include "platform/Controls.h"

namespace stumpcraft {

// Batting card backgrounds: orange for the two batsmen at the crease, pale red for the rest.
inline constexpr Color kAtCrease = RGB(255, 192, 16);
inline constexpr Color kNotAtCrease = RGB(255, 192, 192);

// The look every window shares: one palette, the sizes of print and the columns of the cards,
// so that a window model only says what goes where. Positions are in the models' pixels; the
// renderer scales them all by one factor.
namespace look {

    // The pitch-green panels with chalk figures and golden headings, and the scoreboard.
    inline constexpr Color kPitch = RGB(24, 88, 48);
    inline constexpr Color kChalk = RGB(240, 240, 224);
    inline constexpr Color kHeading = RGB(255, 224, 128);
    inline constexpr Color kPanelText = RGB(255, 236, 160); // a panel's own words
    inline constexpr Color kOverLine = RGB(255, 255, 192); // the balls of the over
    inline constexpr Color kLink = RGB(255, 192, 255); // a label to click, such as Next Bowler
    inline constexpr Color kLinkHover = RGB(143, 192, 255);
    inline constexpr Color kBoard = RGB(16, 40, 24);
    inline constexpr Color kBoardText = RGB(255, 224, 64);
    inline constexpr Color kInk = RGB(0, 0, 0);
    // A name the team editor will not save as typed, and one that will confuse the match.
    inline constexpr Color kNameChanged = RGB(255, 196, 196);
    inline constexpr Color kNameSuspicious = RGB(255, 232, 150);

    // Print: 0 is the window's own size; the small hand takes a second line of a long text.
    inline constexpr int kSmallPrint = 8;
    inline constexpr int kFinePrint = 7;
    // A window's own title over its card, and the height of its line.
    inline constexpr int kTitlePrint = 11;
    inline constexpr int kTitleHeight = 24;

    // The cards: a heading above rows at a fixed pitch.
    inline constexpr int kHeadingHeight = 18;
    inline constexpr int kRowHeight = 22;
    inline constexpr int kRowPitch = 27;
    inline constexpr int kFirstRow = 28;

    struct Column {
        int left;
        int width;
    };
    // A bowler's figures, as the bowling card and the bowler change list them.
    inline constexpr Column kBowlerName { 8, 180 };
    inline constexpr Column kBowlerOvers { 196, 64 };
    inline constexpr Column kBowlerMaidens { 264, 64 };
    inline constexpr Column kBowlerRuns { 332, 64 };
    inline constexpr Column kBowlerWickets { 400, 64 };
    inline constexpr int kBowlingWidth = 472; // the card's width, the last column included
    // The fall of wickets and the partnerships: the pair's names take one line for two long
    // names; the headings reach left over the names, which have none.
    inline constexpr Column kWicketNumber { 6, 64 };
    inline constexpr Column kPartners { 72, 228 };
    inline constexpr Column kFallOfWicket { 304, 64 };
    inline constexpr Column kPartnership { 396, 72 };
    inline constexpr int kFallOfWicketHeading = 112;
    inline constexpr int kPartnershipHeading = 96;

    // Puts a control into a container (page 0 of it unless told) at a place and size.
    void Place(Control& c, Control& container, int left, int top, int width, int height);
    // A golden bold heading.
    void Heading(Label& l, Control& container, int left, int top, int width, const char* text,
        Alignment align = Alignment::Left);
    // One cell of a card row, in chalk.
    void Cell(
        Label& l, Control& container, Column column, int top, Alignment align = Alignment::Left);

} // namespace look

} // namespace stumpcraft
