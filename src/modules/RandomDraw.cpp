#include "modules/NumberFormat.h"
#include "modules/modProcs.h"

#include <chrono>
#include <random>
#include <stdexcept>
#include <string>

namespace stumpcraft {

namespace draw_detail {
    namespace {
        std::uint64_t Seeded(std::uint64_t seed)
        {
            std::uint64_t state = 0;
            Next(state);
            state += seed;
            Next(state);
            return state;
        }
    } // namespace

    // Seeded from the clock and the system's entropy, so every run of the game differs.
    Generator generator { Seeded(
        static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count())
        ^ std::random_device {}()) };
} // namespace draw_detail

namespace {
    using draw_detail::generator;

    std::vector<int> scripted;
    std::size_t next = 0; // the first scripted value not drawn yet

    int Scripted(int max)
    {
        const int v = scripted[next++];
        if (next == scripted.size()) {
            scripted.clear();
            next = 0;
            generator.scripted = false;
        }
        if (v < 1 || v > max)
            throw std::logic_error(
                "scripted draw " + std::to_string(v) + " outside 1.." + std::to_string(max));
        return v;
    }

    int DrawOne(int max)
    {
        if (generator.scripted)
            return Scripted(max);
        return draw_detail::InRange(draw_detail::Next(generator.state), max);
    }
} // namespace

int draw_detail::DrawOtherwise(int Count, int Max)
{
    if (Count < 1 || Max < 1)
        throw std::invalid_argument("RandomDraw needs Count >= 1 and Max >= 1");
    long long sum = 0;
    for (int i = 0; i < Count; ++i)
        sum += DrawOne(Max);
    return static_cast<int>(RoundDiv(sum, Count));
}

void SeedRandomDraw(std::uint32_t seed)
{
    generator.state = draw_detail::Seeded(seed);
    scripted.clear();
    next = 0;
    generator.scripted = false;
}

void ScriptRandomDraw(const std::vector<int>& values)
{
    scripted = values;
    next = 0;
    generator.scripted = !scripted.empty();
}

std::uint64_t RandomDrawState() { return generator.state; }

void RestoreRandomDraw(std::uint64_t state)
{
    generator.state = state;
    scripted.clear();
    next = 0;
    generator.scripted = false;
}

int ScriptedDrawsLeft() { return static_cast<int>(scripted.size() - next); }

} // namespace stumpcraft
