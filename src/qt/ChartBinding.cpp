#include "qt/ChartBinding.h"

#include "platform/Chart.h"
#include "qt/Renderer.h"

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

    QFont SmallFont(double zoom)
    {
        QFont font = WindowFont();
        font.setPointSizeF(8 * zoom);
        return font;
    }

    // A chart view that lays its chart out at once when it is resized, rather than at the next
    // pass of the event loop: a snapshot taken straight after is drawn laid out.
    class ChartView : public QChartView {
    public:
        using QChartView::QChartView;

    protected:
        void resizeEvent(QResizeEvent* event) override
        {
            QChartView::resizeEvent(event);
            if (chart())
                chart()->layout()->activate();
        }
    };

    class ChartBinding : public ControlBinding {
    public:
        ChartBinding(Chart& model, QChartView* view, FormWindow& window)
            : ControlBinding(model, view, window)
            , view_(view)
            , chart_(view->chart()) // the view owns the chart, the chart its axes and series
            , x_(new QValueAxis(chart_))
            , y_(new QValueAxis(chart_))
        {
            view_->setRenderHint(QPainter::Antialiasing);
            view_->setFrameShape(QFrame::NoFrame);
            // The chart is only looked at: the mouse reaches the view itself, which reports it
            // to the game as any panel does (a right click turns the match screen's tab).
            view_->viewport()->setAttribute(Qt::WA_TransparentForMouseEvents);
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

    protected:
        bool IsSurface() const override { return true; }
        void SyncKind() override
        {
            const auto& m = static_cast<const Chart&>(*Model());
            const ChartData& data = m.Data;
            if (built_ && data == shown_ && m.BackColor() == back_ && m.ForeColor() == fore_
                && zoom_ == Zoom())
                return;
            built_ = true;
            zoom_ = Zoom();
            ApplyZoom();
            shown_ = data;
            back_ = m.BackColor;
            fore_ = m.ForeColor;
            Colour();
            Axis(*x_, data.X);
            Axis(*y_, data.Y);
            chart_->setTitle(QString::fromStdString(data.Title));
            chart_->removeAllSeries();
            for (const ChartSeries& series : data.Series)
                Add(series);
            chart_->legend()->setVisible(data.Legend);
            // Laid out now, legend included, not at the next pass of the event loop.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            chart_->layout()->activate();
        }

    private:
        // Print, margins, lines and dots grow with the window.
        void ApplyZoom()
        {
            chart_->setMargins(QMargins(Scaled(2), 0, Scaled(8), Scaled(2)));
            QFont title = titleFont_;
            title.setPointSizeF(titleFont_.pointSizeF() * zoom_);
            chart_->setTitleFont(title);
            chart_->legend()->setFont(SmallFont(zoom_));
            for (QValueAxis* axis : { x_, y_ }) {
                axis->setLabelsFont(SmallFont(zoom_));
                axis->setTitleFont(SmallFont(zoom_));
            }
        }

        void Colour()
        {
            const QColor back = ToQColor(back_, Qt::white);
            const QColor fore = ToQColor(fore_, Qt::black);
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
            view_->setBackgroundBrush(back);
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

        QChartView* view_;
        QChart* chart_;
        QValueAxis* x_;
        QValueAxis* y_;
        ChartData shown_;
        Color back_, fore_;
        QFont titleFont_;
        double zoom_ = 1;
        bool built_ = false;
    };

} // namespace

ControlBinding* CreateChartBinding(Control& control, QWidget* host, FormWindow& window)
{
    // The view is made with its chart: one made without would make a chart of its own, which
    // giving it ours would leave behind, undeleted, with every match screen.
    return new ChartBinding(static_cast<Chart&>(control), new ChartView(new QChart, host), window);
}

} // namespace stumpcraft::qt
