// Rounding and the random draw: every rate the player reads and every outcome of the match
// goes through these two.
#include "fakes/FakeServices.h"
#include "modules/NumberFormat.h"
#include "modules/modProcs.h"

namespace stumpcraft {
namespace {

    // Catches run and strike rates shown wrongly rounded.
    TEST(NumberFormat, RatesRoundHalvesToEvenInShortestForm)
    {
        EXPECT_EQ(FormatRatio(7 * 100, 3), "233.33"); // strike rate 7 off 3
        EXPECT_EQ(FormatRatio(50 * 100, 50), "100");
        EXPECT_EQ(FormatRatio(27 * 6, 36), "4.5");
        EXPECT_EQ(FormatRatio(16 * 6, 18), "5.33");
        EXPECT_EQ(FormatRatio(1, 8), "0.12"); // 0.125: the even neighbour
        EXPECT_EQ(FormatRatio(3, 8), "0.38"); // 0.375
        EXPECT_EQ(FormatRatio(-1, 8), "-0.12");
        EXPECT_EQ(FormatRatio(0, 5), "0");
        EXPECT_EQ(FormatRatio(1, 20), "0.05");
        // A chase near the 16-bit limit stays exact.
        EXPECT_EQ(FormatRatio(32767LL * 6, 1), "196602");
    }

    // Catches a wrong bowling quota for 25 or 35 overs.
    TEST(NumberFormat, WholeRoundingIsBankers)
    {
        // The quota of 25 overs is Round(2.5) = 2, of 35 overs Round(3.5) = 4.
        EXPECT_EQ((std::vector<long long> { RoundDiv(25, 10), RoundDiv(35, 10), RoundDiv(15, 10),
                      RoundDiv(-15, 10), RoundDiv(-25, 10), RoundDiv(7, 2) }),
            (std::vector<long long> { 2, 4, 2, -2, -2, 4 }));
        EXPECT_THROW(RoundDiv(1, 0), std::domain_error);
    }

    // A typed total is read exactly, however it is written: a fraction rounds halves to even,
    // also where the half lies far behind the point, and the range is that of a 16-bit number.
    // The longest texts the box takes are answered at once and without running out of stack.
    TEST(NumberFormat, TypedNumbersAreReadExactly)
    {
        const std::string digits(100'000, '7');
        const std::pair<std::string, int> read[] = { { "+7", 7 }, { "7.", 7 }, { ".5", 0 },
            { "1.5", 2 }, { "0.5000000000000000000001", 1 }, { "2.5e1", 25 }, { "25E-1", 2 },
            { "-32768.5", -32768 }, { "32767.4999999999999999", 32767 }, { "0e99999", 0 },
            { "1e-400", 0 }, { "0.0000325e6", 32 },
            { std::string(100'000, '0') + "49." + digits, 50 } };
        for (const auto& [text, value] : read)
            EXPECT_EQ(ParseWholeNumber(text), value) << text.substr(0, 40);
        const auto errorOf = [](const std::string& text) {
            return fakes::ErrorOf([&] { ParseWholeNumber(text); }).Number();
        };
        using namespace std::string_literals;
        for (const std::string& overflow :
            { "32767.5"s, "99999"s, "1e5"s, "-32768.6"s, digits, "-" + digits, "1e" + digits })
            EXPECT_EQ(errorOf(overflow), errors::Overflow) << overflow.substr(0, 40);
        for (const std::string& nonsense : { ""s, "-"s, "."s, "1..2"s, "1e"s, "e5"s, "1e+"s,
                 "0x10"s, "1 2"s, digits + "x", std::string(30'000, '1') + "x" })
            EXPECT_EQ(errorOf(nonsense), errors::TypeMismatch) << nonsense.substr(0, 40);
    }

    // Catches draws out of range, which would play a result the table does not have.
    TEST(RandomDraw, ScriptedValuesComeFirstAndAverageWithHalvesToEven)
    {
        ScriptRandomDraw({ 4, 1, 2 });
        EXPECT_EQ(RandomDraw(1, 20), 4);
        EXPECT_EQ(RandomDraw(2, 5), 2); // (1 + 2) / 2 = 1.5 -> 2
        EXPECT_EQ(ScriptedDrawsLeft(), 0);
        ScriptRandomDraw({ 9 });
        EXPECT_THROW(RandomDraw(1, 5), std::logic_error) << "a script must fit the draw";
        ScriptRandomDraw({ 3, 4 });
        EXPECT_EQ(RandomDraw(2, 5), 4); // 3.5 -> 4
        EXPECT_THROW(RandomDraw(1, 0), std::invalid_argument);
    }

} // namespace
} // namespace stumpcraft
