#pragma once

#include "modules/WorldCup.h"

#include <ctime>
#include <string>

namespace stumpcraft {

// The whole World Cup as one page: both group tables, the fixtures with their results, and
// the card of every match played.
std::string WorldCupHtml(const worldcup::Cup& cup);

// Keeps that page in the Scorecards folder ("<moment> World Cup <year>.html") and returns
// its path. Throws RuntimeError when it cannot be written.
std::string KeepWorldCupPage(const worldcup::Cup& cup, const std::tm& when);

} // namespace stumpcraft
