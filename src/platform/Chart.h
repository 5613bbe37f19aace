#pragma once

#include "platform/Controls.h"

#include <string>
#include <vector>

namespace stumpcraft {

// A chart as data: series of points over two numeric axes, with their titles. The renderer
// draws it; a window model only says what it shows, so tests read a chart as the player
// would see it.

struct ChartPoint {
    double x = 0;
    double y = 0;

    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

enum class SeriesStyle {
    Line, // points joined in order
    Dashed, // the same, dashed: a line to read against, such as a target
    Bars, // each point a bar from x to x + BarWidth, y high, standing on zero
    Markers, // a dot at each point
};

struct ChartSeries {
    std::string Name; // in the legend; an unnamed series is not listed there
    SeriesStyle Style = SeriesStyle::Line;
    Color Colour;
    std::vector<ChartPoint> Points;
    double BarWidth = 0;

    friend bool operator==(const ChartSeries&, const ChartSeries&) = default;
};

struct ChartAxis {
    std::string Title;
    double Min = 0;
    double Max = 1;
    // A labelled tick at every multiple of this within Min..Max.
    double TickInterval = 1;

    friend bool operator==(const ChartAxis&, const ChartAxis&) = default;
};

struct ChartData {
    std::string Title;
    ChartAxis X;
    ChartAxis Y;
    std::vector<ChartSeries> Series; // drawn in order, later over earlier
    bool Legend = true; // the named series listed above the chart

    friend bool operator==(const ChartData&, const ChartData&) = default;
};

// A chart control. BackColor is its background, ForeColor its titles, labels and legend.
// Assigning Data tells the peer once, however much changed.
class Chart : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::Chart; }

    Prop<ChartData> Data { this, ChartData {} };
};

} // namespace stumpcraft
