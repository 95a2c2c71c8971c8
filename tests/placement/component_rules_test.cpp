// What single components do beyond their footprint: conductors under them,
// LED chains, switches on conductor ends, text labels, and the refusals.
#include "editing/mouse_dispatch.h"
#include "placement/basSetRemove.h"
#include "placement/placement_frame.h"
#include "placing_fixture.h"

namespace {

using Components = Placing;

TEST_F(Components, DecoderWithClockInputHasAFourthInput)
{
    s.DecoderClockInput = kTrue;
    ASSERT_EQ(PlaceAt(SetDecoder, 5, 10), 1);
    EXPECT_EQ(s.circuit.Elements[1].InPinList, QStringLiteral("X5Y8:X5Y9:X5Y10:X5Y11:"));
    EXPECT_EQ(s.circuit.Elements[1].OutPinList, QStringLiteral("X7Y6:X7Y7:X7Y8:X7Y9:X7Y10:X7Y11:X7Y12:X7Y13:"));
    s.DecoderClockInput = kTrue;
    ASSERT_EQ(PlaceAt(SetDecoder, 20, 10, Orientation::Up), 2);
    EXPECT_EQ(s.circuit.Elements[2].InPinList, QStringLiteral("X22Y10:X21Y10:X20Y10:X19Y10:"));
}

TEST_F(Components, TriStateMayCoverAConductorOnItsInputSideOnly)
{
    Wire(10, 5, 10, 20); // along the input column
    Wire(4, 14, 10, 14); // into input 1 from the left
    ASSERT_EQ(PlaceAt(SetTriState, 10, 15), 1);
    EXPECT_EQ(s.circuit.P(10, 15).Type, ElementType::TriState);
    EXPECT_EQ(undo.Record(1).Description, QStringLiteral("Place TriState gate"));

    // Any other cell must be empty; a refusal leaves the count alone.
    Wire(22, 5, 22, 9);
    EXPECT_EQ(PlaceAt(SetTriState, 21, 7), 0);
    EXPECT_EQ(PlaceAt(SetTriState, 20, 7), 0);
    EXPECT_EQ(s.circuit.ElementCount(), 1);
    EXPECT_EQ(s.circuit.Elements.size(), 2u);

    // Removal keeps the conductors: cells with a connection become conductor
    // cells again, the rest empty.
    RemoveAt(12, 15);
    EXPECT_EQ(s.circuit.ElementCount(), 0);
    EXPECT_EQ(undo.Record(1).Description, QStringLiteral("Delete TriState gate"));
    for (int y = 14; y <= 16; ++y) {
        EXPECT_EQ(s.circuit.P(10, y).Type, ElementType::Conductor) << y;
        EXPECT_EQ(s.circuit.P(10, y).ConUp, kTrue) << y;
        EXPECT_EQ(s.circuit.P(10, y).ConDown, kTrue) << y;
        EXPECT_EQ(s.circuit.P(10, y).ElementNr, 0) << y;
        for (int x = 11; x <= 12; ++x)
            EXPECT_TRUE(s.circuit.P(x, y) == GridCell{}) << x << "," << y;
    }
    EXPECT_EQ(s.circuit.P(10, 14).ConLeft, kTrue);
    EXPECT_TRUE(LinksAgree());
}

TEST_F(Components, TriStateStepsKeepTheUndoOrder)
{
    ASSERT_EQ(PlaceAt(SetHA, 5, 5), 1);
    const QByteArray withAdder = FileBytes();
    ASSERT_EQ(PlaceAt(SetTriState, 20, 5), 2);
    undo.Undo(c);
    EXPECT_EQ(s.circuit.ElementCount(), 1);
    EXPECT_EQ(FileBytes(), withAdder);
    undo.Undo(c);
    EXPECT_EQ(s.circuit.ElementCount(), 0);
}

TEST_F(Components, InverterCutsTheConductorBetweenItsCells)
{
    Wire(5, 10, 15, 10);
    ASSERT_EQ(PlaceAt(SetInverter, 9, 10), 1);
    EXPECT_EQ(s.circuit.P(9, 10).ConRight, 0);
    EXPECT_EQ(s.circuit.P(10, 10).ConLeft, 0);
    EXPECT_EQ(s.circuit.P(9, 10).ConLeft, kTrue);
    EXPECT_EQ(s.circuit.P(10, 10).ConRight, kTrue);
    EXPECT_EQ(s.circuit.P(10, 10).Type, ElementType::Inverter);
    // Removed from its output cell: two conductor ends facing each other.
    RemoveAt(10, 10);
    EXPECT_EQ(s.circuit.ElementCount(), 0);
    for (int x : {9, 10}) {
        EXPECT_EQ(s.circuit.P(x, 10).Type, ElementType::Conductor);
        EXPECT_EQ(s.circuit.P(x, 10).ElementNr, 0);
    }
    EXPECT_EQ(s.circuit.P(9, 10).ConRight, 0);
    EXPECT_EQ(s.circuit.P(10, 10).ConLeft, 0);
    EXPECT_TRUE(LinksAgree());
    EXPECT_EQ(undo.Record(1).Description, QStringLiteral("Delete inverter"));
    EXPECT_EQ((std::array{undo.Record(1).X1, undo.Record(1).X2}), (std::array<int16_t, 2>{9, 10}));
}

TEST_F(Components, InverterAndLedNeverOverwriteAnotherElement)
{
    ASSERT_EQ(PlaceAt(SetHA, 10, 10), 1);
    // The second cell would be the adder's input.
    EXPECT_EQ(PlaceAt(SetInverter, 9, 10, Orientation::Right), 0);
    EXPECT_EQ(PlaceAt(SetInverter, 10, 12, Orientation::Up), 0);
    EXPECT_EQ(s.circuit.P(10, 10).Type, ElementType::HalfAdder);
    ASSERT_EQ(PlaceAt(SetDiode, 20, 20), 2);
    EXPECT_EQ(PlaceAt(SetDiode, 20, 20), 0);
    EXPECT_EQ(s.circuit.ElementCount(), 2);
    EXPECT_EQ(s.circuit.P(20, 20).ElementNr, 2);
}

TEST_F(Components, LedsJoinAndARemovedOneLeavesNoLinkBehind)
{
    for (int x = 10; x <= 12; ++x)
        ASSERT_NE(PlaceAt(SetDiode, x, 10), 0);
    EXPECT_EQ(s.circuit.P(11, 10).ConLeft, kTrue);
    EXPECT_EQ(s.circuit.P(11, 10).ConRight, kTrue);
    EXPECT_EQ(s.circuit.P(10, 10).ConRight, kTrue);
    EXPECT_EQ(s.circuit.P(11, 10).Marker, -1);
    EXPECT_EQ(s.circuit.Elements[2].Color, 255);
    EXPECT_EQ(s.circuit.Elements[2].OutPinList, QString());
    EXPECT_EQ(s.circuit.Elements[2].Orientation, Orientation::None);

    RemoveAt(11, 10);
    EXPECT_TRUE(s.circuit.P(11, 10) == GridCell{});
    // No flag points into the empty cell, so no conductor appears on saving.
    EXPECT_EQ(s.circuit.P(10, 10).ConRight, 0);
    EXPECT_EQ(s.circuit.P(12, 10).ConLeft, 0);
    EXPECT_EQ(s.circuit.P(12, 10).ElementNr, 2);
    EXPECT_TRUE(LinksAgree());

    // Beside a conductor the cell becomes a conductor cell again.
    Wire(20, 15, 22, 15);
    ASSERT_NE(PlaceAt(SetDiode, 22, 15), 0);
    RemoveAt(22, 15);
    EXPECT_EQ(s.circuit.P(22, 15).Type, ElementType::Conductor);
    EXPECT_EQ(s.circuit.P(22, 15).Marker, 0);
    EXPECT_EQ(s.circuit.P(22, 15).ConLeft, kTrue);
}

TEST_F(Components, SwitchOnlyOnAConductorEnd)
{
    Wire(5, 5, 10, 5);
    EXPECT_EQ(PlaceAt(SetSwitch, 7, 5), 0);  // middle: two connections
    EXPECT_EQ(PlaceAt(SetSwitch, 7, 15), 0); // empty
    ASSERT_EQ(PlaceAt(SetSwitch, 10, 5), 1);
    EXPECT_EQ(s.circuit.Elements[1].Orientation, Orientation::Right);
    EXPECT_EQ(s.circuit.Elements[1].InPinList, QStringLiteral("X10Y5:"));
    EXPECT_EQ(s.circuit.Elements[1].OutPinList, QStringLiteral("X10Y5:"));
    EXPECT_EQ(undo.Record(1).Description, QStringLiteral("Place switch"));
    RemoveAt(10, 5);
    EXPECT_EQ(s.circuit.P(10, 5).Type, ElementType::Conductor);
    EXPECT_EQ(s.circuit.P(10, 5).ConLeft, kTrue);
    EXPECT_EQ(s.circuit.ElementCount(), 0);
}

TEST_F(Components, TextLabelIsRemovedWithItsWholeRun)
{
    ASSERT_EQ(PlaceAt(SetHA, 20, 20), 1);
    const int16_t n = AppendElement(s.circuit);
    s.circuit.Elements[static_cast<size_t>(n)].Type = ElementType::TextLabel;
    s.circuit.Elements[static_cast<size_t>(n)].SelfIndex = n;
    s.circuit.Elements[static_cast<size_t>(n)].InPinList = QStringLiteral("X5Y7:");
    s.circuit.Elements[static_cast<size_t>(n)].Label = QStringLiteral("Hallo");
    for (int x = 5; x <= 9; ++x) {
        s.circuit.P(x, 7).Type = ElementType::TextLabel;
        s.circuit.P(x, 7).ElementNr = n;
    }
    RemoveAt(8, 7);
    EXPECT_EQ(s.circuit.ElementCount(), 1);
    for (int x = 5; x <= 9; ++x)
        EXPECT_TRUE(s.circuit.P(x, 7) == GridCell{}) << x;
    EXPECT_EQ(undo.Record(1).Description, QStringLiteral("Delete text"));
    EXPECT_EQ((std::array{undo.Record(1).X1, undo.Record(1).X2}), (std::array<int16_t, 2>{5, 9}));
}

} // namespace
