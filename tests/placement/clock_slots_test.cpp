// Clock generators: their slots and timer members as generators come and go,
// the slot a removed generator keeps for undo, and the [Timer] section.
#include "editing/mouse_dispatch.h"
#include "placement/clock_slots.h"
#include "placement/basSetRemove.h"
#include "placement/placement_frame.h"
#include "placing_fixture.h"
#include "support/clock_columns.h"

namespace {

class Clocks : public Placing {
protected:
    int16_t Generator(int x, int y) { return PlaceAt(SetTimer, x, y); }
};

TEST_F(Clocks, EachGeneratorGetsASlotAndATimerMember)
{
    ASSERT_EQ(Generator(5, 5), 1);
    EXPECT_EQ(s.circuit.ClockCount, 1);
    EXPECT_EQ(w.clockTimerCount, 1); // member 0 serves the first
    ASSERT_EQ(PlaceAt(SetHA, 15, 5), 2);
    ASSERT_EQ(Generator(5, 15), 3);
    EXPECT_EQ(s.circuit.ClockCount, 2);
    EXPECT_EQ(w.clockTimerCount, 2);
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockElement), (std::vector<int16_t>{1, 3}));
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockHigh), (std::vector<int16_t>{1000, 1000}));
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockLow), (std::vector<int16_t>{1000, 1000}));
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockLinked), (std::vector<int16_t>{kTrue, kTrue}));
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockCycles), (std::vector<uint8_t>{1, 1}));
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockOutputHigh), (std::vector<int16_t>{0, 0}));
    EXPECT_EQ(s.circuit.Elements[3].Label, QString());
    EXPECT_EQ(undo.Record(1).Description, QStringLiteral("Place clock generator"));
}

TEST_F(Clocks, RemovingTheOnlyGeneratorLeavesTheIdleSlot)
{
    ASSERT_EQ(Generator(5, 5), 1);
    RemoveAt(6, 4);
    EXPECT_EQ(s.circuit.ClockCount, 0);
    EXPECT_EQ(s.circuit.ElementCount(), 0);
    EXPECT_EQ(s.circuit.Clocks.size(), 1u);
    EXPECT_EQ(w.clockTimerCount, 1);
    // The idle slot reads as in a new circuit again.
    EXPECT_EQ(TimerSection(), QByteArray("[Timer]\r\n0\r\n0;\r\n0;0;-1;1;\r\n"));
    EXPECT_EQ(undo.Record(1).Description, QStringLiteral("Delete clock generator"));
    // The removed record went into the step with its slot.
    ASSERT_EQ(undo.Record(1).SavedCount, 1);
    EXPECT_EQ(undo.Record(1).SavedElements[1].Label, QStringLiteral("0;1000;1000;-1;1;0;0;"));
    // A new generator starts afresh in slot 0.
    s.circuit.Clocks[0].ClockOutputHigh = kTrue;
    s.circuit.Clocks[0].ClockCounter = 4;
    ASSERT_EQ(Generator(20, 20), 1);
    EXPECT_EQ(s.circuit.Clocks[0].ClockOutputHigh, 0);
    EXPECT_EQ(s.circuit.Clocks[0].ClockCounter, 0);
}

TEST_F(Clocks, RemovingTheMiddleOfThreeAndUndoingIt)
{
    ASSERT_EQ(Generator(5, 5), 1);   // A
    ASSERT_EQ(Generator(5, 15), 2);  // B
    ASSERT_EQ(PlaceAt(SetHA, 20, 5), 3);
    ASSERT_EQ(Generator(5, 25), 4);  // C
    // B gets a state of its own.
    s.circuit.Clocks[1].ClockHigh = 200;
    s.circuit.Clocks[1].ClockLow = 300;
    s.circuit.Clocks[1].ClockLinked = 0;
    s.circuit.Clocks[1].ClockCycles = 7;
    s.circuit.Clocks[1].ClockOutputHigh = kTrue;
    s.circuit.Clocks[1].ClockCounter = 3;
    w.clockTimerIntervals = {1000, 300, 1000};
    const QByteArray before = FileBytes();
    EXPECT_TRUE(TimerSection().endsWith("[Timer]\r\n3\r\n1;2;4;\r\n1000;1000;-1;1;\r\n200;300;0;7;\r\n1000;1000;-1;1;\r\n"))
        << TimerSection().toStdString();

    RemoveAt(7, 16);
    EXPECT_EQ(s.circuit.ClockCount, 2);
    EXPECT_EQ(w.clockTimerCount, 2);
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockElement), (std::vector<int16_t>{1, 3}));
    EXPECT_EQ(s.circuit.Elements[3].Type, ElementType::ClockGenerator);
    EXPECT_EQ(TimerSection(), QByteArray("[Timer]\r\n2\r\n1;3;\r\n1000;1000;-1;1;\r\n1000;1000;-1;1;\r\n"));

    undo.Undo(c);
    EXPECT_EQ(s.circuit.ClockCount, 3);
    EXPECT_EQ(w.clockTimerCount, 3);
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockElement), (std::vector<int16_t>{1, 2, 4}));
    EXPECT_EQ(s.circuit.Clocks[1].ClockHigh, 200);
    EXPECT_EQ(s.circuit.Clocks[1].ClockLow, 300);
    EXPECT_EQ(s.circuit.Clocks[1].ClockLinked, 0);
    EXPECT_EQ(s.circuit.Clocks[1].ClockCycles, 7);
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockOutputHigh), (std::vector<int16_t>{0, kTrue, 0}));
    EXPECT_EQ(w.clockTimerIntervals, (std::vector<int>{1000, 300, 1000}));
    // The stored slot does not stay in the generator's Label, so the file is as before.
    EXPECT_EQ(s.circuit.Elements[2].Label, QString());
    EXPECT_EQ(FileBytes(), before);

    // Undoing a placement takes the slot away with the generator.
    undo.DeleteAllUndo();
    ASSERT_EQ(Generator(12, 25), 5);
    ASSERT_EQ(s.circuit.ClockCount, 4);
    undo.Undo(c);
    EXPECT_EQ(s.circuit.ClockCount, 3);
    EXPECT_EQ(s.circuit.Clocks.size(), 3u);
    EXPECT_EQ(w.clockTimerCount, 3);
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(Clocks, AGeneratorWithoutStoredSlotGetsAFreshOneInElementOrder)
{
    ASSERT_EQ(Generator(5, 5), 1);
    ASSERT_EQ(Generator(5, 15), 2);
    ASSERT_EQ(Generator(5, 25), 3);
    RemoveTimerSlot(s.circuit, s.ports.clockTimers, s.SelectedClock, 1);
    s.circuit.Elements[2].Label.clear();
    s.circuit.Clocks[1].ClockElement = 3; // as if element 2 had been re-inserted before it
    RestoreTimer(s.circuit, s.ports.clockTimers, 2);
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockElement), (std::vector<int16_t>{1, 2, 4}));
    EXPECT_EQ(s.circuit.Clocks[1].ClockHigh, 1000);
    EXPECT_EQ(s.circuit.Clocks[1].ClockCycles, 1);
}

TEST_F(Clocks, The256thGeneratorIsRefused)
{
    s.circuit.MaxX = 200;
    s.circuit.MaxY = 100;
    Reset();
    int placed = 0;
    for (int y = 2; y < 98 && placed < 255; y += 4)
        for (int x = 1; x < 195 && placed < 255; x += 5)
            placed += Generator(x, y) != 0 ? 1 : 0;
    ASSERT_EQ(placed, 255);
    EXPECT_EQ(s.circuit.ClockCount, 255);
    EXPECT_EQ(w.clockTimerCount, 255);
    EXPECT_EQ(Generator(190, 97), 0);
    EXPECT_EQ(s.circuit.ClockCount, 255);
    EXPECT_EQ(s.circuit.ElementCount(), 255);
    EXPECT_EQ(s.circuit.P(190, 97).Type, ElementType::Empty);
}

} // namespace
