// The outline on the IC window's raster and the connectors' places on its
// sides: zones, snapping, corners and taken points refused, the size fixed
// while a connector is placed.
#include <gtest/gtest.h>

#include "ic/ic_connectors.h"
#include "ic/ic_outline.h"
#include "model/state.h"

namespace {

class Outline : public ::testing::Test {
protected:
    Outline()
    {
        s.circuit.ICWidth = 7;
        s.circuit.ICHeight = 4;
        s.circuit.ICPinCount = 3;
        s.circuit.ICPins = {"", "1;1;A;", "1;2;B;", "1;3;C;"};
        ResizeConnectorLists(s.circuit, 3);
    }
    ProgramState s;
};

TEST(OutlineBoxTest, CentredOnTheRaster)
{
    struct Case {
        int16_t w, h;
        double scale;
        int x0, y0;
        double L, T, W, H;
    };
    const Case cases[] = {
        {7, 4, 8, 14, 9, 112, 72, 57, 33},
        {31, 18, 8, 2, 2, 16, 16, 249, 145},
        {3, 2, 10, 16, 10, 160, 100, 31, 21},
        {8, 5, 8, 13, 8, 104, 64, 65, 41},
    };
    for (const Case& c : cases) {
        const OutlineBox b = OutlineAt(c.w, c.h, c.scale);
        EXPECT_EQ(b.x0, c.x0) << c.w << "x" << c.h;
        EXPECT_EQ(b.y0, c.y0) << c.w << "x" << c.h;
        EXPECT_DOUBLE_EQ(b.L, c.L);
        EXPECT_DOUBLE_EQ(b.T, c.T);
        EXPECT_DOUBLE_EQ(b.W, c.W);
        EXPECT_DOUBLE_EQ(b.H, c.H);
    }
}

// Outline 7 by 4 at scale 8: L 112, T 72, right edge 169, bottom edge 105.
TEST_F(Outline, APointerSnapsToTheNearestRasterPointOfItsSide)
{
    struct Case {
        double X, Y;
        PlaceOutcome outcome;
        const char* entry; // connector 1's graphic entry afterwards
        const char* tag;
    };
    // Tags hold the raster point nearest the pointer: (X + 4) / 8 and (Y + 4) / 8, floored before dividing.
    const Case cases[] = {
        {100, 88, PlaceOutcome::Accepted, "0;2;A;", "l;13;11.5;"},
        {100, 75.9, PlaceOutcome::Refused, "", "l;13;11.5;"}, // snaps onto the corner row
        {100, 76, PlaceOutcome::Accepted, "0;1;A;", "l;13;10;"},
        {100, 103, PlaceOutcome::Refused, "", "l;13;10;"}, // the bottom corner
        {100, 99, PlaceOutcome::Accepted, "0;3;A;", "l;13;12.875;"},
        {180, 88, PlaceOutcome::Accepted, "7;2;A;", "r;23;11.5;"},
        {130, 120, PlaceOutcome::Accepted, "2;4;A;", "u;16.75;15.5;"},
        {130, 50, PlaceOutcome::Accepted, "2;0;A;", "o;16.75;6.75;"},
        {115, 50, PlaceOutcome::Refused, "", "o;16.75;6.75;"}, // the top-left corner
        {165, 50, PlaceOutcome::Refused, "", "o;16.75;6.75;"}, // the top-right corner
        {150, 150, PlaceOutcome::Accepted, "5;4;A;", "u;19.25;19.25;"}, // far below still snaps to the bottom
        {112, 88, PlaceOutcome::OutsideZones, "5;4;A;", "u;19.25;19.25;"}, // on the edge line
        {130, 88, PlaceOutcome::OutsideZones, "5;4;A;", "u;19.25;19.25;"}, // inside
        {100, 60, PlaceOutcome::OutsideZones, "5;4;A;", "u;19.25;19.25;"}, // beyond a corner
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceConnector(s.circuit, 1, 8, c.X, c.Y), c.outcome) << c.X << ", " << c.Y;
        EXPECT_EQ(s.circuit.ICGraphicPins.at(1), QString::fromLatin1(c.entry)) << c.X << ", " << c.Y;
        EXPECT_EQ(s.circuit.ICTags.at(1), QString::fromLatin1(c.tag)) << c.X << ", " << c.Y;
    }
}

TEST_F(Outline, ATakenPointRefusesTheSecondConnectorOnly)
{
    ASSERT_EQ(PlaceConnector(s.circuit, 1, 8, 100, 88), PlaceOutcome::Accepted);
    ASSERT_EQ(PlaceConnector(s.circuit, 2, 8, 100, 96), PlaceOutcome::Accepted);
    EXPECT_EQ(PlaceConnector(s.circuit, 2, 8, 101, 87), PlaceOutcome::Refused);
    EXPECT_EQ(s.circuit.ICGraphicPins.at(1), QStringLiteral("0;2;A;"));
    EXPECT_EQ(s.circuit.ICGraphicPins.at(2), QString());
    EXPECT_EQ(PlaceConnector(s.circuit, 1, 8, 99, 88), PlaceOutcome::Accepted) << "its own point is free to it";
    EXPECT_TRUE(GetDoubleInOut(s.circuit, 3, 0, 2));
    EXPECT_FALSE(GetDoubleInOut(s.circuit, 3, 0, 1));
}

TEST_F(Outline, ThePlacesFitEveryScaleAndRedrawFromTheirEntries)
{
    for (double scale : {4.0, 8.0, 13.0, 24.0}) {
        const OutlineBox b = OutlineAt(7, 4, scale);
        for (int gy = 0; gy <= 4; ++gy) {
            const double y = (b.y0 + gy) * scale;
            // Just inside the zone at the top corner: on the edge line is no zone at all.
            const PlaceOutcome out = PlaceConnector(s.circuit, 1, scale, b.L - scale, gy == 0 ? y + 0.4 : y);
            EXPECT_EQ(out, gy == 0 || gy == 4 ? PlaceOutcome::Refused : PlaceOutcome::Accepted)
                << "scale " << scale << " gy " << gy;
            if (out != PlaceOutcome::Accepted)
                continue;
            const auto pin = PinFromEntry(s.circuit, scale, s.circuit.ICGraphicPins.at(1));
            ASSERT_TRUE(pin.has_value());
            EXPECT_EQ(pin->side, Side::Left);
            EXPECT_EQ(pin->from, QPointF(b.L, y));
            EXPECT_EQ(pin->to, QPointF(b.L - scale, y)) << "one raster step long";
        }
    }
    EXPECT_FALSE(PinFromEntry(s.circuit, 8, QString()).has_value());
    EXPECT_FALSE(PinFromEntry(s.circuit, 8, QStringLiteral("99999;1;X;")).has_value()) << "a file's number beyond any outline";
    EXPECT_FALSE(PinFromEntry(s.circuit, 8, QStringLiteral("3;2;X;")).has_value()) << "inside, on no side";
    const auto top = PinFromEntry(s.circuit, 8, QStringLiteral("3;0;X;"));
    ASSERT_TRUE(top.has_value());
    EXPECT_EQ(top->side, Side::Top);
    EXPECT_EQ(LabelPlace(OutlineAt(7, 4, 8), *top, 8, 10), QPointF(136 - 5, 74));
}

TEST_F(Outline, TheSizeIsFixedWhileAConnectorIsPlaced)
{
    EXPECT_FALSE(AnyConnectorPlaced(s.circuit));
    ASSERT_EQ(PlaceConnector(s.circuit, 3, 8, 180, 96), PlaceOutcome::Accepted);
    EXPECT_TRUE(AnyConnectorPlaced(s.circuit));
    ASSERT_EQ(PlaceConnector(s.circuit, 3, 8, 100, 75), PlaceOutcome::Refused);
    EXPECT_FALSE(AnyConnectorPlaced(s.circuit)) << "refused is unplaced again";
}

TEST_F(Outline, SizeStepsAndTypedSizesKeepTheirLimits)
{
    struct Case {
        int16_t start;
        int delta;
        int16_t width;
    };
    const Case steps[] = {{3, -1, 3}, {4, -1, 3}, {31, 1, 31}, {30, 1, 31}, {7, 1, 8}};
    for (const Case& c : steps) {
        s.circuit.ICWidth = c.start;
        StepICWidth(s.circuit, c.delta);
        EXPECT_EQ(s.circuit.ICWidth, c.width) << c.start << " " << c.delta;
    }
    s.circuit.ICHeight = 2;
    EXPECT_FALSE(StepICHeight(s.circuit, -1));
    s.circuit.ICHeight = 18;
    EXPECT_FALSE(StepICHeight(s.circuit, 1));

    struct Typed {
        const char* text;
        bool taken;
        int16_t width;
    };
    const Typed typed[] = {{"2", false, 7}, {"40", false, 7}, {"12", true, 12}, {" 12.5", true, 12}, {"abc", false, 7},
                           {"31", true, 31}};
    for (const Typed& t : typed) {
        s.circuit.ICWidth = 7;
        EXPECT_EQ(TypeICWidth(s.circuit, QString::fromLatin1(t.text)), t.taken) << t.text;
        EXPECT_EQ(s.circuit.ICWidth, t.width) << t.text;
    }
    s.circuit.ICHeight = 4;
    EXPECT_FALSE(TypeICHeight(s.circuit, QStringLiteral("19")));
    EXPECT_TRUE(TypeICHeight(s.circuit, QStringLiteral("2")));
    EXPECT_EQ(s.circuit.ICHeight, 2);
}

} // namespace
