#include "qt/ChartBinding.h"

#include "platform/Chart.h"
#include "qt/Addons.h"
#include "qt/ChartDrawing.h"
#include "qt/Renderer.h"

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

    // The drawing of a chart made in host, by the charts add-on; null when the add-on cannot
    // be opened (a broken installation), which leaves the chart's place empty.
    ChartDrawing* MakeDrawing(QWidget* host)
    {
        static const auto make
            = reinterpret_cast<MakeChartDrawing>(AddonFunction(kChartsAddon, kMakeChartDrawing));
        return make ? make(host) : nullptr;
    }

    class ChartBinding : public ControlBinding {
    public:
        ChartBinding(Chart& model, ChartDrawing* drawing, QWidget* view, FormWindow& window)
            : ControlBinding(model, view, window)
            , drawing_(drawing) // goes with its view
        {
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
            shown_ = data;
            back_ = m.BackColor;
            fore_ = m.ForeColor;
            if (drawing_)
                drawing_->Draw(data,
                    { ToQColor(back_, Qt::white), ToQColor(fore_, Qt::black), zoom_,
                        SmallFont(zoom_), QMargins(Scaled(2), 0, Scaled(8), Scaled(2)) });
        }

    private:
        ChartDrawing* drawing_;
        ChartData shown_;
        Color back_, fore_;
        double zoom_ = 1;
        bool built_ = false;
    };

} // namespace

ControlBinding* CreateChartBinding(Control& control, QWidget* host, FormWindow& window)
{
    ChartDrawing* drawing = MakeDrawing(host);
    QWidget* view = drawing ? drawing->View() : new QWidget(host);
    return new ChartBinding(static_cast<Chart&>(control), drawing, view, window);
}

} // namespace stumpcraft::qt
