#include <gtest/gtest.h>

#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "symbol_fixture.h"

using namespace symfix;

using GateSheet = SymbolSheet;

TEST_F(GateSheet, ThreeInputAndAtZoomOne)
{
    Part p = Gate(s, ElementType::AND, 5, 5, Orientation::Right, 3);
    const QStringList expected = {
        BoxLine(77, 59.5, 105, 94.5, 0xC0FFFF, 0),
        StubLine(70, 63, 77, 63),
        StubLine(70, 77, 77, 77),
        StubLine(70, 91, 77, 91),
        StubLine(105, 77, 112, 77),
        PrintLine(84, 70, QStringLiteral(" &"), 10),
    };
    EXPECT_EQ(Drawn(p), expected);
}

// The three gates draw the same body and stubs and differ in their label,
// which stands where the orientation puts it.
TEST_F(GateSheet, GatesDifferInTheirLabelOnlyWhichFollowsTheOrientation)
{
    using namespace ElementType;
    struct Case {
        uint8_t type;
        int X, Y, o;
        QString label;
        double x, y;
    } const cases[] = {
        {OR, 5, 5, 2, QString(QChar(0x2265)) + QStringLiteral("1"), 84, 70},
        {XOR, 5, 5, 2, QStringLiteral("=1"), 84, 70},
        // Orientation 4, three inputs at (4..6, 5): label at G(x) - k, G(y) + z/2.
        {AND, 5, 5, 4, QStringLiteral("&"), 77 - 3.5, 84},
        {XOR, 15, 10, 3, QStringLiteral("=1"), 217 - 14 / 3.0, 133 - 7},
    };
    QStringList andBody = Drawn(Gate(s, AND, 5, 5, Orientation::Right, 3));
    andBody.removeLast();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.type) << " orientation " << c.o);
        sheet::NewSheet(s, 30, 30);
        QStringList log = Drawn(Gate(s, c.type, c.X, c.Y, AsOrientation(c.o), 3));
        EXPECT_EQ(log.last(), PrintLine(c.x, c.y, c.label, 10));
        log.removeLast();
        if (c.o == 2) {
            EXPECT_EQ(log, andBody);
        } else if (c.o == 4) {
            EXPECT_EQ(log.first(), BoxLine(63 - 3.5, 77, 91 + 3.5, 105, 0xC0FFFF, 0));
        }
    }
}

// The body spans the input rows (three for the two-input gate, whose middle
// row has no pin) and the output stub stands in row y - 1 + Int(n / 2).
TEST_F(GateSheet, BodyAndStubsFollowTheInputCount)
{
    const int rows[][2] = {{2, 5}, {4, 6}, {5, 6}, {6, 7}};
    int x = 3;
    for (const auto& [n, row] : rows) {
        SCOPED_TRACE(testing::Message() << n << " inputs");
        const QStringList log = Drawn(Gate(s, ElementType::OR, x, 5, Orientation::Right, n));
        const int cells = std::max(n, 3);
        const double gx = 14 * (x + 2) + 7;
        EXPECT_EQ(log[0], BoxLine(14 * x + 7, 59.5, gx, 14 * (5 + cells - 2) + 7 + 3.5, 0xC0FFFF, 0));
        EXPECT_TRUE(log.contains(StubLine(gx, 14 * row + 7, gx + 7, 14 * row + 7)));
        for (int k = 0; k < cells; ++k) {
            const double y = 14 * (4 + k) + 7;
            EXPECT_EQ(log.contains(StubLine(14 * x, y, 14 * x + 7, y)), n != 2 || k != 1) << "row " << k;
        }
        x += 5;
    }
}

TEST_F(GateSheet, OutlineShowsTheTransparentBodyAndTheNegationDotsAndLeavesXorFilled)
{
    Part p = Gate(s, ElementType::OR, 5, 5, Orientation::Right, 3);
    s.circuit.P(5, 6).Marker = -1;  // input 3
    s.circuit.P(7, 5).Marker = -1;  // output
    const QStringList log = Drawn(p, true);
    ASSERT_EQ(log.size(), 3);
    EXPECT_EQ(log[0], BoxLine(77, 59.5, 105, 94.5, 0xC0FFFF, 1));
    // The dots sit on the conductor side of their pins.
    EXPECT_TRUE(log[1].startsWith(QStringLiteral("Circle 73,91 r=3"))) << log[1].toStdString();
    EXPECT_TRUE(log[2].startsWith(QStringLiteral("Circle 109,77 r=3"))) << log[2].toStdString();

    // The XOR gate is filled even after an outline.
    s.circuit.P(5, 6).Marker = s.circuit.P(7, 5).Marker = 0;
    Drawn(p, true);
    ASSERT_EQ(rec.FillStyle, 1);
    Part x = Gate(s, ElementType::XOR, 15, 5, Orientation::Right, 3);
    s.circuit.P(15, 5).Marker = -1;
    const QStringList xor3 = Drawn(x);
    EXPECT_EQ(xor3[0], BoxLine(217, 59.5, 245, 94.5, 0xC0FFFF, 0));
    ASSERT_EQ(xor3.size(), 7) << "stubs, label and the dot";
    EXPECT_TRUE(xor3.last().startsWith(QStringLiteral("Circle 213,77 r=3"))) << xor3.last().toStdString();
}

TEST_F(GateSheet, OrientationOutsideTheCodesDrawsNothing)
{
    Part p = Gate(s, ElementType::AND, 5, 5, Orientation::Right, 3);
    s.circuit.P(5, 5).Marker = -1;
    g.Orientation = Orientation::None;
    rec.ClearLog();
    g.DrawUnd(5, 5, false);
    g.DrawTriState(5, 5);
    g.DrawInverter(5, 5);
    EXPECT_TRUE(rec.Log().isEmpty()) << rec.Log().join('\n').toStdString();
}

TEST_F(GateSheet, InverterAtZoomOne)
{
    Part p = Inverter(s, 5, 5, Orientation::Right);
    const QStringList expected = {
        StubLine(91, 77, 91 + 14 / 1.5, 77),
        QStringLiteral("Circle 91,77 r=3 color=0 fill=0xC0FFC0 style=0 width=1"),
        BoxLine(77, 72, 88, 82, 0xC0FFC0, 0),
        PrintLine(80, 72, QStringLiteral("1"), 6),
    };
    EXPECT_EQ(Drawn(p), expected);
}

TEST_F(GateSheet, InverterCornersAreWholePixelsInEveryOrientation)
{
    // Zoom 1.25: z = 18 (17.5 to even), cx = G(5) = 96 (96.25), g = 1.25.
    s.GridMode = 1.25f;
    Part up = Inverter(s, 5, 5, Orientation::Up);
    const QStringList log = Drawn(up);
    // Box from (CInt(96 + 6), 96) to (CInt(96 - 6), CInt(96 - 13.5) = 82); circle at CInt(82 - 3.75).
    EXPECT_EQ(log[1], QStringLiteral("Circle 96,78 r=3.75 color=0 fill=0xC0FFC0 style=0 width=1"));
    EXPECT_EQ(log[2], BoxLine(102, 96, 90, 82, 0xC0FFC0, 0));
    EXPECT_EQ(log[3], PrintLine(94, 84, QStringLiteral("1"), 7.5));
}

TEST_F(GateSheet, InverterOnThePrinterGetsItsOutlineAgain)
{
    Part p = Inverter(s, 5, 5, Orientation::Right);
    rec.SetKind(SurfaceKind::Printer);
    const QStringList log = Drawn(p);
    ASSERT_EQ(log.size(), 5);
    EXPECT_EQ(log[1], QStringLiteral("Circle 91,77 r=3 color=0 fill=0xFFFFFF style=0 width=1"));
    EXPECT_EQ(log[3], PrintLine(80, 72, QStringLiteral("1"), static_cast<double>(0.62f)));
    EXPECT_EQ(log[4], BoxLine(77, 72, 88, 82, 0xFFFFFF, 1));
}

TEST_F(GateSheet, TriStateAtZoomOne)
{
    Part p = TriState(s, 5, 5, Orientation::Right);
    const double apex = 91 + 14 / 1.7;
    const QStringList expected = {
        BoxLine(77, 59.5, 105, 94.5, 0xC0FFFF, 0),
        StubLine(70, 91, 77, 91),
        StubLine(70, 63, 77, 63),
        StubLine(105, 77, 112, 77),
        StubLine(84, 70, apex, 77),
        StubLine(84, 84, apex, 77),
        StubLine(84, 70, 84, 84),
        QStringLiteral("PSet %1,77 color=0 width=1").arg(N(apex)),
        PrintLine(79.8, 84, QStringLiteral("s"), 7),
    };
    EXPECT_EQ(Drawn(p), expected);
}

TEST_F(GateSheet, TriStateKeepsItsColourAndSizeOnThePrinter)
{
    Part p = TriState(s, 5, 5, Orientation::Down);
    rec.SetKind(SurfaceKind::Printer);
    const QStringList log = Drawn(p);
    EXPECT_EQ(log[0], BoxLine(63 - 3.5, 77, 91 + 3.5, 105, 0xC0FFFF, 0));
    // Triangle fills the middle cell (5, 6): back side on row 84, apex at 98.
    EXPECT_TRUE(log.contains(StubLine(70, 84, 84, 84)));
    EXPECT_TRUE(log.contains(QStringLiteral("PSet 77,98 color=0 width=1")));
    EXPECT_EQ(log.last(), PrintLine(87.5, 77, QStringLiteral("s"), 7));
}
