#include "modules/MatchCharts.h"

#include "modules/ChartColours.h"
#include "modules/modVars.h"

#include <algorithm>
#include <cmath>

namespace stumpcraft {

namespace {
    constexpr double kBarWidth = 0.4;

    // A step of 1, 2 or 5 times a power of ten that cuts `span` into at most `parts` pieces.
    double NiceStep(double span, int parts)
    {
        for (double power = 1;; power *= 10)
            for (const double m : { 1.0, 2.0, 5.0 })
                if (span / (m * power) <= parts)
                    return m * power;
    }

    // An axis from 0 that holds `top` with a little room above it.
    ChartAxis RunsAxis(const std::string& title, double top, double least)
    {
        const double wanted = std::max(top * 1.06, least);
        const double step = NiceStep(wanted, 6);
        return { title, 0, std::ceil(wanted / step) * step, step };
    }

    Color SideColour(int side) { return look::kSideColours[side == 1 ? 1 : 0]; }

    std::string SideName(int side) { return Teams[side].Country; }

    // Who batted innings i, or bats it now before its first ball; -1 for an innings not begun
    // (or a one-innings game's entered total).
    int InningsSide(std::size_t i)
    {
        const int side = History.innings[i].side;
        if (side >= 0)
            return side;
        return i == (FirstInnings ? 0u : 1u) ? CurrBatSide : -1;
    }
} // namespace

ChartData WormChart()
{
    ChartData chart;
    chart.X = { "Overs", 0, static_cast<double>(Overs), NiceStep(Overs, 10) };
    double top = 0;
    for (std::size_t i = 0; i < History.innings.size(); ++i) {
        const InningsHistory& h = History.innings[i];
        const int side = InningsSide(i);
        if (side < 0)
            continue;
        ChartSeries worm { SideName(side), SeriesStyle::Line, SideColour(side), {}, 0 };
        ChartSeries wickets { {}, SeriesStyle::Markers, SideColour(side), {}, 0 };
        worm.Points.reserve(h.balls.size() + 1);
        worm.Points.push_back({ 0, 0 });
        int runs = 0;
        for (std::size_t b = 0; b < h.balls.size(); ++b) {
            runs += h.balls[b].runs;
            const ChartPoint at { static_cast<double>(b + 1) / 6, static_cast<double>(runs) };
            worm.Points.push_back(at);
            if (h.balls[b].wicket)
                wickets.Points.push_back(at);
        }
        top = std::max(top, static_cast<double>(runs));
        chart.Series.push_back(std::move(worm));
        chart.Series.push_back(std::move(wickets));
    }
    if (!FirstInnings) {
        const int target = Teams[FirstBatSide].Runs + 1;
        top = std::max(top, static_cast<double>(target));
        chart.Series.push_back({ "Target " + std::to_string(target), SeriesStyle::Dashed,
            look::kTargetLine, { { 0, double(target) }, { double(Overs), double(target) } }, 0 });
    }
    chart.Y = RunsAxis("Runs", top, 50);
    return chart;
}

ChartData ManhattanChart()
{
    ChartData chart;
    chart.X = { "Over", 0.5, Overs + 0.5, NiceStep(Overs, 10) };
    // Wicket dots stack above their bar, a fixed share of the tallest over apart.
    int tallest = 6;
    for (const InningsHistory& h : History.innings)
        for (const OverRecord& over : h.overs)
            tallest = std::max(tallest, over.runs);
    const double gap = tallest / 9.0;
    double top = tallest;
    for (std::size_t i = 0; i < History.innings.size(); ++i) {
        const InningsHistory& h = History.innings[i];
        const int side = InningsSide(i);
        if (side < 0)
            continue;
        ChartSeries bars { SideName(side), SeriesStyle::Bars, SideColour(side), {}, kBarWidth };
        ChartSeries wickets { {}, SeriesStyle::Markers, SideColour(side), {}, 0 };
        // Over n's bars stand side by side either side of n: the first innings on the left.
        const double left = i == 0 ? -kBarWidth : 0;
        for (std::size_t k = 0; k < h.overs.size(); ++k) {
            const OverRecord& over = h.overs[k];
            const double x = static_cast<double>(k + 1) + left;
            bars.Points.push_back({ x, static_cast<double>(over.runs) });
            for (int w = 0; w < over.wickets; ++w) {
                const double y = over.runs + (w + 0.7) * gap;
                wickets.Points.push_back({ x + kBarWidth / 2, y });
                top = std::max(top, y + gap / 2);
            }
        }
        chart.Series.push_back(std::move(bars));
        chart.Series.push_back(std::move(wickets));
    }
    chart.Y = RunsAxis("Runs in the over", top, 12);
    chart.Legend = false; // the worm above names the sides in the same colours
    return chart;
}

} // namespace stumpcraft
