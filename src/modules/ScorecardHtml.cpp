// The scorecard as a page that opens in any browser and prints well: a table of each
// innings' batting with its total, the fall of wickets, the bowling, and the result.
#include "modules/Scoreboard.h"
#include "modules/Scorecard.h"

namespace stumpcraft {

namespace {
    constexpr const char* kStyle = R"(
body { font-family: "DejaVu Sans", Verdana, sans-serif; margin: 24px auto; max-width: 900px;
  color: #1d2a1f; background: #f4f1e6; }
h1 { font-size: 22px; margin: 0 0 4px; color: #18582f; }
h2 { font-size: 17px; margin: 26px 0 6px; padding: 4px 8px; color: #fff; background: #18582f; }
p { margin: 6px 0; font-size: 14px; }
.kept { color: #5b6658; }
table { border-collapse: collapse; width: 100%; font-size: 14px; margin: 6px 0 10px; }
th, td { padding: 4px 8px; border-bottom: 1px solid #d6d1bd; text-align: left; }
th { background: #e4dfca; }
td.n, th.n { text-align: right; font-variant-numeric: tabular-nums; width: 4.5em; }
table.bowling { width: 72%; }
tbody tr:nth-child(even) { background: #ebe7d7; }
tr.total td { font-weight: bold; border-top: 2px solid #18582f; border-bottom: none; }
p span { white-space: nowrap; }
.result { font-size: 17px; font-weight: bold; color: #18582f; margin-top: 24px; }
)";

    // Names come from team files anyone can edit: they are text, never markup.
    std::string Escape(const std::string& text)
    {
        std::string out;
        out.reserve(text.size());
        for (const char c : text) {
            switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
            }
        }
        return out;
    }

    std::string Cell(const std::string& text, bool number = false)
    {
        return std::string(number ? "<td class=\"n\">" : "<td>") + Escape(text) + "</td>";
    }

    std::string Cell(int number) { return Cell(std::to_string(number), true); }

    std::string Heads(std::initializer_list<const char*> heads, std::size_t textColumns)
    {
        std::string out = "<thead><tr>";
        std::size_t i = 0;
        for (const char* h : heads)
            out += std::string(i++ < textColumns ? "<th>" : "<th class=\"n\">") + h + "</th>";
        return out + "</tr></thead>\n";
    }

    std::string Batting(const InningsCard& innings)
    {
        std::string out = "<table class=\"batting\">\n"
            + Heads({ "Batsman", "How out", "R", "B", "4s", "6s", "SR" }, 2) + "<tbody>\n";
        for (const BattingLine& b : innings.batting)
            out += "<tr>" + Cell(b.name) + Cell(b.howOut) + Cell(b.runs) + Cell(b.balls)
                + Cell(b.fours) + Cell(b.sixes) + Cell(StrikeRate(b.runs, b.balls), true)
                + "</tr>\n";
        out += "</tbody>\n<tfoot><tr class=\"total\"><td colspan=\"2\">Total ("
            + Escape(TotalDetail(innings)) + ")</td>" + Cell(innings.runs)
            + "<td colspan=\"4\"></td></tr></tfoot>\n</table>\n";
        return out;
    }

    std::string Bowling(const InningsCard& innings)
    {
        std::string out = "<table class=\"bowling\">\n"
            + Heads({ "Bowler", "O", "M", "R", "W", "Econ" }, 1) + "<tbody>\n";
        for (const BowlingLine& b : innings.bowling)
            out += "<tr>" + Cell(b.name) + Cell(OversText(b.balls), true) + Cell(b.maidens)
                + Cell(b.runs) + Cell(b.wickets) + Cell(Economy(b), true) + "</tr>\n";
        return out + "</tbody>\n</table>\n";
    }

    std::string List(const std::string& head, const std::vector<std::string>& items)
    {
        std::string out = "<p><b>" + head + "</b> ";
        for (std::size_t i = 0; i < items.size(); ++i)
            out += std::string(i ? ", " : "") + "<span>" + Escape(items[i]) + "</span>";
        return out + "</p>\n";
    }

    std::string Innings(const InningsCard& innings)
    {
        std::string out = "<section>\n<h2>" + Escape(innings.country) + " innings</h2>\n";
        if (innings.enteredTotal)
            return out + "<p>A total of " + std::to_string(innings.runs)
                + " set to be chased.</p>\n</section>\n";
        out += Batting(innings);
        if (!innings.didNotBat.empty())
            out += List("Did not bat:", innings.didNotBat);
        if (!innings.fall.empty())
            out += List("Fall of wickets:", FallTexts(innings));
        return out + Bowling(innings) + "</section>\n";
    }
} // namespace

std::string HtmlEscape(const std::string& text) { return Escape(text); }

std::string HtmlPage(const std::string& title, const std::string& body, const std::string& style)
{
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<title>"
        + Escape(title) + "</title>\n<style>" + kStyle + style + "</style>\n</head>\n<body>\n"
        + body + "</body>\n</html>\n";
}

std::string ScorecardHtmlBody(const MatchCard& card)
{
    std::string out = "<h1>" + Escape(card.title) + "</h1>\n<p class=\"kept\">Kept "
        + Escape(card.played) + "." + (card.toss.empty() ? "" : " " + Escape(card.toss)) + "</p>\n";
    for (const InningsCard& innings : card.innings)
        out += Innings(innings);
    return out + "<p class=\"result\">" + Escape(card.result) + "</p>\n";
}

std::string ScorecardHtml(const MatchCard& card)
{
    return HtmlPage(card.title, ScorecardHtmlBody(card));
}

} // namespace stumpcraft
