#include "qt/WindowZoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace stumpcraft::qt {

namespace {

    struct Opening {
        double chosen = 1; // what the program chose, for Ctrl+0
        double current = 1; // what new windows open at
        bool fitScreen = false;
    };
    Opening& opening()
    {
        static Opening state;
        return state;
    }

    // The screen the layouts were drawn for.
    constexpr QSize kDesignScreen(800, 600);

} // namespace

double ClampZoom(double zoom) { return std::clamp(zoom, kMinZoom, kMaxZoom); }

double SteppedZoom(double zoom, int steps)
{
    const double grid = std::round(zoom / kZoomStep);
    return ClampZoom((grid + steps) * kZoomStep);
}

double ZoomToFit(const QSize& model, const QSize& room)
{
    if (model.width() <= 0 || model.height() <= 0)
        return 1;
    return ClampZoom(std::min(static_cast<double>(room.width()) / model.width(),
        static_cast<double>(room.height()) / model.height()));
}

double ZoomForScreen(const QSize& available)
{
    const double fit = std::min(static_cast<double>(available.width()) / kDesignScreen.width(),
        static_cast<double>(available.height()) / kDesignScreen.height());
    // Whole steps, rounded down so that the suggestion is never too big.
    const double stepped = std::floor(fit / kZoomStep + 1e-9) * kZoomStep;
    return std::clamp(stepped, 1.0, kMaxZoom);
}

int Scaled(int length, double zoom) { return static_cast<int>(std::lround(length * zoom)); }

QRect Scaled(const QRect& model, double zoom)
{
    const int left = Scaled(model.left(), zoom);
    const int top = Scaled(model.top(), zoom);
    const int right = Scaled(model.left() + model.width(), zoom);
    const int bottom = Scaled(model.top() + model.height(), zoom);
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

QSize Scaled(const QSize& model, double zoom)
{
    return Scaled(QRect(QPoint(), model), zoom).size();
}

QPoint Unscaled(const QPoint& drawn, double zoom)
{
    return QPoint(static_cast<int>(std::floor(drawn.x() / zoom + 1e-9)),
        static_cast<int>(std::floor(drawn.y() / zoom + 1e-9)));
}

void SetOpeningZoom(double zoom, bool fitScreen)
{
    opening() = { ClampZoom(zoom), ClampZoom(zoom), fitScreen };
}

double OpeningZoom() { return opening().current; }
double ChosenZoom() { return opening().chosen; }
bool ZoomFitsScreen() { return opening().fitScreen; }
void KeepPlayersZoom(double zoom) { opening().current = ClampZoom(zoom); }

double ZoomForNewWindow(const QSize& model, const QSize& available)
{
    const double zoom = opening().current;
    if (!opening().fitScreen || zoom <= 1)
        return zoom;
    const double fit = ZoomToFit(model, available - kFrameRoom);
    return std::max(1.0, std::min(zoom, fit));
}

void ZoomForThisScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        SetOpeningZoom(ZoomForScreen(screen->availableGeometry().size()), true);
}

} // namespace stumpcraft::qt
