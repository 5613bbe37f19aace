#include "modules/WorldCupPage.h"

#include "modules/Scorecard.h"
#include "modules/ScorecardFile.h"

namespace stumpcraft {

using namespace worldcup;

namespace {
    constexpr const char* kStyle = R"(
body { max-width: 1100px; }
td { white-space: nowrap; }
.groups { display: flex; gap: 24px; flex-wrap: wrap; }
.groups section { flex: 1 1 380px; }
table.fixtures td:first-child { width: 2.5em; text-align: right; }
.champion { font-size: 19px; font-weight: bold; color: #18582f; }
article { border-top: 3px solid #18582f; margin-top: 34px; }
)";

    std::string E(const std::string& text) { return HtmlEscape(text); }

    std::string Table(const Cup& cup, int g)
    {
        std::string out = "<section>\n<h2>Group " + GroupName(g)
            + "</h2>\n<table>\n<thead><tr><th class=\"n\"></th><th>Country</th><th class=\"n\">P"
              "</th><th class=\"n\">W</th><th class=\"n\">L</th><th class=\"n\">T</th><th "
              "class=\"n\">Pts</th><th class=\"n\">NRR</th></tr></thead>\n<tbody>\n";
        int place = 1;
        for (const TableRow& r : GroupTable(cup, g)) {
            out += "<tr><td class=\"n\">" + std::to_string(place++) + "</td><td>" + E(r.country)
                + "</td>";
            for (const int n : { r.played, r.won, r.lost, r.tied, r.points })
                out += "<td class=\"n\">" + std::to_string(n) + "</td>";
            out += "<td class=\"n\">" + r.NetRunRate() + "</td></tr>\n";
        }
        return out + "</tbody>\n</table>\n</section>\n";
    }

    std::string Fixtures(const Cup& cup)
    {
        std::string out = "<h2>Fixtures and results</h2>\n<table class=\"fixtures\">\n<thead><tr>"
                          "<th>No</th><th>Stage</th><th>Match</th><th>Scores</th><th>Result</th>"
                          "</tr></thead>\n<tbody>\n";
        for (int n = 1; n <= kMatches; ++n) {
            const Fixture f = FixtureOf(cup, n);
            out += "<tr><td>" + std::to_string(n) + "</td><td>" + E(StageName(f)) + "</td><td>"
                + E(f.label) + "</td>";
            if (n <= static_cast<int>(cup.played.size())) {
                const PlayedMatch& m = cup.played[static_cast<std::size_t>(n - 1)];
                const int first = m.battedFirst;
                out += "<td>" + E(InningsText(m.sides[first], m.innings[first])) + "; "
                    + E(InningsText(m.sides[1 - first], m.innings[1 - first]))
                    + "</td><td><a href=\"#match" + std::to_string(n) + "\">" + E(m.result)
                    + "</a></td>";
            } else {
                out += "<td></td><td>to be played</td>";
            }
            out += "</tr>\n";
        }
        return out + "</tbody>\n</table>\n";
    }
} // namespace

std::string WorldCupHtml(const Cup& cup)
{
    const std::string title = "World Cup " + std::to_string(cup.year);
    std::string body
        = "<h1>" + E(title) + ", " + std::to_string(cup.overs) + " overs a side</h1>\n";
    std::string people;
    for (const Entrant& e : cup.humans)
        people += (people.empty() ? "" : ", ") + E(e.player) + " (" + E(e.country) + ")";
    body += "<p class=\"kept\">Played by " + people + ".</p>\n";
    const std::string champion = Champion(cup);
    body += "<p class=\"champion\">"
        + (champion.empty() ? "Still in play: " + std::to_string(cup.played.size()) + " of "
                    + std::to_string(kMatches) + " matches played."
                            : E(champion) + " win the World Cup.")
        + "</p>\n";
    body += "<div class=\"groups\">\n" + Table(cup, 0) + Table(cup, 1) + "</div>\n";
    body += Fixtures(cup);
    for (const PlayedMatch& m : cup.played)
        body += "<article id=\"match" + std::to_string(m.number) + "\">\n" + m.cardHtml
            + "</article>\n";
    return HtmlPage(title, body, kStyle);
}

std::string KeepWorldCupPage(const Cup& cup, const std::tm& when)
{
    return KeepPage(when, "World Cup " + std::to_string(cup.year), WorldCupHtml(cup));
}

} // namespace stumpcraft
