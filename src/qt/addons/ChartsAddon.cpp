// The charts add-on: the chart control's drawing with Qt Charts, opened with the first chart.
#include "platform/Chart.h"
#include "qt/ChartDrawing.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

namespace stumpcraft::qt {

namespace {

    QColor ToQColor(const Color& c, const QColor& unset)
    {
        return c.set ? QColor(c.r, c.g, c.b) : unset;
    }

    class ChartView : public QChartView, public ChartDrawing {
    public:
        // The view is made with its chart: one made without would make a chart of its own,
        // which giving it ours would leave behind, undeleted, with every match screen.
        explicit ChartView(QWidget* host)
            : QChartView(new QChart, host)
            , chart_(chart()) // the view owns the chart, the chart its axes and series
            , x_(new QValueAxis(chart_))
            , y_(new QValueAxis(chart_))
        {
            setRenderHint(QPainter::Antialiasing);
            setFrameShape(QFrame::NoFrame);
            // The chart is only looked at: the mouse reaches the view itself, which reports it
            // to the game as any panel does (a right click turns the match screen's tab).
            viewport()->setAttribute(Qt::WA_TransparentForMouseEvents);
            chart_->setAnimationOptions(QChart::NoAnimation);
            chart_->setBackgroundRoundness(0);
            chart_->layout()->setContentsMargins(0, 0, 0, 0);
            chart_->legend()->setAlignment(Qt::AlignTop);
            titleFont_ = chart_->titleFont();
            for (QValueAxis* axis : { x_, y_ }) {
                axis->setTickType(QValueAxis::TicksDynamic);
                axis->setTickAnchor(0);
                axis->setLabelFormat("%.0f");
                axis->setMinorTickCount(0);
            }
            chart_->addAxis(x_, Qt::AlignBottom);
            chart_->addAxis(y_, Qt::AlignLeft);
        }

        QWidget* View() override { return this; }

        void Draw(const ChartData& shown, const Look& look) override
        {
            zoom_ = look.zoom;
            ApplyZoom(look);
            Colour(look.back, look.fore);
            Axis(*x_, shown.X);
            Axis(*y_, shown.Y);
            chart_->setTitle(QString::fromStdString(shown.Title));
            chart_->removeAllSeries();
            for (const ChartSeries& series : shown.Series)
                Add(series);
            chart_->legend()->setVisible(shown.Legend);
            // Laid out now, legend included, not at the next pass of the event loop.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            chart_->layout()->activate();
        }

    protected:
        // Laid out at once when resized, rather than at the next pass of the event loop: a
        // snapshot taken straight after is drawn laid out.
        void resizeEvent(QResizeEvent* event) override
        {
            QChartView::resizeEvent(event);
            chart_->layout()->activate();
        }

    private:
        // Print, margins, lines and dots grow with the window.
        void ApplyZoom(const Look& look)
        {
            chart_->setMargins(look.margins);
            QFont title = titleFont_;
            title.setPointSizeF(titleFont_.pointSizeF() * zoom_);
            chart_->setTitleFont(title);
            chart_->legend()->setFont(look.small);
            for (QValueAxis* axis : { x_, y_ }) {
                axis->setLabelsFont(look.small);
                axis->setTitleFont(look.small);
            }
        }

        void Colour(const QColor& back, const QColor& fore)
        {
            QColor grid = back.lightness() < 128 ? back.lighter(150) : back.darker(115);
            chart_->setBackgroundBrush(back);
            chart_->setPlotAreaBackgroundVisible(false);
            chart_->setTitleBrush(fore);
            chart_->legend()->setLabelColor(fore);
            for (QValueAxis* axis : { x_, y_ }) {
                axis->setLabelsColor(fore);
                axis->setTitleBrush(fore);
                axis->setLinePenColor(fore);
                axis->setGridLineColor(grid);
            }
            setBackgroundBrush(back);
        }

        static void Axis(QValueAxis& axis, const ChartAxis& model)
        {
            axis.setTitleText(QString::fromStdString(model.Title));
            axis.setRange(model.Min, model.Max);
            axis.setTickInterval(model.TickInterval > 0 ? model.TickInterval : 1);
        }

        // Bars stand on zero: one area whose outline steps up and down bar by bar.
        QAbstractSeries* Bars(const ChartSeries& model, const QColor& colour) const
        {
            auto* outline = new QLineSeries;
            for (const ChartPoint& p : model.Points) {
                const double right = p.x + model.BarWidth;
                outline->append({ { p.x, 0 }, { p.x, p.y }, { right, p.y }, { right, 0 } });
            }
            auto* area = new QAreaSeries(outline);
            outline->setParent(area);
            area->setBrush(colour);
            area->setPen(QPen(colour.darker(130), 0.5 * zoom_));
            return area;
        }

        void Add(const ChartSeries& model)
        {
            const QColor colour = ToQColor(model.Colour, Qt::darkGray);
            QAbstractSeries* series = nullptr;
            if (model.Style == SeriesStyle::Bars) {
                series = Bars(model, colour);
            } else if (model.Style == SeriesStyle::Markers) {
                auto* dots = new QScatterSeries;
                dots->setMarkerShape(QScatterSeries::MarkerShapeCircle);
                dots->setMarkerSize(7 * zoom_);
                dots->setColor(colour);
                dots->setBorderColor(
                    colour.lightness() < 160 ? Qt::white : QColor(Qt::white).darker(110));
                for (const ChartPoint& p : model.Points)
                    dots->append(p.x, p.y);
                series = dots;
            } else {
                auto* line = new QLineSeries;
                QPen pen(colour, (model.Style == SeriesStyle::Dashed ? 1.2 : 2) * zoom_);
                if (model.Style == SeriesStyle::Dashed)
                    pen.setStyle(Qt::DashLine);
                line->setPen(pen);
                for (const ChartPoint& p : model.Points)
                    line->append(p.x, p.y);
                series = line;
            }
            series->setName(QString::fromStdString(model.Name));
            chart_->addSeries(series);
            series->attachAxis(x_);
            series->attachAxis(y_);
            if (model.Name.empty())
                for (QLegendMarker* marker : chart_->legend()->markers(series))
                    marker->setVisible(false);
        }

        QChart* chart_;
        QValueAxis* x_;
        QValueAxis* y_;
        QFont titleFont_;
        double zoom_ = 1;
    };

} // namespace

} // namespace stumpcraft::qt

extern "C" Q_DECL_EXPORT stumpcraft::qt::ChartDrawing* stumpcraft_make_chart_drawing(QWidget* host)
{
    return new stumpcraft::qt::ChartView(host);
}
