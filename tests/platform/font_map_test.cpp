#include <gtest/gtest.h>

#include "platform/font_map.h"

#include <cmath>

TEST(FontMap, WindowsNamesGetLinuxFonts)
{
    EXPECT_EQ(MapFontFamily("Arial"), "Liberation Sans");
    EXPECT_EQ(MapFontFamily("ms sans serif"), "Liberation Sans");
    EXPECT_EQ(MapFontFamily("Symbol"), "DejaVu Sans");
    EXPECT_EQ(MapFontFamily("Courier New"), "Courier New");
}

TEST(FontMap, SymbolCodesBecomeTheirGlyphs)
{
    // The OR gate's label: greater-than-or-equal and "1".
    EXPECT_EQ(SymbolToUnicode(QString(QChar(0xB3)) + "1"), QString(QChar(0x2265)) + "1");
    EXPECT_EQ(SymbolToUnicode("ab"), QString(QChar(0x03B1)) + QChar(0x03B2));
    EXPECT_EQ(SymbolToUnicode("=1&"), "=1&");
}

TEST(FontMap, SurfaceFontSizeIsKeptInRange)
{
    EXPECT_DOUBLE_EQ(MakeSurfaceFont("Arial", 8.88, false).pointSizeF(), 8.88);
    EXPECT_DOUBLE_EQ(MakeSurfaceFont("Arial", 0.2, false).pointSizeF(), 1.0);
    EXPECT_DOUBLE_EQ(MakeSurfaceFont("Arial", std::nan(""), false).pointSizeF(), 1.0);
    EXPECT_TRUE(MakeSurfaceFont("Arial", 10, true).bold());
}
