#pragma once

#include <QColor>
#include <QFont>
#include <QMargins>

class QWidget;

namespace stumpcraft {
struct ChartData;
}

namespace stumpcraft::qt {

// A chart drawn with Qt Charts, in the charts add-on (see Addons.h). The game holds it by this
// face alone, so that nothing of Qt Charts is loaded before the first chart is made.
class ChartDrawing {
public:
    // How the chart looks besides its data.
    struct Look {
        QColor back, fore; // background; titles, labels and legend
        double zoom = 1; // print, lines and dots grow with the window
        QFont small; // the labels' and legend's print at that zoom
        QMargins margins; // around the plot, at that zoom
    };

    // The view goes with its host, as any child widget does.
    virtual ~ChartDrawing() = default;
    // The widget the chart is drawn in, a child of the host it was made in.
    virtual QWidget* View() = 0;
    // Draws the data afresh, laid out at once rather than at the event loop's next pass.
    virtual void Draw(const ChartData& data, const Look& look) = 0;
};

// The add-on and the function in it that makes a chart's drawing in a host widget.
inline constexpr char kChartsAddon[] = "stumpcraft-charts";
inline constexpr char kMakeChartDrawing[] = "stumpcraft_make_chart_drawing";
using MakeChartDrawing = ChartDrawing* (*)(QWidget* host);

} // namespace stumpcraft::qt
