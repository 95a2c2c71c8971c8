#include <gtest/gtest.h>

#include "model/state.h"
#include "platform/painter_surface.h"
#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "render/sheet_builder.h"
#include "symbol_fixture.h"

namespace {

constexpr QRgb kRedPx = 0xFF0000;
constexpr QRgb kGreyPx = 0x808080;
constexpr QRgb kWhitePx = 0xFFFFFF;

QRgb Px(const PainterSurface& p, int x, int y)
{
    return p.Image().pixel(x, y) & 0xFFFFFF;
}

class DrawingObject : public ::testing::Test {
protected:
    DrawingObject() : g(s, &rec) { sheet::NewSheet(s, 12, 12); }

    ProgramState s;
    RecordingSurface rec{SurfaceKind::Worksheet};
    clsGrafik g;
};

// The zoomed pitch shows in the switch box, which spans 2/3 of it.
TEST_F(DrawingObject, ZoomedPitchRoundsHalfToEven)
{
    sheet::Wire(s, 1, 2, 2, 2);
    sheet::Switch(s, 2, 2);
    for (auto [zoom, pitch] : {std::pair{1.25f, 18.0}, {0.75f, 10.0}, {0.6f, 8.0}, {1.0f, 14.0}}) {
        s.GridMode = zoom;
        rec.ClearLog();
        g.DrawSwitch(2, 2);
        const std::vector<double> box = symfix::Parse(rec.Log().value(0)).v;
        ASSERT_EQ(box.size(), 4u);
        EXPECT_NEAR((box[2] - box[0]) * 1.5, pitch, 1e-9) << "zoom " << zoom;
    }
}

TEST_F(DrawingObject, PaintLineRecordsStrokesByLevelAndDevice)
{
    sheet::Wire(s, 1, 1, 3, 1);
    g.PaintLine(1, 1, 3, 1);
    EXPECT_EQ(rec.Log(), QStringList({QStringLiteral("Polyline 21,21-49,21 color=0x808080 width=1")}));

    s.circuit.P(1, 1).WireSignalH = kTrue;
    s.circuit.P(3, 1).WireSignalH = kTrue;
    rec.ClearLog();
    g.PaintLine(1, 1, 3, 1);
    EXPECT_EQ(rec.Log(), QStringList({QStringLiteral("Polyline 21,21-50,21 color=0xFF width=1"),
                                      QStringLiteral("Polyline 21,22-50,22 color=0xFF width=1"),
                                      QStringLiteral("Polyline 21,20-50,20 color=0xFF width=1")}));

    // A vertical run is High only by the vertical signals of both ends.
    sheet::Wire(s, 5, 1, 5, 4);
    s.circuit.P(5, 1).WireSignalV = kTrue;
    s.circuit.P(5, 4).WireSignalH = kTrue;
    rec.ClearLog();
    g.PaintLine(5, 1, 5, 4);
    EXPECT_EQ(rec.Log().first(), QStringLiteral("Polyline 77,21-77,63 color=0x808080 width=1"));
    s.circuit.P(5, 4).WireSignalV = kTrue;
    rec.ClearLog();
    g.PaintLine(5, 1, 5, 4);
    EXPECT_EQ(rec.Log().value(1), QStringLiteral("Polyline 78,21-78,64 color=0xFF width=1"));

    // Both cells equal: horizontal, so the vertical signals do not count.
    s.circuit.P(7, 7).WireSignalV = kTrue;
    rec.ClearLog();
    g.PaintLine(7, 7, 7, 7);
    EXPECT_EQ(rec.Log().first(), QStringLiteral("Polyline 105,105-105,105 color=0x808080 width=1"));
}

TEST_F(DrawingObject, PaintLineOnPrinterIsBlackLineWhenLowRedStrokesWhenHigh)
{
    rec.SetKind(SurfaceKind::Printer);
    sheet::Wire(s, 1, 1, 3, 1);
    g.PaintLine(1, 1, 3, 1);
    // Nothing but the run lands on the paper: no mark outside the drawing.
    EXPECT_EQ(rec.Log(), QStringList(QStringLiteral("Line 21,21-49,21 color=0 mode=Plain width=1")));
    s.circuit.P(1, 1).WireSignalH = kTrue;
    s.circuit.P(3, 1).WireSignalH = kTrue;
    rec.ClearLog();
    g.PaintLine(1, 1, 3, 1);
    EXPECT_EQ(rec.Log().size(), 3); // the three strokes, no pass marker
    EXPECT_TRUE(rec.Log().first().startsWith(QStringLiteral("Polyline 21,21-50,21 color=0xFF")));
}

TEST(DrawingObjectPixels, LowRunLeavesOutItsLastPixelHighRunKeepsIt)
{
    ProgramState s;
    sheet::NewSheet(s, 8, 8);
    PainterSurface pic(120, 120);
    clsGrafik g(s, &pic);
    sheet::Wire(s, 1, 1, 3, 1);
    sheet::Wire(s, 1, 3, 1, 5);
    g.PaintLine(1, 1, 3, 1);
    EXPECT_EQ(Px(pic, 21, 21), kGreyPx);
    EXPECT_EQ(Px(pic, 48, 21), kGreyPx);
    EXPECT_EQ(Px(pic, 49, 21), kWhitePx);
    EXPECT_EQ(Px(pic, 30, 20), kWhitePx) << "a Low run is one pixel wide";

    s.circuit.P(1, 3).WireSignalV = kTrue;
    s.circuit.P(1, 5).WireSignalV = kTrue;
    g.PaintLine(1, 3, 1, 5);
    for (int x : {20, 21, 22}) {
        EXPECT_EQ(Px(pic, x, 49), kRedPx);
        EXPECT_EQ(Px(pic, x, 77), kRedPx) << "the end pixel is included";
    }
    EXPECT_EQ(Px(pic, 23, 60), kWhitePx);
    EXPECT_EQ(Px(pic, 19, 60), kWhitePx);
}

class ConductorPiece : public ::testing::Test {
protected:
    ConductorPiece() : pic(160, 160), g(s, &pic)
    {
        sheet::NewSheet(s, 9, 9);
        sheet::Wire(s, 2, 5, 6, 5);
        sheet::Wire(s, 4, 3, 4, 5); // joins (4, 5) from above
        sheet::CopyToLevel0(s);
        s.engine.PowerFlag = kTrue;
    }

    ProgramState s;
    PainterSurface pic;
    clsGrafik g;
};

TEST_F(ConductorPiece, HighIsThreeRedStrokes)
{
    g.DrawLines(4, 5, Direction::Right, 1); // reached (4, 5) travelling right, from (3, 5)
    for (int y : {76, 77, 78}) {
        EXPECT_EQ(Px(pic, 49, y), kRedPx);
        EXPECT_EQ(Px(pic, 63, y), kRedPx);
        EXPECT_EQ(Px(pic, 64, y), kWhitePx);
    }
    EXPECT_EQ(Px(pic, 55, 75), kWhitePx);
    EXPECT_EQ(Px(pic, 55, 79), kWhitePx);
}

TEST_F(ConductorPiece, LowIsGreyWithWhiteEdgesPulledBackAtAJoin)
{
    g.DrawLines(4, 5, Direction::Right, 1);
    g.DrawLines(4, 5, Direction::Right, 0);
    EXPECT_EQ(Px(pic, 49, 77), kGreyPx);
    EXPECT_EQ(Px(pic, 63, 77), kGreyPx);
    EXPECT_EQ(Px(pic, 64, 77), kWhitePx);
    // Upper edge: the conductor from above keeps the centre column.
    EXPECT_EQ(Px(pic, 49, 76), kWhitePx);
    EXPECT_EQ(Px(pic, 62, 76), kWhitePx);
    EXPECT_EQ(Px(pic, 63, 76), kRedPx);
    // Lower edge: nothing joins from below, so it covers the centre column too.
    EXPECT_EQ(Px(pic, 63, 78), kWhitePx);
}

TEST_F(ConductorPiece, LowEdgeStopsTwoPixelsBeforeAHighCell)
{
    s.circuit.Levels[0].Field(4, 5).Value = kTrue;
    g.DrawLines(4, 5, Direction::Right, 1);
    g.DrawLines(4, 5, Direction::Right, 0);
    EXPECT_EQ(Px(pic, 61, 76), kWhitePx);
    EXPECT_EQ(Px(pic, 62, 76), kRedPx);
    EXPECT_EQ(Px(pic, 63, 76), kRedPx);
}

TEST_F(ConductorPiece, PulledBackAtTheNeighbourEndAndOnVerticalPieces)
{
    RecordingSurface rec;
    g.Device = &rec;
    // (3, 5) reached travelling left from (4, 5): the join above (4, 5) is the neighbour's.
    g.DrawLines(3, 5, Direction::Left, 0);
    EXPECT_EQ(rec.Log().value(0), QStringLiteral("Polyline 63,77-48,77 color=0x808080 width=1"));
    EXPECT_EQ(rec.Log().value(1), QStringLiteral("Polyline 62,76-48,76 color=0xFFFFFF width=1"));
    EXPECT_EQ(rec.Log().value(2), QStringLiteral("Polyline 63,78-48,78 color=0xFFFFFF width=1"));

    // A vertical piece: (4, 4) reached travelling down from (4, 3); nothing joins from the sides.
    rec.ClearLog();
    g.DrawLines(4, 4, Direction::Down, 0);
    EXPECT_EQ(rec.Log().value(0), QStringLiteral("Polyline 63,49-63,64 color=0x808080 width=1"));
    EXPECT_EQ(rec.Log().value(1), QStringLiteral("Polyline 62,49-62,64 color=0xFFFFFF width=1"));
    EXPECT_EQ(rec.Log().value(2), QStringLiteral("Polyline 64,49-64,64 color=0xFFFFFF width=1"));
}

TEST_F(ConductorPiece, NothingWhenTheCellTheSignalCameFromIsEmpty)
{
    RecordingSurface rec;
    g.Device = &rec;
    s.CurrentLevel = 3;
    g.DrawLines(2, 5, Direction::Right, 1); // from (1, 5), which is empty
    EXPECT_TRUE(rec.Log().isEmpty());
    EXPECT_EQ(s.CurrentLevel, 0);
    g.DrawLines(0, 0, Direction::Left, 1); // an empty cell at the border
    EXPECT_TRUE(rec.Log().isEmpty());
}

TEST_F(ConductorPiece, RefreshesTheJunctureAndTheComponentAtThePiece)
{
    RecordingSurface rec;
    g.Device = &rec;
    s.circuit.Levels[0].Field(4, 5).Marker = -1;
    sheet::LED(s, 7, 5);
    s.circuit.P(6, 5).ConRight = kTrue;
    s.circuit.P(7, 5).ConLeft = kTrue;
    sheet::CopyToLevel0(s);
    s.circuit.Levels[0].Field(4, 5).Marker = -1;
    g.DrawLines(4, 5, Direction::Right, 1);
    EXPECT_TRUE(rec.Log().last().startsWith(QStringLiteral("Line 61,75-65,79 color=0 mode=BoxFilled")))
        << rec.Log().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(s.circuit.Levels[0].Field(4, 5).Marker, -1);

    rec.ClearLog();
    g.DrawLines(7, 5, Direction::Right, 1);
    EXPECT_TRUE(rec.Log().last().startsWith(QStringLiteral("Circle 105,77 r=6 color=0xFF fill=0xE0E0E0")))
        << rec.Log().join(QLatin1Char('\n')).toStdString();
}

TEST_F(DrawingObject, NegationDotSitsOutsideThePinTowardsTheConductor)
{
    const int16_t gate = sheet::Gate(s, ElementType::AND, Orientation::Right, 3, 4);
    ASSERT_EQ(gate, 1);
    rec.ForeColor = 0x123456;
    g.DrawNegationsPunkt(3, 4); // input pin
    EXPECT_EQ(rec.Log().value(0), QStringLiteral("Circle 45,63 r=3 color=0x123456 fill=0xC0C0C0 style=0 width=1"));
    g.DrawNegationsPunkt(5, 4); // output pin
    EXPECT_EQ(rec.Log().value(1), QStringLiteral("Circle 81,63 r=3 color=0x123456 fill=0xC0C0C0 style=0 width=1"));

    sheet::Gate(s, ElementType::OR, Orientation::Up, 8, 10);
    s.GridMode = 0.5f; // d = CInt(2.0) = 2, radius 1.5
    rec.ClearLog();
    g.DrawNegationsPunkt(7, 10);
    g.DrawNegationsPunkt(8, 8);
    EXPECT_EQ(rec.Log().value(0), QStringLiteral("Circle 52,76 r=1.5 color=0x123456 fill=0xC0C0C0 style=0 width=1"));
    EXPECT_EQ(rec.Log().value(1), QStringLiteral("Circle 60,58 r=1.5 color=0x123456 fill=0xC0C0C0 style=0 width=1"));

    rec.SetKind(SurfaceKind::Printer);
    rec.ClearLog();
    g.DrawNegationsPunkt(7, 10);
    EXPECT_TRUE(rec.Log().value(0).contains(QStringLiteral("fill=0xFFFFFF style=0")));
}

TEST(DrawingObjectPixels, FillColoursKeepTheirChannels)
{
    ProgramState s;
    sheet::NewSheet(s, 8, 8);
    PainterSurface pic(120, 120);
    clsGrafik g(s, &pic);
    const int16_t led = sheet::LED(s, 1, 1, 0xFF0000); // blue LED colour
    s.circuit.P(1, 1).Value = kTrue;
    g.DrawDiode(1, 1);
    EXPECT_EQ(Px(pic, 21, 21), 0x0000FFu);
    s.circuit.Elements[static_cast<size_t>(led)].Color = 0x00FF; // red
    g.DrawDiode(1, 1);
    EXPECT_EQ(Px(pic, 21, 21), kRedPx);
    s.circuit.P(1, 1).Value = 0;
    g.DrawDiode(1, 1);
    EXPECT_EQ(Px(pic, 21, 21), 0xE0E0E0u);

    sheet::Sensor(s, 3, 1, QStringLiteral("1"));
    g.DrawAnalysepunkt(3, 1);
    EXPECT_EQ(Px(pic, 46, 23), 0xC0FFFFu) << "&HFFFFC0 is a pale cyan";

    g.DrawICInOut(5, 1);
    EXPECT_EQ(Px(pic, 77, 21), 0x0000FFu) << "&HFF0000 is blue";
    EXPECT_EQ(Px(pic, 77 + 5, 21), kWhitePx) << "three pixels at zoom 1";
}

TEST_F(DrawingObject, LedReadsTheShownLevelWhilePowered)
{
    sheet::LED(s, 2, 2, 0x00FF00);
    sheet::CopyToLevel0(s);
    s.engine.PowerFlag = kTrue;
    s.circuit.Levels[0].Field(2, 2).Value = kTrue;
    g.DrawDiode(2, 2);
    EXPECT_EQ(rec.Log().value(0), QStringLiteral("Circle 35,35 r=6 color=0 fill=0xFF00 style=0 width=1"));

    rec.SetKind(SurfaceKind::Printer);
    s.circuit.Levels[0].Field(2, 2).Value = 0;
    rec.ClearLog();
    g.DrawDiode(2, 2);
    EXPECT_TRUE(rec.Log().value(0).contains(QStringLiteral("fill=0xE0E0E0")));
    s.engine.PowerFlag = 0;
    rec.ClearLog();
    g.DrawDiode(2, 2);
    EXPECT_TRUE(rec.Log().value(0).contains(QStringLiteral("fill=0xFFFFFF")));
}

TEST_F(DrawingObject, SwitchShowsItsLevelAndOnPaperDrawsItsBoxTwice)
{
    sheet::Wire(s, 1, 2, 2, 2);
    sheet::Switch(s, 2, 2);
    s.GridMode = 1.5f; // pitch 21, centre (52, 52)
    g.DrawSwitch(2, 2);
    ASSERT_EQ(rec.Log().size(), 2);
    EXPECT_EQ(rec.Log()[0], QStringLiteral("Line 45,45-59,59 color=0 mode=Box fill=0xC0C0C0 style=0 width=1"));
    EXPECT_TRUE(rec.Log()[1].startsWith(QStringLiteral("Print 47.8,44.3636363636 \"0\" font=Arial size=10.5")));
    EXPECT_EQ(rec.FillStyle, 1);

    s.circuit.P(2, 2).Value = kTrue;
    rec.SetKind(SurfaceKind::Printer);
    rec.ClearLog();
    g.DrawSwitch(2, 2);
    ASSERT_EQ(rec.Log().size(), 3);
    EXPECT_TRUE(rec.Log()[0].contains(QStringLiteral("fill=0xFFFFFF style=0")));
    EXPECT_TRUE(rec.Log()[1].contains(QStringLiteral("\"1\" font=Arial size=1.11")));
    EXPECT_TRUE(rec.Log()[2].contains(QStringLiteral("mode=Box fill=0xFFFFFF style=1")));

    s.circuit.P(2, 2).Value = 5;
    rec.ClearLog();
    g.DrawSwitch(2, 2);
    for (const QString& line : rec.Log())
        EXPECT_FALSE(line.startsWith(QStringLiteral("Print")));
}

TEST_F(DrawingObject, SensorShowsItsChannelButNotOnPaper)
{
    sheet::Sensor(s, 3, 3, QStringLiteral("7"));
    g.DrawAnalysepunkt(3, 3);
    ASSERT_EQ(rec.Log().size(), 2);
    EXPECT_EQ(rec.Log()[0], QStringLiteral("Circle 49,49 r=6 color=0 fill=0xFFFFC0 style=0 width=1"));
    EXPECT_TRUE(rec.Log()[1].startsWith(QStringLiteral("Print 47,44 \"7\" font=Arial size=7")));
    rec.SetKind(SurfaceKind::Printer);
    rec.ClearLog();
    g.DrawAnalysepunkt(3, 3);
    EXPECT_TRUE(rec.Log().isEmpty());
}

TEST_F(DrawingObject, SearchEndFindsTheEndOfAStraightConductor)
{
    sheet::Wire(s, 2, 4, 7, 4);
    EXPECT_EQ(g.SearchEndX(2, 4, Direction::Right), 7);
    EXPECT_EQ(g.SearchEndX(7, 4, Direction::Left), 2) << "the first cell without a link to the left";
    EXPECT_EQ(g.SearchEndX(4, 4, Direction::Up), 4);
    EXPECT_EQ(g.SearchEndX(4, 4, AsDirection(9)), 0);
    sheet::Wire(s, 10, 0, 13, 0); // on into the spare column
    EXPECT_EQ(g.SearchEndX(10, 0, Direction::Right), 0) << "the scan reaches MaxX without an end";
    s.circuit.P(6, 4).Type = ElementType::LED;
    EXPECT_EQ(g.SearchEndX(2, 4, Direction::Right), 6) << "a component ends the conductor";
    sheet::Wire(s, 9, 1, 9, 6);
    EXPECT_EQ(g.SearchEndY(9, 1, Direction::Down), 6);
    EXPECT_EQ(g.SearchEndY(9, 6, Direction::Up), 1);
    EXPECT_EQ(g.SearchEndY(9, 3, Direction::Left), 3);
    EXPECT_EQ(g.SearchEndY(9, 3, AsDirection(7)), 0);
}

} // namespace
