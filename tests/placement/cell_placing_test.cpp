// The placing routines that take their cell: what they return, and that the
// cursor and the sheet's change record stay their callers' business.
#include "model/pin_lists.h"
#include "placement/basSetRemove.h"
#include "placement/conductor_markers.h"
#include "placing_fixture.h"

namespace {

using CellPlacing = Placing;

TEST_F(CellPlacing, ReturnWhatTheyMadeAndLeaveCursorAndChangesAlone)
{
    Wire(5, 5, 10, 5);
    s.CursorX = 1;
    s.CursorY = 1;
    s.Changes.Discard();

    const Placed sw = PlaceSwitch(s.circuit, s.engine, undo, At(10, 5));
    EXPECT_EQ(sw.element, 1);
    EXPECT_EQ(sw.changed, (CellRect{9, 4, 11, 6}));
    EXPECT_EQ(s.circuit.P(10, 5).ElementNr, 1);
    EXPECT_FALSE(PlaceSwitch(s.circuit, s.engine, undo, At(7, 5))) << "mid-run";

    const Placed led = PlaceLed(s.circuit, undo, At(20, 20), 0x00FF00);
    EXPECT_EQ(led.element, 2);
    EXPECT_EQ(led.changed, (CellRect{19, 19, 21, 21}));
    EXPECT_EQ(s.circuit.Elements[2].Color, 0x00FF00);
    EXPECT_FALSE(PlaceLed(s.circuit, undo, At(20, 20), 0)) << "on another LED";

    const Placed gate = PlaceGate(s.circuit, undo, At(25, 10), Orientation::Right, 2, ElementType::AND);
    ASSERT_TRUE(gate);
    const PinPos input = InputPinsOf(s, gate.element, 0).pin[0];
    EXPECT_TRUE(PlaceNegationMarker(s, undo, input));
    EXPECT_EQ(s.circuit.P(input.X, input.Y).Marker, -1);
    EXPECT_FALSE(PlaceNegationMarker(s, undo, input)) << "already negated";
    EXPECT_FALSE(PlaceNegationMarker(s, undo, At(26, 10))) << "inside the gate, on no pin";

    QStringList steps;
    undo.ListUndos(steps);
    EXPECT_EQ(steps.size(), 4) << "one step for each placing";
    EXPECT_EQ(s.CursorX, 1);
    EXPECT_EQ(s.CursorY, 1);
    EXPECT_TRUE(s.Changes.Empty());
}

} // namespace
