#pragma once

#include "qt/ControlWidgets.h"

namespace stumpcraft::qt {

// The widget of a chart control: a Qt Charts view, made by the charts add-on, that draws the
// model's series over its two value axes, in the control's colours, and draws them afresh
// whenever the data changes.
ControlBinding* CreateChartBinding(Control& control, QWidget* host, FormWindow& window);

} // namespace stumpcraft::qt
