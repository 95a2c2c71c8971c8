#include <gtest/gtest.h>

#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "symbol_fixture.h"

using namespace symfix;

namespace {

struct ClockSheet : SymbolSheet {
    QStringList Drawn(const Part& p, bool selected)
    {
        rec.ClearLog();
        g.Orientation = Orientation::None;  // the routine takes it from the record
        g.DrawTimer(static_cast<int16_t>(p.refX), static_cast<int16_t>(p.refY), selected);
        return rec.Log();
    }
};

} // namespace

TEST_F(ClockSheet, ClockGeneratorAtZoomOne)
{
    Part p = Timer(s, 5, 5, Orientation::Right);
    const QStringList expected = {
        BoxLine(77, 59.5, 119, 94.5, 0xC0FFFF, 0),
        StubLine(119, 77, 126, 77),
        PrintLine(94.5, 70, QStringLiteral("T"), 10),
        StubLine(105, 91, 105, 101.5, 0x808080),
        PrintLine(84, 77 + 5.6, QStringLiteral("Stop"), 7),
    };
    EXPECT_EQ(Drawn(p, false), expected);
    EXPECT_EQ(g.Orientation, Orientation::Right);
}

TEST_F(ClockSheet, SelectedIsOrangeAndPaperWhiteWithABlackStopStub)
{
    Part p = Timer(s, 10, 10, Orientation::Up);
    QStringList log = Drawn(p, true);
    const double boxL = 133 - 3.5, boxR = 161 + 3.5;
    EXPECT_EQ(log[0], BoxLine(boxL, 105, boxR, 147, 0xC0E0FF, 0));
    EXPECT_EQ(log[3], StubLine(161, 133, 161 + 10.5, 133, 0x808080));
    EXPECT_EQ(log[4], PrintLine(147 - 14 / 3.0, 133, QStringLiteral("Stop"), 7));
    EXPECT_EQ(Drawn(p, false)[0], BoxLine(boxL, 105, boxR, 147, 0xC0FFFF, 0));

    rec.SetKind(SurfaceKind::Printer);
    log = Drawn(p, true);
    EXPECT_EQ(log[0], BoxLine(boxL, 105, boxR, 147, 0xFFFFFF, 0));
    EXPECT_EQ(log[3], StubLine(161, 133, 161 + 10.5, 133));
    EXPECT_EQ(log[4], PrintLine(147 - 14 / 3.0, 133, QStringLiteral("Stop"), static_cast<double>(0.84f)));
}

TEST_F(ClockSheet, InsideAnICLevelTheLevelsRecordGivesTheOrientation)
{
    Part p = Timer(s, 5, 5, Orientation::Right);
    // The level shown holds another generator, element 1 facing down, on these cells.
    s.circuit.Levels.resize(2);
    s.circuit.Levels[1].Field = s.circuit.P;
    s.circuit.Levels[1].Elements = s.circuit.Elements;
    s.circuit.Levels[1].Elements[1].Orientation = Orientation::Down;
    s.engine.PowerFlag = kTrue;
    s.CurrentLevel = 1;
    const QStringList log = Drawn(p, false);
    EXPECT_EQ(g.Orientation, Orientation::Down);
    EXPECT_EQ(log[0], BoxLine(63 - 3.5, 77, 91 + 3.5, 119, 0xC0FFFF, 0));

    s.circuit.Levels[1].Elements[1].Orientation = AsOrientation(9);
    EXPECT_TRUE(Drawn(p, false).isEmpty()) << "no sequence for an unknown orientation";
}
