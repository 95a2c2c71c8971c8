#include <gtest/gtest.h>

#include "model/pin_lists.h"
#include "model/state.h"
#include "platform/null_surface.h"
#include "platform/painter_surface.h"
#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "render/sheet_builder.h"
#include "symbol_fixture.h"

namespace {

using symfix::N;
using symfix::PrintLine;

// Width and height of a text in Arial at the size, in screen pixels.
QSizeF Measure(const QString& text, double size, bool bold)
{
    NullSurface label;
    label.FontName = QStringLiteral("Arial");
    label.FontSize = size;
    label.FontBold = bold;
    return {label.TextWidth(text), label.TextHeight(text)};
}

class ICSymbol : public ::testing::Test {
protected:
    ICSymbol() : g(s, &rec)
    {
        sheet::NewSheet(s, 20, 16);
        // Outline 4 x 3 with its top-left cell at (10, 8); one connector on each side.
        sheet::IC(s, 1, 10, 8, 4, 3,
                  {QStringLiteral("0;1;A;"), QStringLiteral("4;2;Q;"), QStringLiteral("2;0;C;"),
                   QStringLiteral("1;3;D;")},
                  QStringLiteral("ALU"));
    }

    ProgramState s;
    RecordingSurface rec{SurfaceKind::Worksheet};
    clsGrafik g;
};

TEST_F(ICSymbol, BoxNameStubsAndConnectorNamesAtZoomOne)
{
    g.DrawIC(10, 9, 1, false);
    const QSizeF name = Measure(QStringLiteral("ALU"), 10, true);
    QStringList expected{
        QStringLiteral("Line 147,119-203,161 color=0 mode=Box fill=0xC0FFFF style=0 width=1"),
        PrintLine(CInt(147 + 63 / 2.0 - name.width() / 2), CInt(119 + 49 / 2.0 - name.height() / 2),
                  QStringLiteral("ALU"), 9, true),
    };
    const QSizeF a = Measure(QStringLiteral("A"), 8, false);
    expected << QStringLiteral("Line 147,133-140,133 color=0 mode=Plain width=1")
             << PrintLine(151, 133 - a.height() / 2, QStringLiteral("A"), 8, false);
    const QSizeF q = Measure(QStringLiteral("Q"), 8, false);
    expected << QStringLiteral("Line 203,147-210,147 color=0 mode=Plain width=1")
             << PrintLine(203 - q.width() - 2, 147 - q.height() / 2, QStringLiteral("Q"), 8, false);
    const QSizeF c = Measure(QStringLiteral("C"), 8, false);
    expected << QStringLiteral("Line 175,119-175,112 color=0 mode=Plain width=1")
             << PrintLine(175 - c.width() / 2, 121, QStringLiteral("C"), 8, false);
    const QSizeF d = Measure(QStringLiteral("D"), 8, false);
    expected << QStringLiteral("Line 161,161-161,168 color=0 mode=Plain width=1")
             << PrintLine(161 - d.width() / 2, 161 - d.height(), QStringLiteral("D"), 8, false);
    EXPECT_EQ(rec.Log(), expected);
}

TEST_F(ICSymbol, AnyCellOfTheFootprintDrawsTheSameWhenThePinsAreParsed)
{
    g.DrawIC(10, 9, 1, false);
    const QStringList fromPin = rec.Log();
    rec.ClearLog();
    ParseInputPins(s, 1, 0);
    g.DrawIC(12, 10, 1, false); // no link on this cell: the caller's pins stay
    EXPECT_EQ(rec.Log(), fromPin);
}

TEST_F(ICSymbol, IndexZeroDrawsNothingAndOutlineDrawsOnlyTheBox)
{
    g.DrawIC(10, 9, 0, false);
    EXPECT_TRUE(rec.Log().isEmpty());
    g.DrawIC(10, 9, 1, true);
    EXPECT_EQ(rec.Log(), QStringList(QStringLiteral("Line 147,119-203,161 color=0 mode=Box fill=0xC0FFFF style=1 width=1")));
}

TEST_F(ICSymbol, OnPaperTheBodyIsWhiteAndTheFontsSmaller)
{
    rec.SetKind(SurfaceKind::Printer);
    g.DrawIC(10, 9, 1, false);
    ASSERT_GE(rec.Log().size(), 3);
    EXPECT_TRUE(rec.Log()[0].contains(QStringLiteral("fill=0xFFFFFF style=0")));
    // The sizes are singles: 1.08 x 1 and 0.95 x 1 as the font property takes them.
    EXPECT_TRUE(rec.Log()[1].contains(QStringLiteral("size=") + N(static_cast<double>(1.08f)) + QStringLiteral(" bold=1")));
    EXPECT_TRUE(rec.Log()[3].contains(QStringLiteral("size=") + N(static_cast<double>(0.95f)) + QStringLiteral(" bold=0")));
}

TEST_F(ICSymbol, CornerConnectorsGoToTheLeftAndRightSides)
{
    sheet::NewSheet(s, 20, 16);
    sheet::IC(s, 1, 10, 8, 4, 3, {QStringLiteral("0;0;A;"), QStringLiteral("4;3;B;"), QString(),
                                  QStringLiteral("2;2;X;")});
    g.DrawIC(10, 8, 1, false);
    const QStringList stubs = rec.Log().filter(QStringLiteral("mode=Plain"));
    EXPECT_EQ(stubs, QStringList({QStringLiteral("Line 147,119-140,119 color=0 mode=Plain width=1"),
                                  QStringLiteral("Line 203,161-210,161 color=0 mode=Plain width=1")}))
        << "a connector inside the outline and one without a place are skipped";
}

TEST(ICSymbolPixels, OutlineLeavesTheInsideUntouched)
{
    ProgramState s;
    sheet::NewSheet(s, 20, 16);
    sheet::IC(s, 1, 2, 2, 4, 3, {QStringLiteral("0;1;A;")});
    PainterSurface pic(300, 240);
    pic.BackColor = 0x00FF00;
    pic.Cls();
    clsGrafik g(s, &pic);
    g.DrawIC(2, 3, 1, true);
    const QImage& image = pic.Image();
    EXPECT_EQ(image.pixel(35, 35) & 0xFFFFFF, 0x000000u) << "the box corner";
    EXPECT_EQ(image.pixel(60, 60) & 0xFFFFFF, 0x00FF00u);
    g.DrawIC(2, 3, 1, false);
    EXPECT_EQ(image.pixel(40, 60) & 0xFFFFFF, 0xFFFFC0u) << "&HC0FFFF is pale yellow";
}

TEST(ICSymbolPixels, ConnectorMarkKeepsThreePixelsAtAnyZoomOnScreen)
{
    ProgramState s;
    sheet::NewSheet(s, 8, 8);
    RecordingSurface rec;
    clsGrafik g(s, &rec);
    s.GridMode = 2.0f;
    g.DrawICInOut(1, 1);
    EXPECT_EQ(rec.Log().value(0), QStringLiteral("Circle 42,42 r=3 color=0 fill=0xFF0000 style=0 width=1"));
    rec.SetKind(SurfaceKind::Printer);
    g.DrawICInOut(1, 1);
    EXPECT_EQ(rec.Log().value(1), QStringLiteral("Circle 42,42 r=6 color=0 fill=0xC0C0C0 style=0 width=1"));
}

} // namespace
