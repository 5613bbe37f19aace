#include "modules/WorldCupChart.h"

#include <algorithm>

namespace stumpcraft::worldcup {

namespace {
    // Six colours that stay apart on the pitch green.
    constexpr Color kRaceColours[kGroupSize] = { RGB(255, 200, 40), RGB(120, 200, 255),
        RGB(255, 120, 120), RGB(200, 255, 140), RGB(230, 150, 255), RGB(255, 255, 255) };
} // namespace

ChartData PointsRaceChart(const Cup& cup, int g)
{
    ChartData chart;
    chart.Title = "Group " + GroupName(g) + ": points after each round";
    const int played = std::min<int>(static_cast<int>(cup.played.size()), kGroupStage);
    // A round counts once both groups have played it.
    const int rounds = played / 6;
    const auto race = PointsRace(cup, g);
    const auto group = GroupOf(cup, g);
    int top = 2;
    for (int i = 0; i < kGroupSize; ++i) {
        ChartSeries line { group[static_cast<std::size_t>(i)], SeriesStyle::Line, kRaceColours[i],
            {}, 0 };
        for (int r = 0; r <= rounds; ++r) {
            const int points = race[static_cast<std::size_t>(i)][static_cast<std::size_t>(r)];
            // Sides level on points stand a hair apart, so that every line shows.
            const double apart = 0.08 * (i - (kGroupSize - 1) / 2.0);
            line.Points.push_back({ static_cast<double>(r), points + apart });
            top = std::max(top, points);
        }
        chart.Series.push_back(std::move(line));
    }
    chart.X = { "Round", 0, static_cast<double>(kRounds), 1 };
    // Room above the leaders, to the next even number of points.
    chart.Y = { "Points", 0, static_cast<double>(std::max(4, (top + 2) / 2 * 2)), 2 };
    return chart;
}

} // namespace stumpcraft::worldcup
