#include "sim/SeasonReport.h"

#include <algorithm>
#include <cstdio>

namespace stumpcraft::sim {

namespace {
    // printf-style formatting of one figure.
    template <typename... Args> std::string Format(const char* format, Args... args)
    {
        char buffer[64];
        const int n = std::snprintf(buffer, sizeof buffer, format, args...);
        return std::string(buffer, static_cast<std::size_t>(std::clamp(n, 0, 63)));
    }

    std::string PadRight(const std::string& text, std::size_t width)
    {
        return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
    }

    std::string PadLeft(const std::string& text, std::size_t width)
    {
        return text.size() >= width ? " " + text : std::string(width - text.size(), ' ') + text;
    }

    double Ratio(double num, double den) { return den > 0 ? num / den : 0; }

    // One observed-against-table pair of the calibration table.
    struct Measure {
        const char* name;
        const char* key;
        double seen;
        double table;
        bool percent;
    };

    std::vector<Measure> MeasuresOf(const LevelTally& t)
    {
        const double balls = static_cast<double>(t.balls);
        return {
            { "Runs an over", "runsPerOver", 6 * Ratio(static_cast<double>(t.runs), balls),
                6 * Ratio(t.tableRuns, balls), false },
            { "Dots", "dotsPerBall", Ratio(static_cast<double>(t.dots), balls),
                Ratio(t.tableDots, balls), true },
            { "Boundaries", "boundariesPerBall", Ratio(static_cast<double>(t.boundaries), balls),
                Ratio(t.tableBoundaries, balls), true },
            { "Outs", "outsPerBall", Ratio(static_cast<double>(t.outs), balls),
                Ratio(t.tableOuts, balls), true },
        };
    }

    std::string SidesTable(const SeasonTally& season)
    {
        std::size_t nameWidth = 6;
        for (const SideTally& side : season.sides)
            nameWidth = std::max(nameWidth, side.country.size() + 2);
        std::string out = PadRight("Side", nameWidth) + "Played    Won   Lost   Tied  Won %"
            + "  Average  Highest  100s  5 wkts\n";
        for (const SideTally& s : season.sides) {
            out += PadRight(s.country, nameWidth) + PadLeft(std::to_string(s.played), 6)
                + PadLeft(std::to_string(s.won), 7) + PadLeft(std::to_string(s.lost), 7)
                + PadLeft(std::to_string(s.tied), 7)
                + PadLeft(Format("%.1f", 100 * Ratio(s.won, s.played)), 7)
                + PadLeft(Format("%.1f", Ratio(static_cast<double>(s.runs), s.played)), 9)
                + PadLeft(std::to_string(s.highest), 9) + PadLeft(std::to_string(s.centuries), 6)
                + PadLeft(std::to_string(s.fiveWickets), 8) + "\n";
        }
        return out;
    }

    std::string Figure(const Measure& m, double v)
    {
        return m.percent ? Format("%.2f%%", 100 * v) : Format("%.2f", v);
    }

    std::string LevelsTable(const SeasonTally& season)
    {
        std::string head = "Level     Balls";
        std::string sub = "               ";
        for (const Measure& m : MeasuresOf(LevelTally {})) {
            head += PadLeft(m.name, 18);
            sub += "  observed   table";
        }
        std::string out = head + "\n" + sub + "\n";
        for (std::size_t i = 0; i < season.levels.size(); ++i) {
            const LevelTally& t = season.levels[i];
            out += PadRight(std::to_string(i + 1), 5) + PadLeft(std::to_string(t.balls), 10);
            for (const Measure& m : MeasuresOf(t)) {
                if (t.balls == 0)
                    out += PadLeft("-", 10) + PadLeft("-", 8);
                else
                    out += PadLeft(Figure(m, m.seen), 10) + PadLeft(Figure(m, m.table), 8);
            }
            out += "\n";
        }
        return out;
    }

    std::string JsonString(const std::string& text)
    {
        std::string out = "\"";
        for (const char c : text) {
            const auto u = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\')
                out += std::string("\\") + c;
            else if (u < 0x20)
                out += Format("\\u%04x", static_cast<unsigned>(u));
            else
                out += c;
        }
        return out + "\"";
    }
} // namespace

std::string SeasonTable(const SeasonTally& season)
{
    return "Stumpcraft season: " + std::to_string(season.matches) + " matches of "
        + std::to_string(season.overs) + " overs a side, seed " + std::to_string(season.seed)
        + "\n\n" + SidesTable(season) + "\n" + LevelsTable(season);
}

std::string SeasonJson(const SeasonTally& season)
{
    std::string out = "{\"matches\": " + std::to_string(season.matches)
        + ", \"overs\": " + std::to_string(season.overs)
        + ", \"seed\": " + std::to_string(season.seed) + ",\n \"sides\": [";
    for (std::size_t i = 0; i < season.sides.size(); ++i) {
        const SideTally& s = season.sides[i];
        out += std::string(i ? "," : "") + "\n  {\"country\": " + JsonString(s.country)
            + ", \"played\": " + std::to_string(s.played) + ", \"won\": " + std::to_string(s.won)
            + ", \"lost\": " + std::to_string(s.lost) + ", \"tied\": " + std::to_string(s.tied)
            + ", \"averageTotal\": " + Format("%.2f", Ratio(static_cast<double>(s.runs), s.played))
            + ", \"highestTotal\": " + std::to_string(s.highest)
            + ", \"centuries\": " + std::to_string(s.centuries)
            + ", \"fiveWicketInnings\": " + std::to_string(s.fiveWickets) + "}";
    }
    out += "],\n \"levels\": [";
    for (std::size_t i = 0; i < season.levels.size(); ++i) {
        const LevelTally& t = season.levels[i];
        out += std::string(i ? "," : "") + "\n  {\"level\": " + std::to_string(i + 1)
            + ", \"balls\": " + std::to_string(t.balls);
        for (const Measure& m : MeasuresOf(t)) {
            out += std::string(", \"") + m.key + "\": ";
            out += t.balls == 0 ? std::string("null")
                                : "{\"observed\": " + Format("%.4f", m.seen)
                    + ", \"table\": " + Format("%.4f", m.table) + "}";
        }
        out += "}";
    }
    return out + "]}\n";
}

} // namespace stumpcraft::sim
