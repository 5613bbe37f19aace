#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace stumpcraft {

// Thrown when code addresses an element outside an array of the match state or of a team list.
// Such an index is a program error, never a game situation, so it must stop loudly.
class IndexError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// A fixed-size array whose operator[] checks its bounds. The match state is addressed by
// indexes computed during play (wickets, slots, sides); a wrong one must not scribble over
// a neighbouring field.
template <typename T, std::size_t N> class CheckedArray {
public:
    constexpr T& operator[](int i) { return items_[Check(i)]; }
    constexpr const T& operator[](int i) const { return items_[Check(i)]; }

    static constexpr int size() { return static_cast<int>(N); }
    constexpr auto begin() { return items_.begin(); }
    constexpr auto end() { return items_.end(); }
    constexpr auto begin() const { return items_.begin(); }
    constexpr auto end() const { return items_.end(); }

    friend bool operator==(const CheckedArray&, const CheckedArray&) = default;

    std::array<T, N> items_ {};

private:
    // One unsigned comparison (a negative index wraps past N), the throw kept out of line:
    // the engine indexes the state a few dozen times a ball.
    static constexpr std::size_t Check(int i)
    {
        const auto at = static_cast<std::size_t>(static_cast<unsigned>(i));
        if (at >= N) [[unlikely]]
            Outside(i);
        return at;
    }
    [[noreturn, gnu::cold, gnu::noinline]] static void Outside(int i)
    {
        throw IndexError("index " + std::to_string(i) + " outside 0.." + std::to_string(N - 1));
    }
};

} // namespace stumpcraft
