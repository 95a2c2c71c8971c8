#include <gtest/gtest.h>

#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "symbol_fixture.h"

using namespace symfix;

using AdderSheet = SymbolSheet;

TEST_F(AdderSheet, HalfAdderAtZoomOne)
{
    Part p = Adder(s, ElementType::HalfAdder, 5, 5, Orientation::Right);
    const QStringList expected = {
        BoxLine(77, 59.5, 119, 94.5, 0xC0FFFF, 0),
        StubLine(119, 91, 126, 91),
        StubLine(70, 91, 77, 91),
        StubLine(70, 63, 77, 63),
        StubLine(119, 63, 126, 63),
        PrintLine(91 - 1.75, 70, QStringLiteral("HA"), 10),
        PrintLine(112, 63 - 14 / 3.0, QStringLiteral("s"), 8),
        PrintLine(112, 91 - 14 / 1.5, QStringLiteral("\u00FC"), 8),
    };
    EXPECT_EQ(Drawn(p), expected);
}

TEST_F(AdderSheet, FullAdderAddsTheMiddleStubAndItsText)
{
    Part ha = Adder(s, ElementType::HalfAdder, 5, 5, Orientation::Right);
    Part va = Adder(s, ElementType::FullAdder, 5, 12, Orientation::Right);
    QStringList halfLog = Drawn(ha);
    QStringList fullLog = Drawn(va);
    ASSERT_EQ(fullLog.size(), halfLog.size() + 1);
    EXPECT_EQ(fullLog[3], StubLine(70, 175, 77, 175));
    fullLog.removeAt(3);
    // The rest is the half-adder's picture seven rows lower.
    for (qsizetype i = 0; i < halfLog.size(); ++i) {
        Prim h = Parse(halfLog[i]);
        Prim f = Parse(fullLog[i]);
        ASSERT_EQ(h.v.size(), f.v.size());
        for (size_t k = 1; k < h.v.size(); k += 2)
            EXPECT_NEAR(f.v[k], h.v[k] + 98, 1e-6) << halfLog[i].toStdString();
        EXPECT_EQ(f.text, h.text == QLatin1String("HA") ? QStringLiteral("VA") : h.text);
    }
}

TEST_F(AdderSheet, OnThePrinterTheBodyIsWhiteAndOutlinedAgain)
{
    Part p = Adder(s, ElementType::HalfAdder, 5, 5, Orientation::Left);
    rec.SetKind(SurfaceKind::Printer);
    const QStringList log = Drawn(p);
    EXPECT_EQ(log.first(), BoxLine(35, 59.5, 77, 94.5, 0xFFFFFF, 0));
    EXPECT_EQ(log.last(), BoxLine(35, 59.5, 77, 94.5, 0xFFFFFF, 1));
    EXPECT_TRUE(log.contains(PrintLine(49 - 1.75, 70, QStringLiteral("HA"), static_cast<double>(1.2f))));
    EXPECT_TRUE(log.contains(PrintLine(35 + 2.8, 63 - 14 / 3.0, QStringLiteral("s"), static_cast<double>(0.96f))));
}

TEST_F(AdderSheet, DisplayAtZoomOne)
{
    Part p = Display(s, 5, 5);
    s.circuit.P(8, 3).Value = kTrue;  // pin 1, weight 1
    s.circuit.P(6, 3).Value = kTrue;  // pin 3, weight 4
    const QStringList expected = {
        BoxLine(77, 49, 133, 105, 0xC0FFFF, 0),
        BoxLine(91, 63, 126, 98, 0xE0E0E0, 0),
        StubLine(77, 63, 70, 63),
        PrintLine(80.5, 56, QStringLiteral("3"), 8),
        StubLine(77, 77, 70, 77),
        PrintLine(80.5, 70, QStringLiteral("4"), 8),
        StubLine(77, 91, 70, 91),
        PrintLine(80.5, 84, QStringLiteral("5"), 8),
        StubLine(105, 49, 105, 42),
        StubLine(119, 49, 119, 42),
        StubLine(91, 49, 91, 42),
        PrintLine(91 - 14 / 6.0, 49, QStringLiteral("2"), 8),
        PrintLine(105 - 14 / 6.0, 49, QStringLiteral("1"), 8),
        PrintLine(119 - 14 / 6.0, 49, QStringLiteral("0"), 8),
        PrintLine(91 + 14 / 1.5, 63 + 14 / 1.5, QStringLiteral(" 5"), 13),
    };
    EXPECT_EQ(Drawn(p), expected);
    EXPECT_EQ(rec.FillStyle, 1);
}

TEST_F(AdderSheet, DisplayNumberMovesLeftForTwoDigits)
{
    Part p = Display(s, 5, 5);
    // Stubs are drawn even with conductors at every pin.
    for (const PinPos& pin : p.in) {
        s.circuit.P(pin.X, pin.Y).ConLeft = kTrue;
        s.circuit.P(pin.X, pin.Y).ConUp = kTrue;
    }
    QStringList log = Drawn(p);
    EXPECT_EQ(log.last(), PrintLine(91 + 14 / 1.5, 63 + 14 / 1.5, QStringLiteral(" 0"), 13));
    EXPECT_EQ(log.filter(QStringLiteral("mode=Plain")).size(), 6);

    for (const PinPos& pin : p.in)
        s.circuit.P(pin.X, pin.Y).Value = kTrue;
    log = Drawn(p);
    EXPECT_EQ(log.last(), PrintLine(91 + 14 / 1.5 - 14 / 2.1, 63 + 14 / 1.5, QStringLiteral(" 63"), 13));
}

TEST_F(AdderSheet, DisplayReadsTheShownLevelWhileThePowerIsOn)
{
    Part p = Display(s, 5, 5);
    s.circuit.P(5, 6).Value = kTrue;  // pin 6 in the worksheet: 32
    s.circuit.Levels.resize(2);
    s.circuit.Levels[1].Field.Redim(31, 31);
    s.circuit.Levels[1].Field(5, 4).Value = kTrue;  // pin 4: 8
    s.circuit.Levels[1].Field(7, 3).Value = kTrue;  // pin 2: 2
    // An IC's level is shown: the pins come from Elements, the levels from its grid.
    s.engine.PowerFlag = kTrue;
    s.engine.InnerLevelShown = kTrue;
    s.CurrentLevel = 1;
    EXPECT_TRUE(Drawn(p).last().contains(QStringLiteral("\" 10\"")));
    s.engine.PowerFlag = 0;
    s.engine.InnerLevelShown = 0;
    EXPECT_TRUE(Drawn(p).last().contains(QStringLiteral("\" 32\"")));
}

TEST_F(AdderSheet, DisplayOnThePrinterIsWhiteInsideAndOut)
{
    Part p = Display(s, 5, 5);
    rec.SetKind(SurfaceKind::Printer);
    const QStringList log = Drawn(p);
    EXPECT_EQ(log[0], BoxLine(77, 49, 133, 105, 0xFFFFFF, 0));
    EXPECT_EQ(log[1], BoxLine(91, 63, 126, 98, 0xFFFFFF, 0));
    EXPECT_EQ(log.last(), BoxLine(77, 49, 133, 105, 0xFFFFFF, 1));
    EXPECT_TRUE(log[3].contains(QStringLiteral("size=%1").arg(N(static_cast<double>(0.96f)))));
}
