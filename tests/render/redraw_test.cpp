#include <gtest/gtest.h>

#include "model/pin_lists.h"
#include "model/state.h"
#include "platform/painter_surface.h"
#include "platform/recording_surface.h"
#include "platform/string_table.h"
#include "render/clsGrafik.h"
#include "render/redraw.h"
#include "render/sheet_builder.h"
#include "support/fake_main_window.h"
#include "symbol_fixture.h"

namespace {

// Every component is drawn by its routine at the cell the placing routine
// anchored it, whichever orientation, from whichever of its cells the redraw
// is given: it finds the anchor from the pins. The outline is passed on.
TEST(DrawElement, DrawsEachComponentAtItsAnchorFromAnyOfItsCells)
{
    for (const symfix::Kind& k : symfix::Kinds()) {
        for (const Orientation o : kOrientations) {
            for (const bool outline : {false, true}) {
                ProgramState s;
                sheet::NewSheet(s, 30, 30);
                const symfix::Part p = k.make(s, 15, 15, o);
                RecordingSurface direct;
                clsGrafik g(s, &direct);
                symfix::Draw(g, p, outline);
                ASSERT_FALSE(direct.Log().isEmpty()) << k.name << " orientation " << Code(o);
                for (int x = 0; x <= 30; ++x)
                    for (int y = 0; y <= 30; ++y) {
                        if (s.circuit.P(x, y).ElementNr != p.nr)
                            continue;
                        RecordingSurface viaRedraw;
                        g.Device = &viaRedraw;
                        g.Orientation = {};
                        DrawElement(s, g, static_cast<int16_t>(x), static_cast<int16_t>(y), false, outline);
                        EXPECT_EQ(g.Orientation, p.orientation) << k.name;
                        EXPECT_EQ(viaRedraw.Log(), direct.Log()) << k.name << " orientation " << Code(o)
                                                                 << " outline " << outline << " from " << x << "," << y;
                    }
            }
        }
    }
}

class Redraw : public ::testing::Test {
protected:
    Redraw() : g(s, &rec)
    {
        sheet::NewSheet(s, 20, 16);
        shell.Attach(s);
    }

    int Count(const QString& part) const { return static_cast<int>(rec.Log().filter(part).size()); }

    ProgramState s;
    FakeMainWindow shell;
    RecordingSurface rec{SurfaceKind::Worksheet, 294, 238};
    clsGrafik g;
};

// The same worksheet for the components drawn one at a time.
using ElementRedraw = Redraw;

TEST_F(ElementRedraw, OutlinePassesToTheIC)
{
    sheet::IC(s, 1, 15, 3, 4, 3, {QStringLiteral("0;1;A;")});
    DrawElement(s, g, 15, 4, false, true);
    RecordingSurface direct;
    g.Device = &direct;
    g.DrawIC(15, 4, 1, true);
    EXPECT_EQ(rec.Log(), direct.Log());
}

TEST_F(ElementRedraw, NestedICOnlyOnPaperOrWithThePowerOn)
{
    sheet::IC(s, 1, 3, 3, 4, 3, {QStringLiteral("0;1;A;")}, QStringLiteral("IN"), 1);
    DrawElement(s, g, 3, 4, false, false);
    EXPECT_TRUE(rec.Log().isEmpty());
    rec.SetKind(SurfaceKind::Printer);
    DrawElement(s, g, 3, 4, false, false);
    EXPECT_FALSE(rec.Log().isEmpty());
    rec.ClearLog();
    rec.SetKind(SurfaceKind::Worksheet);
    sheet::CopyToLevel0(s);
    s.engine.PowerFlag = kTrue;
    DrawElement(s, g, 3, 4, false, false);
    EXPECT_FALSE(rec.Log().isEmpty());
}

TEST_F(ElementRedraw, SelectedClockOnlyWhilePowered)
{
    sheet::Clock(s, Orientation::Right, 5, 5);
    const int16_t second = sheet::Clock(s, Orientation::Right, 5, 12);
    s.SelectedClock = 1;
    DrawElement(s, g, 7, 13, false, false); // the stop input of the second generator
    RecordingSurface expected;
    g.Device = &expected;
    g.DrawTimer(5, 12, false);
    EXPECT_EQ(rec.Log(), expected.Log());

    sheet::CopyToLevel0(s);
    s.engine.PowerFlag = kTrue;
    rec.ClearLog();
    expected.ClearLog();
    g.Device = &rec;
    DrawElement(s, g, 7, 13, false, false);
    g.Device = &expected;
    g.DrawTimer(5, 12, true);
    EXPECT_EQ(rec.Log(), expected.Log());
    EXPECT_EQ(second, 2);
}

TEST_F(ElementRedraw, TextLabelsGoToTheWindowUnlessNoText)
{
    const int16_t n = sheet::Place(s, ElementType::TextLabel, Orientation::Right, {sheet::At(2, 2)}, {},
                                   sheet::Cells(2, 2, 4, 2), QStringLiteral("abc"));
    DrawElement(s, g, 3, 2, true, false);
    EXPECT_TRUE(shell.displayedLabels.empty());
    DrawElement(s, g, 3, 2, false, false);
    ASSERT_EQ(shell.displayedLabels.size(), 1u);
    EXPECT_EQ(shell.displayedLabels[0].first, n);
    EXPECT_TRUE(shell.displayedLabels[0].second.isEmpty());
    EXPECT_TRUE(rec.Log().isEmpty());
}

// A damaged file may hold a component whose pins do not fit its type.
TEST_F(ElementRedraw, AComponentWithTooFewPinsIsLeftOutTheRestIsDrawn)
{
    sheet::Place(s, ElementType::HalfAdder, Orientation::Right, {sheet::At(8, 6), sheet::At(8, 7)}, {},
                 sheet::Cells(8, 6, 8, 7));
    sheet::LED(s, 3, 3);
    RedrawAllElements(s, g, 0);
    EXPECT_TRUE(rec.Log().contains(QStringLiteral("Circle 49,49 r=6 color=0 fill=0xE0E0E0 style=0 width=1")));
}


TEST_F(Redraw, AreaCornersAreClampedAndWrittenBack)
{
    int16_t x1 = -3, y1 = -1, x2 = 5, y2 = 4;
    RedrawArea(s, g, x1, y1, x2, y2, false);
    EXPECT_EQ(x1, 0);
    EXPECT_EQ(y1, 0);
    EXPECT_EQ(x2, 5);
    EXPECT_EQ(y2, 4);
    EXPECT_EQ(rec.Log().value(0), QStringLiteral("Line 0,0-84,70 color=0xFFFFFF mode=Box fill=0xFFFFFF style=0 width=1"));

    // Beyond the spare column or row a corner drops to the last one shown.
    x1 = 2, y1 = 3, x2 = 99, y2 = 17;
    RedrawArea(s, g, x1, y1, x2, y2, false);
    EXPECT_EQ(x2, 20);
    EXPECT_EQ(y2, 17) << "the spare row itself stays";
}

TEST_F(Redraw, AreaDrawsEachElementOnceAndNeighboursOfConductorsEachTime)
{
    sheet::IC(s, 1, 2, 2, 4, 3, {QStringLiteral("0;1;A;"), QStringLiteral("4;1;B;")});
    sheet::LED(s, 12, 8);
    sheet::Wire(s, 10, 8, 11, 8);
    sheet::Wire(s, 12, 5, 12, 7);
    s.circuit.P(11, 8).ConRight = kTrue;
    s.circuit.P(12, 8).ConLeft = kTrue;
    s.circuit.P(12, 7).ConDown = kTrue;
    s.circuit.P(12, 8).ConUp = kTrue;
    int16_t x1 = 0, y1 = 0, x2 = 14, y2 = 10;
    RedrawArea(s, g, x1, y1, x2, y2, false);
    EXPECT_EQ(Count(QStringLiteral("fill=0xC0FFFF style=0")), 1) << "the IC's 20 cells give one symbol";
    EXPECT_EQ(Count(QStringLiteral("Circle 175,119 r=6")), 3) << "once as the element, once per conductor beside it";
}

TEST_F(Redraw, AreaRedrawsConductorPiecesAndMarkers)
{
    sheet::Wire(s, 1, 3, 6, 3);
    sheet::Wire(s, 3, 1, 3, 6);
    s.circuit.P(3, 3).Marker = -1;
    int16_t x1 = 3, y1 = 3, x2 = 3, y2 = 3;
    RedrawArea(s, g, x1, y1, x2, y2, false);
    const QStringList expected{
        QStringLiteral("Line 42,42-56,56 color=0xFFFFFF mode=Box fill=0xFFFFFF style=0 width=1"),
        QStringLiteral("Polyline 49,49-49,63 color=0x808080 width=1"),
        QStringLiteral("Polyline 49,49-49,35 color=0x808080 width=1"),
        QStringLiteral("Polyline 49,49-63,49 color=0x808080 width=1"),
        QStringLiteral("Polyline 49,49-35,49 color=0x808080 width=1"),
        QStringLiteral("Line 47,47-51,51 color=0 mode=BoxFilled width=1"),
    };
    EXPECT_EQ(rec.Log(), expected);
}

TEST_F(Redraw, AreaKeepsOldRunsAndAddsNewOnes)
{
    s.circuit.LineMap(7, 7).EndX = 9; // a run removed since the last full redraw
    s.circuit.LineMap(7, 7).CoveredH = kTrue;
    sheet::Wire(s, 1, 2, 4, 2);
    int16_t x1 = 0, y1 = 0, x2 = 1, y2 = 1;
    RedrawArea(s, g, x1, y1, x2, y2, false);
    EXPECT_EQ(s.circuit.LineMap(7, 7).EndX, 9);
    EXPECT_EQ(s.circuit.LineMap(1, 2).EndX, 4);
    RedrawAllElements(s, g, 0);
    EXPECT_EQ(s.circuit.LineMap(7, 7).EndX, 0) << "a full redraw rebuilds the map";
    EXPECT_EQ(s.circuit.LineMap(1, 2).EndX, 4);
}

TEST_F(Redraw, FullRedrawCallsTheWindowInOrder)
{
    sheet::Wire(s, 1, 1, 5, 1);
    RedrawAllElements(s, g, 0);
    const QStringList calls = shell.calls;
    EXPECT_EQ(calls.first(), QStringLiteral("SetProgress"));
    EXPECT_EQ(calls.value(1), QStringLiteral("SelectNone"));
    EXPECT_EQ(calls.value(2), QStringLiteral("SetWorksheetPictureSize"));
    EXPECT_EQ(calls.value(3), QStringLiteral("HideICConnectorLabels"));
    EXPECT_EQ(calls.value(4), QStringLiteral("SetStatusPanel"));
    EXPECT_EQ(calls.mid(calls.size() - 4),
              QStringList({QStringLiteral("ShowNamedICConnectorLabels"), QStringLiteral("ResizeWorksheet"),
                           QStringLiteral("SetProgress"), QStringLiteral("SetStatusPanel")}));
    EXPECT_EQ(shell.pictureSize, std::make_pair(21 * 14, 17 * 14));
    // Progress after each column, then back to 0.
    ASSERT_EQ(shell.progressValues.size(), 23u);
    EXPECT_EQ(shell.progressValues[1], 0);
    EXPECT_EQ(shell.progressValues[2], 5);   // 1/20
    EXPECT_EQ(shell.progressValues[4], 15);  // 3/20
    EXPECT_EQ(shell.progressValues[21], 100);
    EXPECT_EQ(shell.progressValues.back(), 0);
    EXPECT_TRUE(shell.statusPanels[1].isEmpty());
    EXPECT_EQ(s.CurrentProc, QStringLiteral("RedrawAllElements"));
    EXPECT_EQ(rec.Log().value(0), QStringLiteral("Line 0,0-294,238 color=0xFFFFFF mode=Box fill=0xFFFFFF style=0 width=1"));
    EXPECT_EQ(Count(QStringLiteral("Polyline 21,21-77,21")), 1) << "one stroke per run";
}

TEST_F(Redraw, FullRedrawShowsConnectorsOfAnICBeingDefined)
{
    sheet::Wire(s, 3, 3, 6, 3);
    s.circuit.P(3, 3).ICConnector = 1;
    sheet::IC(s, 1, 10, 10, 3, 2, {QStringLiteral("0;1;A;")});
    RedrawAllElements(s, g, 0);
    ASSERT_EQ(shell.shownICInOut.size(), 1u) << "the pins of a placed IC are no connectors here";
    EXPECT_EQ(shell.shownICInOut[0], std::make_pair(int16_t{3}, int16_t{3}));
    EXPECT_EQ(Count(QStringLiteral("Circle 49,49 r=3 color=0 fill=0xFF0000")), 1);
}

TEST_F(Redraw, GridDotsOnlyWithThePowerOffAndTheGridShown)
{
    sheet::Wire(s, 1, 1, 3, 1);
    sheet::LED(s, 5, 5);
    RedrawAllElements(s, g, 0);
    EXPECT_EQ(Count(QStringLiteral("SetPixel")), 21 * 17 - 1) << "on empty and conductor cells, not on the LED";
    EXPECT_TRUE(rec.Log().contains(QStringLiteral("SetPixel 7,7 color=0x808080")));
    EXPECT_TRUE(rec.Log().contains(QStringLiteral("SetPixel 21,21 color=0x808080")));

    rec.ClearLog();
    s.ShowGrid = kFalse;
    RedrawAllElements(s, g, 0);
    EXPECT_EQ(Count(QStringLiteral("SetPixel")), 0);

    rec.ClearLog();
    s.ShowGrid = kTrue;
    sheet::CopyToLevel0(s);
    s.engine.PowerFlag = kTrue;
    RedrawAllElements(s, g, 0);
    EXPECT_EQ(Count(QStringLiteral("SetPixel")), 0);
    int16_t x1 = 0, y1 = 0, x2 = 2, y2 = 2;
    RedrawArea(s, g, x1, y1, x2, y2, false);
    EXPECT_EQ(Count(QStringLiteral("PSet 7,7")), 0);

    s.engine.PowerFlag = 0;
    RedrawArea(s, g, x1, y1, x2, y2, false);
    EXPECT_EQ(Count(QStringLiteral("PSet 7,7 color=0x808080")), 1);
    EXPECT_EQ(Count(QStringLiteral("PSet 21,21 color=0x808080")), 0) << "an area redraw dots empty cells only";
}

TEST_F(Redraw, PowerOnTakesTheSignalsOfTheShownLevel)
{
    sheet::Wire(s, 1, 1, 4, 1);
    sheet::CopyToLevel0(s);
    for (int x = 1; x <= 4; ++x)
        s.circuit.Levels[0].Field(x, 1).WireSignalH = kTrue;
    s.circuit.Levels[0].Field(8, 8).Value = kTrue; // an empty cell is not copied
    s.engine.PowerFlag = kTrue;
    RedrawAllElements(s, g, 0);
    EXPECT_EQ(s.circuit.P(2, 1).WireSignalH, kTrue);
    EXPECT_EQ(s.circuit.P(8, 8).Value, 0);
    EXPECT_EQ(Count(QStringLiteral("Polyline 21,21-64,21 color=0xFF")), 1);
}

TEST_F(Redraw, SwitchingOffKeepsThePictureUncleared)
{
    s.engine.SwitchingOff = kTrue;
    RedrawAllElements(s, g, 0);
    EXPECT_EQ(Count(QStringLiteral("color=0xFFFFFF mode=Box")), 0);
    EXPECT_EQ(shell.resizeWorksheetCount, 0);
}

TEST_F(Redraw, OnPaperNothingIsSizedClearedOrDotted)
{
    rec.SetKind(SurfaceKind::Printer);
    sheet::Wire(s, 1, 1, 5, 1);
    sheet::Wire(s, 3, 1, 3, 4);
    s.circuit.P(3, 1).Marker = -1;
    sheet::Wire(s, 8, 2, 8, 4);
    sheet::Wire(s, 7, 3, 9, 3);
    s.circuit.P(8, 3).Marker = 1;
    sheet::LED(s, 12, 12);
    RedrawAllElements(s, g, 0);
    EXPECT_EQ(Count(QStringLiteral("SetPixel")), 0);
    EXPECT_EQ(Count(QStringLiteral("0xFFFFFF mode=Box")), 0);
    EXPECT_FALSE(shell.calls.contains(QStringLiteral("SetWorksheetPictureSize")));
    EXPECT_EQ(shell.resizeWorksheetCount, 0);
    EXPECT_EQ(Count(QStringLiteral("color=0 mode=Plain")), 4 + 3) << "four runs and the diode's three sides";
    EXPECT_EQ(Count(QStringLiteral("Line 48,20-50,22 color=0 mode=BoxFilled")), 1) << "juncture one zoom unit wide";
    // An unlit LED is white on paper; its outline keeps the colour the diode left.
    EXPECT_EQ(Count(QStringLiteral("Circle 175,175 r=6 color=0x808080 fill=0xFFFFFF")), 1);
}

} // namespace
