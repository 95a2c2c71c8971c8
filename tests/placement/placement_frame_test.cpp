// The occupancy test, the clearing of a removed footprint, the renumbering
// after a removal, and the analysis sensors.
#include "../render/sheet_builder.h"
#include "editing/mouse_dispatch.h"
#include "placement/clock_slots.h"
#include "placement/basSetRemove.h"
#include "placement/placement_frame.h"
#include "placing_fixture.h"

namespace {

using Frame = Placing;

TEST_F(Frame, ConductorEndsMayMeetAFootprintButNotRunAlongOrInto)
{
    // A conductor ending on the left edge from outside is accepted.
    Wire(5, 10, 10, 10);
    EXPECT_FALSE(IsAreaOccupied(s.circuit, 10, 9, 12, 11));
    // Running on along the edge or into the rectangle is not.
    EXPECT_TRUE(IsAreaOccupied(s.circuit, 9, 9, 11, 11)); // (10, 10) inside
    EXPECT_TRUE(IsAreaOccupied(s.circuit, 8, 10, 11, 12)); // top edge, along it

    Reset();
    Wire(10, 5, 10, 9); // from above onto the top-left corner
    EXPECT_FALSE(IsAreaOccupied(s.circuit, 10, 9, 12, 11));
    Reset();
    Wire(10, 9, 14, 9); // turning into the top edge from the corner
    EXPECT_TRUE(IsAreaOccupied(s.circuit, 10, 9, 12, 11));
    Reset();
    Wire(12, 11, 12, 14); // leaving the bottom-right corner downwards
    EXPECT_FALSE(IsAreaOccupied(s.circuit, 10, 9, 12, 11));
    Wire(8, 11, 12, 11); // and now along the bottom edge into it
    EXPECT_TRUE(IsAreaOccupied(s.circuit, 10, 9, 12, 11));

    // Any component cell blocks; empty cells never do, whatever they carry.
    Reset();
    s.circuit.P(11, 10).Marker = -1;
    s.circuit.P(11, 10).ElementNr = 7;
    EXPECT_FALSE(IsAreaOccupied(s.circuit, 10, 9, 12, 11));
    s.circuit.P(12, 11).Type = ElementType::LED;
    EXPECT_TRUE(IsAreaOccupied(s.circuit, 10, 9, 12, 11));
    EXPECT_FALSE(IsAreaOccupied(s.circuit, 12, 9, 10, 11)); // inverted: empty range

    // One column wide: the cells are left-edge cells.
    Reset();
    Wire(3, 5, 5, 5);
    EXPECT_FALSE(IsAreaOccupied(s.circuit, 5, 4, 5, 6));
    Wire(5, 5, 5, 8);
    EXPECT_TRUE(IsAreaOccupied(s.circuit, 5, 4, 5, 6));
}

TEST_F(Frame, ClearingLeavesConductorEndsWhereAConductorStillJoins)
{
    Wire(5, 10, 10, 10); // feeds input 2 of a gate at (10, 10)
    Wire(14, 11, 12, 11);
    ASSERT_EQ(PlaceAt([](PlacementContext& k) { SetGatter(k, ElementType::AND); }, 10, 10), 1);
    s.circuit.P(10, 10).Marker = -1; // a negation marker on the fed pin
    s.circuit.P(10, 11).ConLeft = kTrue; // a flag on the pin that nobody answers
    ClearGridArea(s.circuit, 10, 9, 12, 11);
    EXPECT_EQ(s.circuit.P(10, 10).Type, ElementType::Conductor);
    EXPECT_EQ(s.circuit.P(10, 10).Marker, 0);
    EXPECT_EQ(s.circuit.P(10, 10).ElementNr, 0);
    EXPECT_EQ(s.circuit.P(10, 11).Type, ElementType::Empty); // left neighbour does not answer
    EXPECT_EQ(s.circuit.P(10, 11).ConLeft, kTrue);           // flags are never changed here
    EXPECT_EQ(s.circuit.P(12, 11).Type, ElementType::Conductor);
    EXPECT_EQ(s.circuit.P(11, 10).Type, ElementType::Empty);
    EXPECT_EQ(s.circuit.P(12, 10).Type, ElementType::Empty);
}

class Renumbering : public Placing {
protected:
    void SetUp() override
    {
        // 1 gate, 2 half-adder, 3 flip-flop, 4 clock generator, 5 IC.
        ASSERT_EQ(PlaceAt([](PlacementContext& k) { SetGatter(k, ElementType::AND); }, 3, 3), 1);
        ASSERT_EQ(PlaceAt(SetHA, 10, 3), 2);
        ASSERT_EQ(PlaceAt(SetFlipFlop, 20, 3), 3);
        ASSERT_EQ(PlaceAt(SetTimer, 3, 10), 4);
        ASSERT_EQ(sheet::IC(s, 1, 10, 10, 4, 3, {QStringLiteral("0;1;a;"), QStringLiteral("4;1;b;")}), 5);
        // Slot 2: an IC inside the first one; its element number is one of level 1.
        s.circuit.ICInstances.resize(3);
        s.circuit.Levels.resize(3);
        s.circuit.ICInstances[2].Name = s.circuit.Levels[2].Name = QStringLiteral("INNER");
        s.circuit.ICInstances[2].ElementNr = 5;
        s.circuit.ICInstances[2].NestingLevel = 1;
        s.circuit.ICInstances[2].ParentLevel = 1;
        s.circuit.Levels[1].Field.Redim(5, 5);
        s.circuit.Levels[1].Field(2, 2).ElementNr = 5;
    }
};

TEST_F(Renumbering, RemovingElement3Of5MovesEveryLaterReference)
{
    const GridCell hcell = s.circuit.P(11, 3);
    RemoveAt(22, 4);
    ASSERT_EQ(s.circuit.ElementCount(), 4);
    ASSERT_EQ(s.circuit.Elements.size(), 5u);
    for (int e = 1; e <= 4; ++e)
        EXPECT_EQ(s.circuit.Elements[static_cast<size_t>(e)].SelfIndex, e);
    EXPECT_EQ(s.circuit.Elements[3].Type, ElementType::ClockGenerator);
    EXPECT_EQ(s.circuit.Elements[4].Type, ElementType::IC);
    EXPECT_EQ(s.circuit.P(3, 10).ElementNr, 3);
    EXPECT_EQ(s.circuit.P(6, 11).ElementNr, 3);
    EXPECT_EQ(s.circuit.P(10, 10).ElementNr, 4);
    EXPECT_EQ(s.circuit.P(14, 13).ElementNr, 4);
    EXPECT_TRUE(s.circuit.P(11, 3) == hcell);
    EXPECT_EQ(s.circuit.P(22, 4).ElementNr, 0);
    EXPECT_EQ(s.circuit.Clocks[0].ClockElement, 3);
    EXPECT_EQ(s.circuit.ICInstances[1].ElementNr, 4);
    // Entries and cells of a nested level refer to their own element table.
    EXPECT_EQ(s.circuit.ICInstances[2].ElementNr, 5);
    EXPECT_EQ(s.circuit.Levels[1].Field(2, 2).ElementNr, 5);
}

TEST_F(Renumbering, RemovingTheLastElementOnlyLowersTheCount)
{
    const Grid before = s.circuit.P;
    DeleteElement(s.circuit, 5);
    EXPECT_EQ(s.circuit.ElementCount(), 4);
    EXPECT_TRUE(s.circuit.P == before);
    EXPECT_EQ(s.circuit.Clocks[0].ClockElement, 4);
    EXPECT_EQ(s.circuit.ICInstances[1].ElementNr, 5);
}

TEST_F(Renumbering, AnIdleSlotKeepsItsNumberWhenNoGeneratorMatches)
{
    // The generator lost its slot: nothing else may be renumbered for it.
    s.circuit.ClockCount = 0;
    s.circuit.Clocks[0].ClockElement = 4;
    DeleteElement(s.circuit, 1);
    EXPECT_EQ(s.circuit.Clocks[0].ClockElement, 4);
}

class Sensors : public Placing {
protected:
    Sensors() { Wire(1, 5, 30, 5); }
    int16_t Sensor(int x) { return PlaceAt(SetAnalysepunkt, x, 5); }
};

TEST_F(Sensors, ChannelsAreTheSmallestFreeNumbers)
{
    EXPECT_EQ(GetFreeAnalysepunktNr(s.circuit), 1);
    ASSERT_EQ(Sensor(2), 1);
    ASSERT_EQ(Sensor(4), 2);
    ASSERT_EQ(Sensor(6), 3);
    EXPECT_EQ(s.circuit.Elements[2].Label, QStringLiteral("2"));
    EXPECT_EQ(s.circuit.Elements[2].InPinList, QStringLiteral("X4Y5:"));
    EXPECT_EQ(s.circuit.Elements[2].OutPinList, QStringLiteral("X4Y5:"));
    EXPECT_EQ(s.circuit.P(4, 5).Type, ElementType::AnalysisSensor);
    EXPECT_EQ(s.ProbeCount, 3);
    EXPECT_EQ(undo.Record(1).Description, QStringLiteral("Place analysis sensor"));
    EXPECT_EQ(w.addedGraphs, (std::vector<int>{1, 2, 3}));

    s.CursorX = 4;
    RemoveAnalysepunkt(c);
    EXPECT_EQ(s.ProbeCount, 2);
    EXPECT_EQ(w.removedGraphs, std::vector<int>{2});
    EXPECT_EQ(s.circuit.P(4, 5).Type, ElementType::Conductor);
    EXPECT_EQ(s.circuit.P(4, 5).ConLeft, kTrue);
    EXPECT_EQ(undo.Record(1).Description, QStringLiteral("Delete analysis sensor"));
    ASSERT_EQ(Sensor(8), 3);
    EXPECT_EQ(s.circuit.Elements[3].Label, QStringLiteral("2"));
}

TEST_F(Sensors, RefusedOffAPlainConductorCell)
{
    s.circuit.P(10, 5).Marker = -1; // juncture
    s.circuit.P(12, 5).Marker = 1;  // coupling diode
    EXPECT_EQ(PlaceAt(SetAnalysepunkt, 10, 5), 0);
    EXPECT_EQ(PlaceAt(SetAnalysepunkt, 12, 5), 0);
    EXPECT_EQ(PlaceAt(SetAnalysepunkt, 10, 20), 0); // empty
    ASSERT_EQ(PlaceAt(SetHA, 20, 20), 1);
    EXPECT_EQ(PlaceAt(SetAnalysepunkt, 20, 20), 0); // component
    EXPECT_EQ(s.circuit.ElementCount(), 1);
    EXPECT_EQ(s.ProbeCount, 0);
}

TEST_F(Sensors, TheTenthIsRefusedWithTheMessageWhateverProbeCountSays)
{
    for (int i = 0; i < 9; ++i)
        ASSERT_NE(Sensor(2 + 2 * i), 0);
    EXPECT_TRUE(w.analyserMenuEnabled);
    // A count that drifted (a file with more sensors, an area undo) does not matter.
    s.ProbeCount = 3;
    EXPECT_EQ(Sensor(25), 0);
    ASSERT_EQ(dialogs.MessageTexts(), QStringList(QString::fromUtf8("Es können maximal 9 Analysepunkte gesetzt werden!")));
    EXPECT_EQ(dialogs.Asked()[0].title, QStringLiteral("Analysepunkt"));
    EXPECT_EQ(dialogs.Asked()[0].icon, MessageIcon::Information);
    EXPECT_EQ(s.circuit.ElementCount(), 9);
    for (int e = 1; e <= 9; ++e)
        EXPECT_NE(s.circuit.Elements[static_cast<size_t>(e)].Label, QStringLiteral("0"));

    // The analyzer's menu item stays enabled while any sensor is left,
    // whichever channel goes first.
    for (int i = 0; i < 9; ++i) {
        s.CursorX = static_cast<int16_t>(2 + 2 * i);
        RemoveAnalysepunkt(c);
        EXPECT_EQ(w.analyserMenuEnabled, i < 8) << i;
        EXPECT_EQ(s.ProbeCount, 8 - i);
    }
}

TEST_F(Sensors, RecountingTakesTheSensorsThemselves)
{
    Sensor(3);
    Sensor(7);
    s.ProbeCount = 0;
    s.ProbeCount = RecountProbes(s.circuit, s.ports.analyzer);
    EXPECT_EQ(s.ProbeCount, 2);
    EXPECT_TRUE(w.analyserMenuEnabled);
}

} // namespace

// The explicit form takes the number of inputs as given: a count the pin
// tables cannot hold is refused, not clamped as the box's text is.
TEST_F(Frame, PlacingAGateReturnsItsElementAndCellsAndRefusesWhatCannotBeHeld)
{
    struct Case {
        int inputs;
        Orientation o;
        CellRect cells; // empty when refused
    };
    const Case cases[] = {
        {2, Orientation::Right, {10, 9, 12, 11}}, {3, Orientation::Right, {10, 9, 12, 11}},
        {5, Orientation::Up, {9, 8, 13, 10}},     {20, Orientation::Left, {8, 9, 10, 28}},
        {1, Orientation::Right, {}},              {21, Orientation::Right, {}},
        {3, Orientation::None, {}},
    };
    for (const Case& k : cases) {
        Reset();
        const Placed p = PlaceGate(s.circuit, undo, {10, 10}, k.o, k.inputs, ElementType::OR);
        SCOPED_TRACE(k.inputs);
        if (k.cells == CellRect{}) {
            EXPECT_FALSE(p);
            EXPECT_EQ(s.circuit.ElementCount(), 0);
            continue;
        }
        ASSERT_EQ(p.element, 1);
        EXPECT_EQ(p.changed, k.cells);
        EXPECT_EQ(ElementFootprint(s.circuit.Elements[1]), k.cells) << "the footprint its pins tell";
        EXPECT_EQ(ListPins(s.circuit.Elements[1].InPinList).size(), static_cast<size_t>(k.inputs));
        EXPECT_EQ(s.circuit.Elements[1].Label, k.inputs == 2 ? QStringLiteral("2") : QString());
    }
}
