#include "modules/NumberFormat.h"
#include "modules/modProcs.h"

#include <chrono>
#include <random>
#include <stdexcept>
#include <string>

namespace stumpcraft {

namespace {
    // A small permuted congruential generator (64 bits of state, 32-bit draws): fully
    // specified here, so a seed gives the same draws with every compiler, and a draw costs a
    // multiply and a few shifts. The mapping to 1..Max is ours for the same reason.
    class Pcg32 {
    public:
        void Seed(std::uint64_t seed)
        {
            state_ = 0;
            Next();
            state_ += seed;
            Next();
        }
        std::uint32_t Next()
        {
            const std::uint64_t old = state_;
            state_ = old * 6364136223846793005ULL + kIncrement;
            const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
            const auto rot = static_cast<std::uint32_t>(old >> 59U);
            return (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
        }
        std::uint64_t State() const { return state_; }
        void Restore(std::uint64_t state) { state_ = state; }

    private:
        static constexpr std::uint64_t kIncrement = 1442695040888963407ULL;
        std::uint64_t state_ = 0;
    };

    struct Generator {
        Generator()
        {
            engine.Seed(static_cast<std::uint64_t>(
                            std::chrono::high_resolution_clock::now().time_since_epoch().count())
                ^ std::random_device {}());
        }
        Pcg32 engine;
        std::vector<int> scripted;
        std::size_t next = 0; // the first scripted value not drawn yet
    };

    Generator gen;

    int Scripted(int max)
    {
        const int v = gen.scripted[gen.next++];
        if (gen.next == gen.scripted.size()) {
            gen.scripted.clear();
            gen.next = 0;
        }
        if (v < 1 || v > max)
            throw std::logic_error(
                "scripted draw " + std::to_string(v) + " outside 1.." + std::to_string(max));
        return v;
    }

    int DrawOne(int max)
    {
        if (!gen.scripted.empty()) [[unlikely]]
            return Scripted(max);
        // Int(Max * r) + 1 with r = u / 2^32 uniform in [0, 1).
        const std::uint64_t u = gen.engine.Next();
        return static_cast<int>((u * static_cast<std::uint64_t>(max)) >> 32) + 1;
    }
} // namespace

int RandomDraw(int Count, int Max)
{
    if (Count == 1 && Max >= 1) [[likely]]
        return DrawOne(Max); // every caller of the game: a plain draw
    if (Count < 1 || Max < 1)
        throw std::invalid_argument("RandomDraw needs Count >= 1 and Max >= 1");
    long long sum = 0;
    for (int i = 0; i < Count; ++i)
        sum += DrawOne(Max);
    return static_cast<int>(RoundDiv(sum, Count));
}

void SeedRandomDraw(std::uint32_t seed)
{
    gen.engine.Seed(seed);
    gen.scripted.clear();
    gen.next = 0;
}

void ScriptRandomDraw(const std::vector<int>& values)
{
    gen.scripted = values;
    gen.next = 0;
}

std::uint64_t RandomDrawState() { return gen.engine.State(); }

void RestoreRandomDraw(std::uint64_t state)
{
    gen.engine.Restore(state);
    gen.scripted.clear();
    gen.next = 0;
}

int ScriptedDrawsLeft() { return static_cast<int>(gen.scripted.size() - gen.next); }

} // namespace stumpcraft
