#include <gtest/gtest.h>

#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "symbol_fixture.h"

using namespace symfix;

namespace {

struct StateSheet : SymbolSheet {
    // The power on with level 0 a copy of the worksheet.
    void PowerOn()
    {
        sheet::CopyToLevel0(s);
        s.engine.PowerFlag = kTrue;
    }
};

} // namespace

TEST_F(StateSheet, FlipFlopAtZoomOne)
{
    Part p = FlipFlop(s, 5, 5, Orientation::Right);
    const double third = 14 / 3.0;
    const QStringList expected = {
        StubLine(77 - third, 63, 77, 63),
        StubLine(77 - third, 77, 77, 77),
        StubLine(77 - third, 91, 77, 91),
        BoxLine(77, 63 - 14 / 2.25, 147, 91 + 14 / 2.25, 0xFFFFC0, 0),
        StubLine(147, 63, 147 + third, 63),
        StubLine(147, 91, 147 + third, 91),
        StubLine(105, 52.5, 105, 63, 0x808080),
        StubLine(105, 101.5, 105, 91, 0x808080),
        PrintLine(77 + 1.2 * 14, 70, QStringLiteral("C"), 8, true),
        StubLine(77, 63 + 28 / 3.0, 91, 77),
        StubLine(77, 91 - 28 / 3.0, 91, 77),
        StubLine(105, 77, 147, 77, 0x808080) + QStringLiteral(" dash=2"),
        PrintLine(80.5, 63 - 5.6, QStringLiteral("J"), 8, true),
        PrintLine(80.5, 84, QStringLiteral("K"), 8, true),
        PrintLine(108.5, 63, QStringLiteral("S"), 6),
        PrintLine(108.5, 80.5, QStringLiteral("R"), 6),
        PrintLine(133, 63 - third, QStringLiteral("0"), 10, true, 0xFF),
    };
    EXPECT_EQ(Drawn(p), expected);
    EXPECT_EQ(rec.DrawStyle, 0);
    EXPECT_FALSE(rec.FontBold);
}

TEST_F(StateSheet, SetFlipFlopShowsOneInRedOnScreenBlackOnPaper)
{
    Part p = FlipFlop(s, 5, 5, Orientation::Left);
    PowerOn();
    s.circuit.Levels[0].Elements[static_cast<size_t>(p.nr)].State = kTrue;
    // Orientation 1: the digit stands half a pitch right of Q's centre.
    QStringList log = Drawn(p);
    EXPECT_EQ(log.last(), PrintLine(G1(0) + 7, 63 - 14 / 3.0, QStringLiteral("1"), 10, true, 0xFF));
    // The worksheet's own record still says reset.
    s.engine.PowerFlag = 0;
    EXPECT_TRUE(Drawn(p).last().contains(QStringLiteral("\"0\"")));

    s.engine.PowerFlag = kTrue;
    rec.SetKind(SurfaceKind::Printer);
    log = Drawn(p);
    EXPECT_EQ(log.last(), PrintLine(G1(0) + 7, 63 - 14 / 3.0, QStringLiteral("1"), static_cast<double>(1.2f), true));
    // S/R stubs and divider are solid black on paper.
    EXPECT_TRUE(log.filter(QStringLiteral("0x808080")).isEmpty());
    EXPECT_TRUE(log.filter(QStringLiteral("dash=")).isEmpty());
    EXPECT_TRUE(log.contains(StubLine(G1(2), 52.5, G1(2), 63)));
}

TEST_F(StateSheet, FlipFlopOutlineKeepsStubsAndDots)
{
    Part h = FlipFlop(s, 5, 5, Orientation::Right);
    s.circuit.P(5, 4).Marker = -1;  // J
    s.circuit.P(5, 6).Marker = -1;  // K
    QStringList log = Drawn(h, true);
    ASSERT_EQ(log.size(), 3 + 1 + 2);
    EXPECT_EQ(log[3], BoxLine(77, 63 - 14 / 2.25, 147, 91 + 14 / 2.25, 0xFFFFC0, 1));
    EXPECT_TRUE(log[4].startsWith(QStringLiteral("Circle 73,63 r=3 color=0 ")));
    EXPECT_TRUE(log[5].startsWith(QStringLiteral("Circle 73,91 r=3 color=0 ")));

    // Orientation 4 draws its output stubs before the body, outline or not.
    Part v = FlipFlop(s, 20, 10, Orientation::Down);
    log = Drawn(v, true);
    ASSERT_EQ(log.size(), 3 + 2 + 1);
    EXPECT_EQ(log[3], StubLine(G1(19), G1(15), G1(19), G1(15) + 7));
    EXPECT_EQ(log[4], StubLine(G1(21), G1(15), G1(21), G1(15) + 7));
    EXPECT_EQ(log[5], BoxLine(G1(19) - 7, G1(10), G1(21) + 7, G1(15), 0xFFFFC0, 1));
}

TEST_F(StateSheet, NegationDotsAfterTheDigitAreRedOnScreen)
{
    Part p = FlipFlop(s, 5, 5, Orientation::Right);
    s.circuit.P(5, 5).Marker = -1;  // C
    const QStringList log = Drawn(p);
    EXPECT_TRUE(log.last().startsWith(QStringLiteral("Circle 73,77 r=3 color=0xFF fill=0xC0C0C0")))
        << log.last().toStdString();
}

TEST_F(StateSheet, FlipFlopOrientationThreeTexts)
{
    Part p = FlipFlop(s, 10, 10, Orientation::Up);
    const QStringList log = Drawn(p);
    // J (11,10), C (10,10), K (9,10), S (11,7), R (9,7), Q (11,5).
    EXPECT_TRUE(log.contains(StubLine(G1(9) - 14, G1(7), G1(9), G1(7), 0x808080)));
    EXPECT_TRUE(log.contains(StubLine(G1(11) + 14, G1(7), G1(11), G1(7), 0x808080)));
    EXPECT_TRUE(log.contains(StubLine(G1(10), G1(8), G1(10), G1(5), 0x808080) + QStringLiteral(" dash=2")));
    EXPECT_TRUE(log.contains(PrintLine(G1(10) - 3.5, G1(10) - 1.8 * 14, QStringLiteral("C"), 8, true)));
    EXPECT_TRUE(log.contains(PrintLine(G1(11) - 3.5, G1(10) - 14, QStringLiteral("J"), 8, true)));
    EXPECT_TRUE(log.contains(PrintLine(G1(9), G1(7) + 3.5, QStringLiteral("R"), 6)));
    EXPECT_EQ(log.last(), PrintLine(G1(11) - 3.5, G1(5) + 3.5, QStringLiteral("0"), 10, true, 0xFF));
}

TEST_F(StateSheet, ShiftRegisterAtZoomOne)
{
    Part p = Adder(s, ElementType::ShiftRegister, 5, 5, Orientation::Right);
    const double tip = 77 + 14 / 1.5;
    QStringList expected = {
        BoxLine(77, 59.5, 189, 94.5, 0xC0FFFF, 0),
        StubLine(70, 63, 77, 63),
        StubLine(70, 77, 77, 77),
        StubLine(70, 91, 77, 91),
        StubLine(189, 63, 196, 63),
        StubLine(189, 91, 196, 91),
        StubLine(105, 59.5, 105, 94.5),
        StubLine(133, 59.5, 133, 94.5),
        StubLine(161, 59.5, 161, 94.5),
        StubLine(tip, 77, 189, 77),
        StubLine(77, 77 - 14 / 1.5, tip, 77),
        StubLine(77, 77 + 14 / 1.5, tip, 77),
    };
    for (int k = 1; k <= 4; ++k)
        expected.append(PrintLine(G1(4 + 2 * k) - 2.8, 60.2, QStringLiteral("0"), 10));
    for (int k = 1; k <= 4; ++k)
        expected.append(PrintLine(G1(4 + 2 * k) - 2.8, 77 + 14 / 6.0, QStringLiteral("0"), 10));
    EXPECT_EQ(Drawn(p), expected);
}

TEST_F(StateSheet, ShiftRegisterStagesFacingDown)
{
    Part p = Adder(s, ElementType::ShiftRegister, 10, 10, Orientation::Down);
    PowerOn();
    auto& words = s.circuit.Levels[0].Elements[static_cast<size_t>(p.nr)].StageWords;
    words[2] = kTrue;  // register A, stage 2
    words[8] = kTrue;  // register B, stage 4
    const QStringList log = Drawn(p);
    EXPECT_TRUE(log.contains(PrintLine(G1(10) + 5.6, G1(13) - 14 / 3.0, QStringLiteral("1"), 10)));
    EXPECT_TRUE(log.contains(PrintLine(G1(9) + 14 / 6.0, G1(17) - 14 / 3.0, QStringLiteral("1"), 10)));
    EXPECT_EQ(log.filter(QStringLiteral("\"1\"")).size(), 2);
    EXPECT_EQ(log.filter(QStringLiteral("\"0\"")).size(), 6);
    // Body rotated: columns x-1..x+1 a quarter pitch wider, rows y..y+8.
    EXPECT_EQ(log[0], BoxLine(G1(11) + 3.5, G1(10), G1(9) - 3.5, G1(18), 0xC0FFFF, 0));
}

TEST_F(StateSheet, ShiftRegisterOnPaperIsWhite)
{
    Part p = Adder(s, ElementType::ShiftRegister, 12, 5, Orientation::Left);
    rec.SetKind(SurfaceKind::Printer);
    const QStringList log = Drawn(p);
    EXPECT_EQ(log[0], BoxLine(G1(12), 59.5, G1(4), 94.5, 0xFFFFFF, 0));
    EXPECT_TRUE(log.last().contains(QStringLiteral("size=%1").arg(N(static_cast<double>(1.2f)))));
}
