#include <gtest/gtest.h>

#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "symbol_fixture.h"

using namespace symfix;

using DecoderSheet = SymbolSheet;

TEST_F(DecoderSheet, DecoderWithClockAtZoomOne)
{
    Part p = Decoder(s, 5, 10, Orientation::Right, true);
    QStringList expected = {
        QStringLiteral("Polygon 77,105-105,77-105,203-77,175 color=0 fill=0xC0FFFF style=0 width=1"),
        StubLine(70, 161, 77, 161),
        StubLine(70, 147, 77, 147),
        StubLine(70, 119, 77, 119),
        StubLine(70, 133, 77, 133),
    };
    for (int r = 6; r <= 13; ++r)
        expected.append(StubLine(105, G1(r), 112, G1(r)));
    for (int d = 0; d <= 2; ++d) {
        expected.append(PrintLine(77 + 14 / 1.7, G1(7 + d) + 2.8, QString::number(d), 6));
        expected.append(PrintLine(79.8, G1(7 + d) + 7, QStringLiteral("2"), 8));
    }
    expected.append(PrintLine(79.8, 154, QStringLiteral("T"), 8));
    for (int k = 0; k <= 7; ++k)
        expected.append(PrintLine(91 + 14 / 2.1, G1(5 + k) + 7, QString::number(k), 8));
    EXPECT_EQ(Drawn(p), expected);
    EXPECT_EQ(rec.FillStyle, 1);
}

TEST_F(DecoderSheet, WithoutClockNoClockStubAndNoT)
{
    Part p = Decoder(s, 5, 10, Orientation::Right, false);
    const QStringList log = Drawn(p);
    EXPECT_FALSE(log.contains(StubLine(70, 161, 77, 161)));
    EXPECT_TRUE(log.filter(QStringLiteral("\"T\"")).isEmpty());
    EXPECT_EQ(log.size(), 1 + 3 + 8 + 6 + 8);
}

TEST_F(DecoderSheet, OrientationFourCarriesTheBodyOver)
{
    Part p = Decoder(s, 10, 10, Orientation::Down, false);
    const QStringList log = Drawn(p);
    // Input row y spans columns x-2..x+3, output row y+2 spans x-4..x+5.
    EXPECT_EQ(log[0], QStringLiteral("Polygon %1,%2-%3,%4-%5,%4-%6,%2 color=0 fill=0xC0FFFF style=0 width=1")
                          .arg(G1(13))
                          .arg(G1(10))
                          .arg(G1(15))
                          .arg(G1(12))
                          .arg(G1(6))
                          .arg(G1(8)));
    // Output k at column x + 4 - k.
    EXPECT_TRUE(log.contains(StubLine(G1(14), G1(12), G1(14), G1(12) + 7)));
    EXPECT_TRUE(log.contains(StubLine(G1(7), G1(12), G1(7), G1(12) + 7)));
    EXPECT_TRUE(log.contains(PrintLine(G1(14) - 14 / 5.6, G1(11) + 14 / 8.0, QStringLiteral("0"), 8)));
    EXPECT_TRUE(log.contains(PrintLine(G1(12) + 2.8, G1(10), QStringLiteral("0"), 6)));
}

// The outline on the worksheet is the body only; on the printer the body is
// four lines, then everything else follows, outline or not.
TEST_F(DecoderSheet, OnThePrinterFourLinesThenEverythingElse)
{
    Part p = Decoder(s, 5, 10, Orientation::Right, true);
    EXPECT_EQ(Drawn(p, true), QStringList(QStringLiteral(
                                  "Polygon 77,105-105,77-105,203-77,175 color=0 fill=0xC0FFFF style=1 width=1")));
    rec.SetKind(SurfaceKind::Printer);
    for (bool outline : {false, true}) {
        const QStringList log = Drawn(p, outline);
        ASSERT_EQ(log.size(), 4 + 4 + 8 + 6 + 1 + 8) << outline;
        EXPECT_EQ(log[0], StubLine(77, 105, 105, 77));
        EXPECT_EQ(log[1], StubLine(105, 77, 105, 203));
        EXPECT_EQ(log[2], StubLine(105, 203, 77, 175));
        EXPECT_EQ(log[3], StubLine(77, 175, 77, 105));
        EXPECT_TRUE(log.filter(QStringLiteral("Polygon")).isEmpty());
        EXPECT_TRUE(log.last().contains(QStringLiteral("size=%1").arg(N(static_cast<double>(0.96f)))));
    }
    // The hidden picture is not the worksheet either.
    rec.SetKind(SurfaceKind::Hidden);
    EXPECT_EQ(Drawn(p, true)[0], StubLine(77, 105, 105, 77));
}

TEST_F(DecoderSheet, MultiplexerAtZoomOne)
{
    Part p = Multiplexer(s, 5, 5, Orientation::Right);
    const QStringList expected = {
        BoxLine(77, 49, 133, 105 + 14 / 3.0, 0xFFFFC0, 0),
        StubLine(70, 63, 77, 63),
        PrintLine(80.5, 56, QStringLiteral("3"), 8),
        StubLine(70, 77, 77, 77),
        PrintLine(80.5, 70, QStringLiteral("2"), 8),
        StubLine(70, 91, 77, 91),
        PrintLine(80.5, 84, QStringLiteral("1"), 8),
        StubLine(70, 105, 77, 105),
        PrintLine(80.5, 98, QStringLiteral("0"), 8),
        StubLine(105, 42, 105, 49),
        StubLine(119, 42, 119, 49),
        StubLine(133, 91, 140, 91),
        PrintLine(98, 49, QStringLiteral("S1"), 8),
        PrintLine(112, 49, QStringLiteral("S0"), 8),
        PrintLine(98, 84, QStringLiteral("MUX"), 10, true),
    };
    EXPECT_EQ(Drawn(p), expected);
    EXPECT_FALSE(rec.FontBold);
}

TEST_F(DecoderSheet, MultiplexerFacingUpAndOnPaper)
{
    Part p = Multiplexer(s, 10, 10, Orientation::Up);
    const QStringList plain = Drawn(p);
    // Orientation 3: box from (X(out.x - 1) - z/3, Y(out.y)) to (X(S0.x), Y(D0.y)).
    EXPECT_EQ(plain[0], BoxLine(G1(8) - 14 / 3.0, G1(6), G1(12), G1(10), 0xFFFFC0, 0));
    EXPECT_TRUE(plain.contains(PrintLine(G1(8), G1(7), QStringLiteral("MUX"), 10, true)));
    // Data labels "3" at D3 (left) to "0" at D0 (right), a pitch above the input row.
    EXPECT_TRUE(plain.contains(PrintLine(G1(8) - 14 / 8.0, G1(10) - 14, QStringLiteral("3"), 8)));
    EXPECT_TRUE(plain.contains(PrintLine(G1(11) - 14 / 8.0, G1(10) - 14, QStringLiteral("0"), 8)));

    rec.SetKind(SurfaceKind::Printer);
    const QStringList paper = Drawn(p);
    EXPECT_EQ(paper.first(), BoxLine(G1(8) - 14 / 3.0, G1(6), G1(12), G1(10), 0xFFFFFF, 0));
    EXPECT_EQ(paper.last(), BoxLine(G1(8) - 14 / 3.0, G1(6), G1(12), G1(10), 0xFFFFFF, 1));
}
