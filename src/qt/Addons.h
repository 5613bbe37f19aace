#pragma once

#include <QtGlobal>

namespace stumpcraft::qt {

// The parts of the game the main menu does not need, and that bring big libraries with them,
// live in add-ons of their own, opened when they are first needed: the match screen's charts
// (Qt Charts, with OpenGL behind it) and the commentator's voice (Qt's text to speech). The
// game starts without either library loaded.
//
// An add-on lies beside the program (run from its build folder) or, installed, in the
// package's library folder. Returns the function of that name in the add-on
// ("stumpcraft-charts" is libstumpcraft-charts.so), or null when the add-on is not there or
// cannot be opened; the first failure of each add-on is told on the standard error.
QFunctionPointer AddonFunction(const char* addon, const char* function);

} // namespace stumpcraft::qt
