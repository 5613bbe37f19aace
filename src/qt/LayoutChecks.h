#pragma once

#include "platform/Form.h"

#include <string>
#include <vector>

namespace stumpcraft::qt {

// Checks of a rendered window that every window's tests share: a caption that does not fit
// is cut off on the user's screen, and overlapping controls hide each other.

// "lblDesc(3)" for a control of an array, "cmdHelp" for any other.
std::string DisplayName(const Control& control);

// True when the control's caption shows whole in its widget, in the font it is drawn with.
// Controls without a caption fit. The control's form must have a window (shown or not);
// std::logic_error otherwise.
bool CaptionFits(const Control& control);

// The controls of a form whose Visible is set and whose caption does not fit.
std::vector<std::string> CaptionsThatDoNotFit(const Form& form);

// Pairs "a / b" of sibling controls (same container, same page), both with Visible set, whose
// rectangles overlap. The check reads the model only.
std::vector<std::string> OverlappingSiblings(const Form& form);

// Controls with Visible set that reach outside their container's area (a page of a tab strip,
// or the window's inner area). The check reads the model only.
std::vector<std::string> ControlsOutsideContainer(const Form& form);

} // namespace stumpcraft::qt
