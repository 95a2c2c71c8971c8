#include <gtest/gtest.h>

#include "model/state.h"
#include "placement/conductor_markers.h"
#include "render/marker_symbols.h"
#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "../render/sheet_builder.h"

namespace {

class Markers : public ::testing::Test {
protected:
    Markers() : g(s, &rec)
    {
        sheet::NewSheet(s, 10, 10);
        sheet::Wire(s, 1, 3, 6, 3);
        sheet::Wire(s, 3, 3, 3, 6); // a T at (3, 3)
        sheet::Wire(s, 5, 1, 5, 6); // a crossing at (5, 3)
    }

    ProgramState s;
    RecordingSurface rec;
    clsGrafik g;
};

TEST_F(Markers, JunctureOnlyOnABranchingConductorWithoutDiode)
{
    ShowJuncture(s, s, s.CurrentLevel, g, 2, 3); // straight
    ShowJuncture(s, s, s.CurrentLevel, g, 8, 8); // empty
    EXPECT_EQ(s.circuit.P(2, 3).Marker, 0);
    EXPECT_TRUE(rec.Log().isEmpty());
    ShowJuncture(s, s, s.CurrentLevel, g, 3, 3);
    EXPECT_EQ(s.circuit.P(3, 3).Marker, -1);
    EXPECT_EQ(rec.Log(), QStringList(QStringLiteral("Line 47,47-51,51 color=0 mode=BoxFilled width=1")));
    s.circuit.P(5, 3).Marker = 1;
    ShowJuncture(s, s, s.CurrentLevel, g, 5, 3);
    EXPECT_EQ(s.circuit.P(5, 3).Marker, 1);
    EXPECT_EQ(rec.Log().size(), 1);
}

TEST_F(Markers, DiodeOnABranchingConductorWithoutJuncture)
{
    ShowCouplingDiode(s, s, g, 2, 3);
    EXPECT_EQ(s.circuit.P(2, 3).Marker, 0);
    s.circuit.P(5, 3).Marker = -1;
    ShowCouplingDiode(s, s, g, 5, 3);
    EXPECT_EQ(s.circuit.P(5, 3).Marker, -1);
    EXPECT_TRUE(rec.Log().isEmpty());
    ShowCouplingDiode(s, s, g, 3, 3);
    EXPECT_EQ(s.circuit.P(3, 3).Marker, 1);
    EXPECT_EQ(rec.Log(), QStringList({QStringLiteral("Polygon 42,49-56,49-49,56 color=0x808080 fill=0xFF0000 style=0 width=1"),
                                      QStringLiteral("PSet 49,54 color=0xFF0000 width=1")}));
}

TEST_F(Markers, TriangleCornersRoundHalfToEven)
{
    s.GridMode = 0.5f; // pitch 7, centre of cell 3 is 24
    ShowCouplingDiode(s, s, g, 3, 3);
    EXPECT_EQ(rec.Log().value(0), QStringLiteral("Polygon 20,24-28,24-24,28 color=0x808080 fill=0xFF0000 style=0 width=1"));
}

TEST_F(Markers, OnPaperTheDiodeIsThreeBlackLinesAndTheDotOneZoomUnit)
{
    rec.SetKind(SurfaceKind::Printer);
    ShowCouplingDiode(s, s, g, 3, 3);
    ShowJuncture(s, s, s.CurrentLevel, g, 5, 3);
    EXPECT_EQ(rec.Log(), QStringList({QStringLiteral("Line 41,49-57,49 color=0 mode=Plain width=1"),
                                      QStringLiteral("Line 57,49-49,57 color=0 mode=Plain width=1"),
                                      QStringLiteral("Line 49,57-41,49 color=0 mode=Plain width=1"),
                                      QStringLiteral("Line 76,48-78,50 color=0 mode=BoxFilled width=1")}));
}

TEST_F(Markers, WithThePowerOnTheDiodeIsNotTestedAndHasNoDot)
{
    sheet::CopyToLevel0(s);
    s.engine.PowerFlag = kTrue;
    ShowCouplingDiode(s, s, g, 2, 3);
    EXPECT_EQ(s.circuit.P(2, 3).Marker, 1);
    EXPECT_EQ(rec.Log(), QStringList(QStringLiteral("Polygon 28,49-42,49-35,56 color=0x808080 fill=0xFF0000 style=0 width=1")));
}

TEST_F(Markers, WithThePowerOnAJunctureGoesIntoTheShownLevel)
{
    sheet::CopyToLevel0(s);
    s.engine.PowerFlag = kTrue;
    rec.SetKind(SurfaceKind::Printer);
    ShowJuncture(s, s, s.CurrentLevel, g, 3, 3);
    EXPECT_EQ(s.circuit.Levels[0].Field(3, 3).Marker, -1);
    EXPECT_EQ(s.circuit.P(3, 3).Marker, 0);
    EXPECT_EQ(rec.Log(), QStringList(QStringLiteral("Line 47,47-51,51 color=0 mode=BoxFilled width=1")))
        << "a seventh of the pitch on any device";
    ShowJuncture(s, s, s.CurrentLevel, g, 2, 3);
    EXPECT_EQ(s.circuit.Levels[0].Field(2, 3).Marker, 0);
}

TEST_F(Markers, AThickPenIsNarrowedFirst)
{
    rec.DrawWidth = 3;
    ShowJuncture(s, s, s.CurrentLevel, g, 3, 3);
    EXPECT_EQ(rec.DrawWidth, 1);
    EXPECT_TRUE(rec.Log().value(0).endsWith(QStringLiteral("width=1")));
}

} // namespace
