#pragma once

#include <cstdint>

namespace stumpcraft {

// An RGB colour as the game names them, or the toolkit's default for the control ("unset").
struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    bool set = false;

    friend constexpr bool operator==(const Color&, const Color&) = default;
};

constexpr Color RGB(int r, int g, int b)
{
    return Color { static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
        static_cast<std::uint8_t>(b), true };
}

} // namespace stumpcraft
