#include "modules/NumberFormat.h"
#include "modules/modProcs.h"

#include <chrono>
#include <deque>
#include <random>
#include <stdexcept>
#include <string>

namespace stumpcraft {

namespace {
    // mt19937 is fully specified by the standard, so a seed gives the same draws with every
    // compiler; the mapping to 1..Max is ours for the same reason.
    struct Generator {
        std::mt19937 engine { static_cast<std::mt19937::result_type>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count()
            ^ std::random_device {}()) };
        std::deque<int> scripted;
    };

    Generator& Gen()
    {
        static Generator gen;
        return gen;
    }

    int DrawOne(int max)
    {
        Generator& gen = Gen();
        if (!gen.scripted.empty()) {
            const int v = gen.scripted.front();
            gen.scripted.pop_front();
            if (v < 1 || v > max)
                throw std::logic_error(
                    "scripted draw " + std::to_string(v) + " outside 1.." + std::to_string(max));
            return v;
        }
        // Int(Max * r) + 1 with r = u / 2^32 uniform in [0, 1).
        const std::uint64_t u = gen.engine();
        return static_cast<int>((u * static_cast<std::uint64_t>(max)) >> 32) + 1;
    }
} // namespace

int RandomDraw(int Count, int Max)
{
    if (Count < 1 || Max < 1)
        throw std::invalid_argument("RandomDraw needs Count >= 1 and Max >= 1");
    if (Count == 1)
        return DrawOne(Max); // every caller of the game: a plain draw
    long long sum = 0;
    for (int i = 0; i < Count; ++i)
        sum += DrawOne(Max);
    return static_cast<int>(RoundDiv(sum, Count));
}

void SeedRandomDraw(std::uint32_t seed)
{
    Gen().engine.seed(seed);
    Gen().scripted.clear();
}

void ScriptRandomDraw(const std::vector<int>& values)
{
    Gen().scripted.assign(values.begin(), values.end());
}

int ScriptedDrawsLeft() { return static_cast<int>(Gen().scripted.size()); }

} // namespace stumpcraft
