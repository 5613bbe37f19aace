#pragma once

#include <string>
#include <vector>

namespace stumpcraft {

// The scorecard of a match, both innings in the usual notation, built from the match state
// and its history: ready to be written as text or as a page.

struct BattingLine {
    std::string name;
    std::string howOut; // "c Fielder b Bowler", "run out (Fielder)", "not out"
    int runs = 0;
    int balls = 0;
    int fours = 0;
    int sixes = 0;
};

struct FallLine {
    int wicket = 0;
    int score = 0;
    std::string batsman;
    std::string overs; // when it fell: "18.2"
};

struct BowlingLine {
    std::string name;
    int balls = 0;
    int maidens = 0;
    int runs = 0;
    int wickets = 0;
};

struct InningsCard {
    std::string country;
    // A one-innings game's first side: an entered total, with no innings behind it.
    bool enteredTotal = false;
    std::vector<BattingLine> batting; // those who went in, in batting order
    std::vector<std::string> didNotBat;
    int runs = 0;
    int wickets = 0;
    int balls = 0;
    std::vector<FallLine> fall;
    std::vector<BowlingLine> bowling; // in the order they came on
};

struct MatchCard {
    std::string title; // "Northland v Southmere, 50 overs a side"
    std::string played; // when the card was kept
    std::string toss; // who won it and what they did, or empty
    std::vector<InningsCard> innings; // those begun
    std::string result; // the result line, or how the match stands
};

// The card of the match as it stands now. `played` is the moment shown on it.
MatchCard ScorecardOfMatch(const std::string& played);

// The card as plain text, in columns.
std::string ScorecardText(const MatchCard& card);
// The card as a page of HTML that stands on its own (its style inside).
std::string ScorecardHtml(const MatchCard& card);
// The card alone, to stand in a page with others: its title, innings and result.
std::string ScorecardHtmlBody(const MatchCard& card);
// A page around `body`, in the scorecards' style and any more of its own.
std::string HtmlPage(
    const std::string& title, const std::string& body, const std::string& style = {});
// Text as it stands in a page: never markup.
std::string HtmlEscape(const std::string& text);

// The batting card's words for a dismissal in the usual notation: " b: X" is "b X",
// " c and b: X" "c & b X", " lbw b: X" "lbw b X", " c: F b: X" "c F b X" and "Run Out (F) "
// "run out (F)". Bowler is the trimmed name of the bowler of that ball.
std::string UsualHowOut(const std::string& cardText, const std::string& bowler);

// What the total line says beside the runs: "all out, 49.1 overs, 6.49 an over" or
// "7 wickets, 50 overs, 5.7 an over".
std::string TotalDetail(const InningsCard& innings);

// Runs an over conceded: "4.56", or "-" before his first ball.
std::string Economy(const BowlingLine& bowler);

// The innings' falls of wicket, each as "3-230 (Cato Vennick, 38.4 ov)".
std::vector<std::string> FallTexts(const InningsCard& innings);

// Overs as the card writes them: completed overs, a point and the balls of the over begun
// ("18.2"), or whole overs alone ("50").
std::string OversText(int balls);

} // namespace stumpcraft
