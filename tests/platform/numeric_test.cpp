#include <gtest/gtest.h>

#include "platform/numeric.h"

TEST(Numeric, RoundsHalvesToEven)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(-0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
    EXPECT_EQ(RoundHalfEven(0.9286), 1.0);
    EXPECT_EQ(CInt(17.5), 18);
    EXPECT_EQ(CInt(10.5), 10);
}

TEST(Numeric, CIntOverflowsOutside16Bits)
{
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(-32768.0), -32768);
    try {
        CInt(32767.5);
        FAIL() << "no overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), kErrOverflow);
    }
    EXPECT_THROW(CInt(-40000), RuntimeError);
}

TEST(Numeric, IntIsFloorAlsoForNegatives)
{
    EXPECT_EQ(Int(2.7), 2.0);
    EXPECT_EQ(Int(-2.5), -3.0);
    EXPECT_EQ(Int(-3.0), -3.0);
}

TEST(Numeric, ValReadsTheNumericPrefix)
{
    EXPECT_EQ(Val("12;34;"), 12.0);
    EXPECT_EQ(Val("   -7abc"), -7.0);
    EXPECT_EQ(Val("2.5e1x"), 25.0);
    EXPECT_EQ(Val("3e"), 3.0);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("abc"), 0.0);
    EXPECT_EQ(Val(""), 0.0);
    EXPECT_EQ(Val("-"), 0.0);
}

TEST(Numeric, StrPutsABlankBeforeNonNegativeNumbers)
{
    EXPECT_EQ(Str(57), " 57");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-3), "-3");
    EXPECT_EQ(Str(1.5), " 1.5");
}
