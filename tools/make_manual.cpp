// make_manual: the manual beside the program, made from its text in data/ with the tables that
// the game's own rules give filled in, so that the manual and the game never disagree.
//
//     make_manual <manual.htm> <output.htm>
//
// Markers in the text, each on a line of its own, are replaced by their table:
//     <!-- table: level odds -->    each batting level's runs and chances of a ball
//     <!-- table: quota -->         the overs each bowler may bowl, for every length of game
// A marker the tool does not know, or a known one missing from the text, is an error.
#include "modules/LevelOdds.h"
#include "modules/OutcomeTable.h"
#include "modules/Quota.h"
#include "modules/modVars.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>

using namespace stumpcraft;

namespace {

// One ball in how many, rounded.
std::string OneIn(double p) { return p > 0 ? std::to_string(std::lround(1 / p)) : "never"; }

std::string Cell(const std::string& text, const char* tag = "td")
{
    return std::string("<") + tag + ">" + text + "</" + tag + ">";
}

// The batsmen the table follows when he is out: his batting and his bowling rating.
struct Batsman {
    const char* heading;
    int bat, ball;
};
constexpr Batsman kBatsmen[3]
    = { { "Out: top batsman", 5, 1 }, { "Out: all-rounder", 3, 3 }, { "Out: tail-ender", 1, 5 } };

// Runs and results for an all-rounder, and how often each kind of batsman is out.
std::string LevelOddsTable()
{
    std::string out = "<table class=\"odds\">\n<thead><tr>" + Cell("Level", "th")
        + Cell("Runs an over", "th") + Cell("Dot ball", "th") + Cell("Single", "th")
        + Cell("Four or six", "th");
    for (const Batsman& b : kBatsmen)
        out += Cell(b.heading, "th");
    out += "</tr></thead>\n<tbody>\n";
    for (int level = 1; level <= kLevelCount; ++level) {
        const LevelOdds mid = OddsOf(level, 3, 3);
        out += "<tr>" + Cell(std::to_string(level)) + Cell(OddsTenths(mid.RunsPerOver()))
            + Cell(OddsPercent(mid.chance[DotBall])) + Cell(OddsPercent(mid.chance[1]))
            + Cell(OddsPercent(mid.Boundary()));
        for (const Batsman& b : kBatsmen)
            out += Cell("1 in " + OneIn(OddsOf(level, b.bat, b.ball).chance[Out]));
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>";
    return out;
}

std::string QuotaTable()
{
    std::string overs = "<tr>" + Cell("Overs a side", "th");
    std::string quota = "<tr>" + Cell("Overs a bowler", "th");
    for (int o : { 10, 20, 25, 30, 35, 40, 50 }) {
        Overs = o;
        overs += Cell(std::to_string(o));
        quota += Cell(std::to_string(QuotaBalls() / 6));
    }
    return "<table class=\"quota\">\n" + overs + "</tr>\n" + quota + "</tr>\n</table>";
}

int Fail(const std::string& message)
{
    std::cerr << "make_manual: " << message << "\n";
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Fail("usage: make_manual <manual.htm> <output.htm>");
    std::ifstream in(argv[1]);
    if (!in)
        return Fail(std::string("cannot open ") + argv[1]);
    const std::map<std::string, std::function<std::string()>> tables {
        { "level odds", LevelOddsTable }, { "quota", QuotaTable }
    };
    std::map<std::string, int> used;
    const std::string open = "<!-- table: ", close = " -->";
    std::ostringstream out;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const auto at = line.find(open);
        if (at == std::string::npos) {
            out << line << "\n";
            continue;
        }
        const auto end = line.find(close, at);
        const std::string name = line.substr(at + open.size(), end - at - open.size());
        const auto table = tables.find(name);
        if (end == std::string::npos || table == tables.end())
            return Fail(std::string(argv[1]) + ":" + std::to_string(number) + ": no table \"" + name
                + "\"");
        out << table->second() << "\n";
        ++used[name];
    }
    for (const auto& [name, make] : tables)
        if (!used.contains(name))
            return Fail(std::string(argv[1]) + ": the table \"" + name + "\" has no place");
    std::ofstream file(argv[2], std::ios::trunc);
    file << out.str();
    file.close();
    if (!file)
        return Fail(std::string("cannot write ") + argv[2]);
    return 0;
}
