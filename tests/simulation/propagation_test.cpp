// Conductor propagation and the dispatcher's drop rules, cell by cell.
#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <vector>

#include "model/state.h"
#include "evaluator_rig.h"
#include "probe_hook.h"
#include "editing/engine_binding.h"
#include "simulation/engine.h"
#include "simulation/evaluators.h"

namespace {

// A powered-on level 0 of 11 x 11 cells with nothing drawn.
struct Level0 : EvaluatorRig {
    Level0() : EvaluatorRig(10, 10) {}
};

struct Flags {
    bool left, right, up, down;
};

void SetFlags(GridCell& c, Flags f, int marker)
{
    c.Type = ElementType::Conductor;
    c.ConLeft = VbBool(f.left);
    c.ConRight = VbBool(f.right);
    c.ConUp = VbBool(f.up);
    c.ConDown = VbBool(f.down);
    c.Marker = static_cast<int16_t>(marker);
}

// Steps of the queued events as letters: L x-1, R x+1, U y-1, D y+1.
std::string Steps(const std::vector<SimEvent>& events, int x, int y)
{
    std::string t;
    for (const SimEvent& ev : events) {
        if (ev.X == x - 1 && ev.Y == y && ev.Dir == Direction::Left)
            t += 'L';
        else if (ev.X == x + 1 && ev.Y == y && ev.Dir == Direction::Right)
            t += 'R';
        else if (ev.X == x && ev.Y == y - 1 && ev.Dir == Direction::Up)
            t += 'U';
        else if (ev.X == x && ev.Y == y + 1 && ev.Dir == Direction::Down)
            t += 'D';
        else
            t += '?';
    }
    return t;
}

// One row of the propagation tables in the frame of the travel: "ahead",
// the two sides, the marker, and what happens: the steps taken in order and
// the conductor signal set on the crossing axis.
struct Row {
    const char* shape;
    bool ahead, side1, side2; // side1: up (horizontal travel) or left (vertical travel)
    int marker;               // 0 none, -1 juncture, 1 coupling diode
    const char* steps;        // 'A' ahead, '1' side1, '2' side2
    bool setsCross;           // WireSignalV for horizontal travel, WireSignalH for vertical
};

// Horizontal travel (left or right), sides up and down.
const Row kHorizontal[] = {
    {"straight", true, false, false, 0, "A", false},
    {"straight with juncture", true, false, false, -1, "A", false},
    {"corner up", false, true, false, 0, "1", true},
    {"corner down", false, false, true, 0, "2", true},
    {"corner up with diode", false, true, false, 1, "1", true},
    {"T at its stem", false, true, true, 0, "", false},
    {"T at its stem, juncture", false, true, true, -1, "12", true},
    {"T at its stem, diode", false, true, true, 1, "12", true},
    {"crossing", true, true, true, 0, "A", false},
    {"crossing with juncture", true, true, true, -1, "A12", true},
    {"crossing with diode", true, true, true, 1, "A12", true},
    {"T along its bar, branch up", true, true, false, 0, "A", false},
    {"T along its bar, branch up, juncture", true, true, false, -1, "A1", true},
    {"T along its bar, branch up, diode", true, true, false, 1, "A1", true},
    {"T along its bar, branch down", true, false, true, 0, "A", false},
    {"T along its bar, branch down, juncture", true, false, true, -1, "A2", true},
    {"T along its bar, branch down, diode", true, false, true, 1, "A2", true},
    {"dead end", false, false, false, 0, "", false},
    {"dead end with juncture", false, false, false, -1, "", false},
};

// Vertical travel (up or down), sides left and right. The T along its bar
// with the branch to the right depends on the direction: see below.
const Row kVertical[] = {
    {"straight", true, false, false, 0, "A", false},
    {"corner left", false, true, false, 0, "1", true},
    {"corner right", false, false, true, 0, "2", true},
    {"corner right with diode", false, false, true, 1, "2", true},
    {"T at its stem", false, true, true, 0, "", false},
    {"T at its stem, juncture", false, true, true, -1, "12", true},
    {"T at its stem, diode", false, true, true, 1, "", false},
    {"crossing", true, true, true, 0, "A", false},
    {"crossing with juncture", true, true, true, -1, "12A", true},
    {"crossing with diode", true, true, true, 1, "A", false},
    {"T along its bar, branch left", true, true, false, 0, "A", false},
    {"T along its bar, branch left, juncture", true, true, false, -1, "A1", true},
    {"T along its bar, branch left, diode", true, true, false, 1, "A", false},
    {"T along its bar, branch right", true, false, true, 0, "A", false},
    {"T along its bar, branch right, diode", true, false, true, 1, "A", false},
    {"dead end", false, false, false, 0, "", false},
};

char Letter(Direction dir)
{
    return "?LRUD"[Code(dir)];
}

std::string Expected(const char* steps, Direction dir, bool horizontal)
{
    std::string t;
    for (const char* p = steps; *p; ++p) {
        if (*p == 'A')
            t += Letter(dir);
        else if (*p == '1')
            t += horizontal ? 'U' : 'L';
        else
            t += horizontal ? 'D' : 'R';
    }
    return t;
}

Flags Place(const Row& r, Direction dir)
{
    switch (dir) {
    case Direction::Left: return {r.ahead, false, r.side1, r.side2};
    case Direction::Right: return {false, r.ahead, r.side1, r.side2};
    case Direction::Up: return {r.side1, r.side2, r.ahead, false};
    default: return {r.side1, r.side2, false, r.ahead};
    }
}

void CheckRow(const Row& r, Direction dir, int v)
{
    SCOPED_TRACE(std::string(r.shape) + " dir " + std::to_string(Code(dir)) + " v " + std::to_string(v));
    const bool horizontal = dir <= Direction::Right;
    Level0 t;
    GridCell& c = t.C(5, 5);
    SetFlags(c, Place(r, dir), r.marker);
    // Start from the opposite level so that any write shows.
    const int16_t before = v ? kFalse : kTrue;
    c.WireSignalH = before;
    c.WireSignalV = before;
    PropagateConductor(EngineOf(t.s, t.e), 5, 5, dir, v, 0);

    const std::vector<SimEvent> events = t.Pending();
    EXPECT_EQ(Steps(events, 5, 5), Expected(r.steps, dir, horizontal));
    for (const SimEvent& ev : events) {
        EXPECT_EQ(ev.Value, v ? kTrue : kFalse);
        EXPECT_EQ(ev.Level, 0);
    }
    const int16_t after = v ? kTrue : kFalse;
    const int16_t cross = horizontal ? c.WireSignalV : c.WireSignalH;
    const int16_t along = horizontal ? c.WireSignalH : c.WireSignalV;
    EXPECT_EQ(cross, r.setsCross ? after : before);
    EXPECT_EQ(along, before) << "the conductor step leaves its own axis to the dispatcher";
}

} // namespace

TEST(ConductorPropagation, EveryShapeInBothHorizontalDirections)
{
    for (const Row& r : kHorizontal)
        for (Direction dir : {Direction::Left, Direction::Right})
            for (int v : {1, 0})
                CheckRow(r, dir, v);
}

TEST(ConductorPropagation, EveryShapeInBothVerticalDirections)
{
    for (const Row& r : kVertical)
        for (Direction dir : {Direction::Up, Direction::Down})
            for (int v : {1, 0})
                CheckRow(r, dir, v);
}

TEST(ConductorPropagation, JunctureOnATPassedAlongItsBarToTheRightDependsOnTheDirection)
{
    for (Direction dir : {Direction::Up, Direction::Down}) {
        Level0 t;
        GridCell& c = t.C(5, 5);
        SetFlags(c, {false, true, true, true}, -1);
        PropagateConductor(EngineOf(t.s, t.e), 5, 5, dir, 1, 0);
        EXPECT_EQ(Steps(t.Pending(), 5, 5), dir == Direction::Down ? "RD" : "UR");
        EXPECT_EQ(c.WireSignalH, kTrue);
    }
}

TEST(ConductorPropagation, DirectionOutsideOneToFourDoesNothing)
{
    Level0 t;
    SetFlags(t.C(5, 5), {true, true, true, true}, -1);
    for (Direction dir : {Direction::None, AsDirection(5)}) {
        PropagateConductor(EngineOf(t.s, t.e), 5, 5, dir, 1, 0);
        EXPECT_EQ(QueueCount(t.s.engine, 2), 0);
    }
}

// Events the dispatcher passes on or drops, and those a marker passes on
// although the cell already has their level; the cell's level after the event.
TEST(Dispatch, EventsGoOnOrAreDroppedByTheCellsLevelAndMarker)
{
    struct Row {
        const char* what;
        Flags flags;
        int marker;
        bool high; // the cell's level before
        int v;
        bool connector;
        bool after;
        int queued;
    };
    const Row rows[] = {
        {"High on a Low straight conductor", {true, true, false, false}, 0, false, 1, false, true, 1},
        {"High on a straight conductor already High", {true, true, false, false}, 0, true, 1, false, true, 0},
        {"horizontal High entering a vertical conductor", {false, false, true, true}, 0, false, 1, false, false, 0},
        {"High on a juncture already High", {true, true, true, false}, -1, true, 1, false, true, 2},
        {"Low on a Low cell without marker", {true, true, false, false}, 0, false, 0, false, false, 0},
        {"Low on a Low juncture", {true, true, true, false}, -1, false, 0, false, false, 2},
        {"High on a connector cell of the main circuit", {true, true, false, false}, 0, false, 1, true, true, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Level0 t;
        SetFlags(t.C(5, 5), row.flags, row.marker);
        t.C(5, 5).Value = row.high ? kTrue : kFalse;
        t.C(5, 5).ICConnector = row.connector ? 1 : 0;
        DispatchEvent(EngineOf(t.s, t.e), 5, 5, Direction::Right, row.v, 0);
        EXPECT_EQ(t.C(5, 5).Value != 0, row.after);
        EXPECT_EQ(QueueCount(t.s.engine, 2), row.queued);
        if (row.queued == 1) { // on to the next cell; the conductor of its axis High
            EXPECT_EQ(Steps(t.Pending(), 5, 5), "R");
            EXPECT_EQ(t.C(5, 5).WireSignalH, kTrue);
            EXPECT_EQ(t.C(5, 5).WireSignalV, kFalse);
        }
    }
}

TEST(Dispatch, LowOnAPlainCrossingKeepsTheOtherConductor)
{
    Level0 t;
    SetFlags(t.C(5, 5), {true, true, true, true}, 0);
    DispatchEvent(EngineOf(t.s, t.e), 5, 5, Direction::Right, 1, 0);
    DispatchEvent(EngineOf(t.s, t.e), 5, 5, Direction::Down, 1, 0);
    DispatchEvent(EngineOf(t.s, t.e), 5, 5, Direction::Down, 0, 0);
    EXPECT_EQ(t.C(5, 5).Value, kTrue);
    EXPECT_EQ(t.C(5, 5).WireSignalH, kTrue);
    EXPECT_EQ(t.C(5, 5).WireSignalV, kFalse);
    DispatchEvent(EngineOf(t.s, t.e), 5, 5, Direction::Left, 0, 0);
    EXPECT_EQ(t.C(5, 5).Value, kFalse);
    EXPECT_EQ(t.C(5, 5).WireSignalH, kFalse);
}

TEST(Dispatch, CouplingDiodeHoldsHighWhileBothHorizontalNeighboursAreHigh)
{
    Level0 t;
    SetFlags(t.C(5, 5), {true, true, true, true}, 1);
    SetFlags(t.C(4, 5), {true, true, false, false}, 0);
    SetFlags(t.C(6, 5), {true, true, false, false}, 0);
    t.C(4, 5).Value = kTrue;
    t.C(6, 5).Value = kTrue;
    DispatchEvent(EngineOf(t.s, t.e), 5, 5, Direction::Right, 1, 0);
    t.s.engine.PendingEvents.resize(1);
    DispatchEvent(EngineOf(t.s, t.e), 5, 5, Direction::Down, 0, 0);
    EXPECT_EQ(t.C(5, 5).Value, kTrue);
    EXPECT_EQ(t.C(5, 5).WireSignalH, kTrue);
    // The Low still continues down the vertical conductor.
    EXPECT_EQ(Steps(t.Pending(), 5, 5), "D");

    t.C(6, 5).Value = kFalse;
    t.s.engine.PendingEvents.resize(1);
    DispatchEvent(EngineOf(t.s, t.e), 5, 5, Direction::Down, 0, 0);
    EXPECT_EQ(t.C(5, 5).Value, kFalse);
    EXPECT_EQ(t.C(5, 5).WireSignalH, kFalse);
    EXPECT_EQ(t.C(5, 5).WireSignalV, kFalse);
}

TEST(Dispatch, PostponedEventIsQueuedAgainUnchanged)
{
    Level0 t;
    SetFlags(t.C(5, 5), {true, true, false, false}, 0);
    t.C(5, 5).PostponeCount = 2;
    DispatchEvent(EngineOf(t.s, t.e), 5, 5, Direction::Right, 1, 0);
    EXPECT_EQ(t.C(5, 5).PostponeCount, 1);
    EXPECT_EQ(t.C(5, 5).Value, kFalse);
    ASSERT_EQ(QueueCount(t.s.engine, 2), 1);
    const SimEvent ev = t.s.engine.PendingEvents[1];
    EXPECT_EQ(ev.X, 5);
    EXPECT_EQ(ev.Y, 5);
    EXPECT_EQ(ev.Dir, Direction::Right);
    EXPECT_EQ(ev.Value, kTrue);
}

TEST(Dispatch, EventsOutsideTheGridOrLevelTableAreDropped)
{
    Level0 t;
    DispatchEvent(EngineOf(t.s, t.e), -1, 5, Direction::Left, 1, 0);
    DispatchEvent(EngineOf(t.s, t.e), 12, 5, Direction::Right, 1, 0);
    DispatchEvent(EngineOf(t.s, t.e), 5, 5, Direction::Right, 1, 3);
    EXPECT_EQ(QueueCount(t.s.engine, 2), 0);
}

TEST(Dispatch, SensorRecordsItsLevelCallsTheProbeAndPassesOn)
{
    Level0 t;
    GridCell& c = t.C(5, 5);
    SetFlags(c, {true, true, false, false}, 0);
    c.Type = ElementType::AnalysisSensor;
    c.ElementNr = 1;
    t.s.circuit.Levels[0].Elements.push_back(ElementRecord{});
    int probes = 0;
    ProbeHook hook(t.s, [&](const ProbeSample&) { ++probes; });
    DispatchEvent(EngineOf(t.s, t.e), 5, 5, Direction::Right, 1, 0);
    EXPECT_EQ(t.s.circuit.Levels[0].Elements[1].State, kTrue);
    EXPECT_EQ(probes, 1);
    EXPECT_EQ(Steps(t.Pending(), 5, 5), "R");
}

TEST(Dispatch, ComponentCellsGoToTheirEvaluatorByType)
{
    Level0 t;
    static int calls;
    static int lastType;
    calls = 0;
    t.e.evaluators[ElementType::OR] = [](const Engine& en, int x, int y, Direction, int, int level) {
        ++calls;
        lastType = en.circuit.Levels[static_cast<size_t>(level)].Field(x, y).Type;
    };
    t.C(2, 2).Type = ElementType::OR;
    t.C(3, 3).Type = ElementType::TextLabel;
    DispatchEvent(EngineOf(t.s, t.e), 2, 2, Direction::Right, 1, 0);
    DispatchEvent(EngineOf(t.s, t.e), 3, 3, Direction::Right, 1, 0);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(lastType, ElementType::OR);
    // The pin's level is stored before the evaluator runs.
    EXPECT_EQ(t.C(2, 2).Value, kTrue);
}

TEST(WireSignals, SetWireSignalPicksTheAxisByDirection)
{
    Level0 t;
    SetWireSignal(t.s.circuit, 0, 1, 1, Direction::Left, kTrue);
    SetWireSignal(t.s.circuit, 0, 2, 2, Direction::Down, kTrue);
    SetWireSignal(t.s.circuit, 0, 3, 3, Direction::None, kTrue);
    SetWireSignal(t.s.circuit, 0, 99, 3, Direction::Left, kTrue); // outside: ignored
    EXPECT_EQ(t.C(1, 1).WireSignalH, kTrue);
    EXPECT_EQ(t.C(1, 1).WireSignalV, kFalse);
    EXPECT_EQ(t.C(2, 2).WireSignalV, kTrue);
    EXPECT_EQ(t.C(2, 2).WireSignalH, kFalse);
    EXPECT_EQ(t.C(3, 3).WireSignalH, kFalse);
    EXPECT_EQ(t.C(3, 3).WireSignalV, kFalse);
}

TEST(WireSignals, NeighbourValueIsFalseBeyondTheGrid)
{
    Level0 t;
    t.C(0, 0).Value = kTrue;
    t.C(1, 0).Value = kTrue;
    EXPECT_TRUE(GetNeighbourValue(t.s.circuit, 1, 0, Direction::Left, 0));
    EXPECT_TRUE(GetNeighbourValue(t.s.circuit, 0, 0, Direction::Right, 0));
    EXPECT_FALSE(GetNeighbourValue(t.s.circuit, 0, 0, Direction::Left, 0));
    EXPECT_FALSE(GetNeighbourValue(t.s.circuit, 0, 0, Direction::Up, 0));
    EXPECT_FALSE(GetNeighbourValue(t.s.circuit, 1, 0, Direction::None, 0));
    EXPECT_FALSE(GetNeighbourValue(t.s.circuit, 1, 0, Direction::Left, 7));
}
