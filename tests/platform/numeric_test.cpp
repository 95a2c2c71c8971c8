#include <gtest/gtest.h>

#include "platform/numeric.h"

#include <cfenv>
#include <cmath>

// Rounding against the floating-point unit's own round-half-to-even: every
// half from -40000 to 40000 and points just beside them.
TEST(Numeric, RoundsHalvesToEvenAndCIntOverflowsOutside16Bits)
{
    ASSERT_EQ(std::fegetround(), FE_TONEAREST);
    for (int twice = -80000; twice <= 80000; ++twice) {
        for (const double v : {twice / 2.0, twice / 2.0 + 0.0714, twice / 2.0 - 0.0714}) {
            const double even = std::nearbyint(v);
            ASSERT_EQ(RoundHalfEven(v), even) << v;
            if (even >= -32768 && even <= 32767) {
                ASSERT_EQ(CInt(v), even) << v;
                continue;
            }
            try {
                CInt(v);
                FAIL() << "no overflow at " << v;
            } catch (const RuntimeError& e) {
                ASSERT_EQ(e.number(), kErrOverflow) << v;
            }
        }
    }
}

TEST(Numeric, IntIsFloorAlsoForNegatives)
{
    for (const double v : {2.7, -2.5, -3.0, 0.0, -0.1, 7.0})
        EXPECT_EQ(Int(v), std::floor(v)) << v;
}

TEST(Numeric, ValReadsTheNumericPrefixAndStrPutsABlankBeforeNonNegatives)
{
    const std::pair<const char*, double> read[] = {{"12;34;", 12},  {"   -7abc", -7}, {"2.5e1x", 25}, {"3e", 3},
                                                   {".5", 0.5},     {"abc", 0},       {"", 0},        {"-", 0}};
    for (const auto& [text, value] : read)
        EXPECT_EQ(Val(QString::fromLatin1(text)), value) << text;
    const std::pair<double, const char*> written[] = {{57, " 57"}, {0, " 0"}, {-3, "-3"}, {1.5, " 1.5"}};
    for (const auto& [value, text] : written)
        EXPECT_EQ(Str(value), QString::fromLatin1(text)) << value;
}
