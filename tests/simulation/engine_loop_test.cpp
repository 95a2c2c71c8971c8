// The pass loop: pass order, the step and event limits, the delay and its waits.
#include <gtest/gtest.h>

#include <QPoint>
#include <QStringList>
#include <functional>
#include <optional>
#include <set>

#include "probe_hook.h"
#include "render/sheet_builder.h"
#include "editing/engine_binding.h"
#include "simulation/engine.h"
#include "support/circuit_driver.h"

namespace {

// An input conductor from (2, 5) into a 2 x 2 square of juncture cells at
// (5..6, 5..6): a High fed in circulates for ever. The square's cells are
// sensors, so that the probe hook sees every pass.
void BuildEndlessSquare(ProgramState& s)
{
    sheet::NewSheet(s, 20, 12);
    sheet::Wire(s, 2, 5, 6, 5);
    sheet::Wire(s, 6, 5, 6, 6);
    sheet::Wire(s, 5, 6, 6, 6);
    sheet::Wire(s, 5, 5, 5, 6);
    for (auto [x, y] : {std::pair{5, 5}, {6, 5}, {5, 6}, {6, 6}}) {
        s.circuit.P(x, y).Marker = kTrue;
        s.circuit.P(x, y).Type = ElementType::AnalysisSensor;
    }
}

// An XOR whose output runs back to its second input through a loop of
// sensor cells: a High clicked in at (2, 2) sets it oscillating, one event a
// pass, for ever.
void BuildXorRing(ProgramState& s)
{
    sheet::NewSheet(s, 14, 10);
    sheet::Gate(s, ElementType::XOR, Orientation::Right, 6, 3, 2);
    sheet::Wire(s, 2, 2, 6, 2);
    sheet::Wire(s, 8, 3, 10, 3);
    sheet::Wire(s, 10, 3, 10, 7);
    sheet::Wire(s, 4, 7, 10, 7);
    sheet::Wire(s, 4, 4, 4, 7);
    sheet::Wire(s, 4, 4, 6, 4);
    // Every conductor cell of the loop (all but the input's row).
    for (int y = 3; y <= s.circuit.MaxY; ++y)
        for (int x = 0; x <= s.circuit.MaxX; ++x)
            if (GridCell& c = s.circuit.P(x, y); c.Type == ElementType::Conductor)
                c.Type = ElementType::AnalysisSensor;
}

// A straight conductor from (1, 3) to (10, 3) with an open end at (1, 3).
void BuildLine(ProgramState& s)
{
    sheet::NewSheet(s, 20, 8);
    sheet::Wire(s, 1, 3, 10, 3);
}

// Horizontal conductors in `rows` rows from (x0 - 3, y0) and vertical ones in
// `cols` columns from (x0, y0 - 3), crossing in a block at (x0, y0); the
// columns end in the block's last row when `tees`. Every cell of the block
// carries a juncture.
void JunctureBlock(ProgramState& s, int x0, int y0, int rows, int cols, bool tees)
{
    for (int r = 0; r < rows; ++r)
        sheet::Wire(s, x0 - 3, y0 + r, x0 + cols + 2, y0 + r);
    for (int c = 0; c < cols; ++c)
        sheet::Wire(s, x0 + c, y0 - 3, x0 + c, tees ? y0 + rows - 1 : y0 + rows + 2);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            s.circuit.P(x0 + c, y0 + r).Marker = kTrue;
}

} // namespace

TEST(EventQueues, QueueCountAndClearQueues)
{
    ProgramState s;
    EXPECT_EQ(QueueCount(s.engine, 1), 0);
    EXPECT_EQ(QueueCount(s.engine, 2), 0);
    QueueEvent(s.engine, 300, 400, Direction::Down, 7, 260);
    QueueEvent(s.engine, 1, 2, Direction::None, 0, 0);
    EXPECT_EQ(QueueCount(s.engine, 2), 2);
    EXPECT_EQ(QueueCount(s.engine, 3), 0);
    const SimEvent& ev = s.engine.PendingEvents[1];
    // Coordinates and levels beyond a byte are held whole.
    EXPECT_EQ(ev.X, 300);
    EXPECT_EQ(ev.Y, 400);
    EXPECT_EQ(ev.Level, 260);
    EXPECT_EQ(ev.Value, kTrue);
    EXPECT_EQ(s.engine.PendingEvents[2].Value, kFalse);
    s.engine.EngineBusy = kTrue;
    ClearQueues(s.engine);
    EXPECT_EQ(QueueCount(s.engine, 2), 0);
    EXPECT_EQ(s.engine.EngineBusy, kFalse);
}

TEST(EngineLoop, RunWithoutEventsTakesOnePassAndDisablesStop)
{
    CircuitDriver d;
    BuildLine(d.s);
    d.PowerOn();
    d.window.stopEnabled = true;
    d.s.engine.StepCount = 0;
    Simulate(EngineOf(d.s, d.e));
    EXPECT_EQ(d.s.engine.StepCount, 1);
    EXPECT_FALSE(d.window.stopEnabled);
    EXPECT_EQ(d.s.engine.EngineBusy, kFalse);
}

// Also held longer than a byte counts.
TEST(EngineLoop, EventsQueuedDuringAPassWaitForTheNext)
{
    for (int16_t hold : {3, 300}) {
        CircuitDriver d;
        BuildLine(d.s);
        d.PowerOn();
        // Held at its own cell, handled in the pass after, the next finds nothing.
        d.s.circuit.Levels[0].Field(10, 3).PostponeCount = hold;
        QueueEvent(d.s.engine, 10, 3, Direction::Right, 1, 0);
        QueueEvent(d.s.engine, 9, 3, Direction::None, 1, 0); // a used-up slot is skipped
        d.s.engine.StepCount = 0;
        Simulate(EngineOf(d.s, d.e));
        EXPECT_EQ(d.s.engine.StepCount, hold + 2);
        EXPECT_TRUE(d.High(10, 3));
        EXPECT_FALSE(d.High(9, 3));
    }
}

// Also on grids wider than a byte, whose coordinates are held whole.
TEST(EngineLoop, SignalTravelsOneCellPerPass)
{
    for (int end : {10, 300}) {
        SCOPED_TRACE(end);
        CircuitDriver d;
        sheet::NewSheet(d.s, end + 5, 6);
        sheet::Wire(d.s, 1, 3, end, 3);
        d.PowerOn();
        d.Click(1, 3);
        // Cells 2..end take a pass each; the last pass finds the queue empty.
        EXPECT_EQ(d.s.engine.StepCount, end);
        for (int x = 1; x <= end; ++x)
            ASSERT_TRUE(d.High(x, 3)) << x;
    }
}

// The AutoStop setting is the limit, whatever it is set to; passes of many
// events (the square's) and of one event (the ring's) end at the same pass.
TEST(EngineLoop, StepLimitAbortsAfterAutoStopPassesWithoutDelay)
{
    struct Row {
        const char* name;
        void (*build)(ProgramState&);
        QPoint input;
        int16_t limit;
    };
    for (const Row& row : {Row{"square", BuildEndlessSquare, QPoint(2, 5), 1000},
                           Row{"square", BuildEndlessSquare, QPoint(2, 5), 250},
                           Row{"XOR ring", BuildXorRing, QPoint(2, 2), 1000},
                           Row{"XOR ring", BuildXorRing, QPoint(2, 2), 250}}) {
        SCOPED_TRACE(row.name);
        const int16_t limit = row.limit;
        SCOPED_TRACE(limit);
        CircuitDriver d;
        row.build(d.s);
        d.s.AutoStop = limit;
        // Every pass reaches a sensor or the XOR.
        std::set<int> passes;
        ProbeHook hook(d.s, [&](const ProbeSample&) { passes.insert(d.s.engine.StepCount); });
        static std::set<int>* xorPasses;
        static Evaluator xorEvaluator;
        xorPasses = &passes;
        xorEvaluator = d.e.evaluators[ElementType::XOR];
        d.e.evaluators[ElementType::XOR] = [](const Engine& en, int x, int y, Direction dir, int v, int level) {
            xorPasses->insert(en.engine.StepCount);
            xorEvaluator(en, x, y, dir, v, level);
        };
        d.PowerOn();
        d.Click(row.input.x(), row.input.y());

        ASSERT_FALSE(passes.empty());
        EXPECT_EQ(*passes.rbegin(), limit);
        EXPECT_EQ(d.window.onOffText, QStringLiteral("Simulation interrupted"));
        EXPECT_EQ(d.window.switchPowerOffCount, 1);
        EXPECT_EQ(d.s.engine.PowerFlag, kFalse);
        EXPECT_EQ(d.s.engine.AbortFlag, kTrue);
        EXPECT_EQ(d.s.engine.EngineBusy, kFalse);
        EXPECT_EQ(d.s.engine.StepCount, 0);
        EXPECT_EQ(QueueCount(d.s.engine, 1), 0);
        EXPECT_EQ(QueueCount(d.s.engine, 2), 0);
        ASSERT_EQ(d.dialogs.Asked().size(), 1u);
        const auto& q = d.dialogs.Asked()[0];
        EXPECT_EQ(q.title, QStringLiteral("Simulation aborted"));
        EXPECT_EQ(q.text, QStringLiteral("Simulation has been aborted.\r\nPlease check for infinite loops."));
        EXPECT_EQ(q.icon, MessageIcon::Exclamation);
        EXPECT_EQ(q.buttons, MessageButtons::OK);
        // The power-off redrew the circuit at rest.
        EXPECT_FALSE(d.High(5, 5));

        // Switching on again clears the abort.
        d.PowerOn();
        EXPECT_EQ(d.s.engine.AbortFlag, kFalse);
    }
}

// Stopped by hand after `stop` waits; the long run counts passes beyond
// sixteen bits.
TEST(EngineLoop, DelayedRunNeverAbortsAndWaitsAfterEveryPass)
{
    for (auto [delay, stop] : {std::pair{55, 400}, {1, 40000}}) {
        SCOPED_TRACE(stop);
        CircuitDriver d;
        BuildEndlessSquare(d.s);
        d.s.AutoStop = 250;
        d.PowerOn();
        d.s.engine.DelaySetting = static_cast<int16_t>(delay);
        const int start = d.pumps;
        d.onPump = [&, stop = stop](int n) {
            if (n - start == stop)
                StopEngine(EngineOf(d.s, d.e));
        };
        d.Click(2, 5);

        EXPECT_EQ(d.s.engine.PowerFlag, kTrue);
        EXPECT_TRUE(d.dialogs.Asked().empty());
        EXPECT_GT(d.s.engine.StepCount, stop);
        ASSERT_EQ(d.pumps - start, stop);
        EXPECT_EQ(d.s.engine.EngineBusy, kFalse);
        EXPECT_EQ(d.window.onOffText, QStringLiteral("Ready"));
        // Every wait took the delay's share of 1/110 s.
        ASSERT_EQ(d.waits.size(), static_cast<size_t>(stop));
        for (double w : d.waits)
            ASSERT_DOUBLE_EQ(w, delay / 110.0);
    }
}

TEST(EngineLoop, DelayChangedDuringAWaitCountsFromTheNextPass)
{
    CircuitDriver d;
    BuildEndlessSquare(d.s);
    d.s.AutoStop = 100;
    d.PowerOn();
    d.s.engine.DelaySetting = 11;
    const int start = d.pumps;
    // Turning the delay off during a wait lets the step limit act again, now
    // counting the passes already made.
    d.onPump = [&](int n) {
        if (n - start == 150)
            d.s.engine.DelaySetting = 0;
    };
    d.Click(2, 5);
    EXPECT_EQ(d.pumps - start, 150);
    EXPECT_EQ(d.s.engine.PowerFlag, kFalse);
    EXPECT_EQ(d.s.engine.AbortFlag, kTrue);
}

TEST(PinCache, ParsedOncePerPowerOnAndCopiedIntoTheSharedTables)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 12, 8);
    sheet::Gate(d.s, ElementType::OR, Orientation::Right, 3, 3, 3);
    d.PowerOn();
    const CachedPins& p = ParsePinsCached(d.s, 1, 0);
    EXPECT_EQ(p.InputCount, 3);
    EXPECT_EQ(p.OutputCount, 1);
    EXPECT_EQ(d.s.InputPinCount, 3);
    EXPECT_EQ(d.s.InputPins[2], (PinPos{3, 4}));
    EXPECT_EQ(d.s.OutputPins[0], (PinPos{5, 3}));

    // The text is not read again while the power stays on.
    d.s.circuit.Levels[0].Elements[1].InPinList = QStringLiteral("X1Y1:");
    d.s.InputPinCount = 0;
    EXPECT_EQ(ParsePinsCached(d.s, 1, 0).InputCount, 3);
    EXPECT_EQ(d.s.InputPinCount, 3);

    // An element number outside the table leaves the shared tables alone.
    EXPECT_EQ(ParsePinsCached(d.s, 9, 0).InputCount, 0);
    EXPECT_EQ(d.s.InputPinCount, 3);

    // A new power-on reads the worksheet's lists afresh; with the power off
    // they come from the worksheet's element table.
    d.PowerOff();
    d.s.circuit.Elements[1].InPinList = QStringLiteral("X3Y2:X3Y4:");
    EXPECT_EQ(ParsePinsCached(d.s, 1, 0).InputCount, 2);
    d.PowerOn();
    EXPECT_EQ(ParsePinsCached(d.s, 1, 0).InputCount, 2);
}

// Junctures pass every High on, so a block of them multiplies a run's events
// from pass to pass while the passes stay few: the run ends through the abort
// once it holds more events than the circuit can sensibly need, counted by the
// cells it uses, whatever the sheet's size. Circuits that settle, junctures
// and all, run exactly as many passes as before.
TEST(EngineLoop, RunsThatHoldTooManyEventsAbortAndSettlingRunsDoNot)
{
    struct Case {
        const char* name;
        std::function<void(CircuitDriver&)> build;
        std::optional<QPoint> click; // an input clicked after the power-on
        int delay;
        int passes; // of a settling run; 0: the run aborts
        size_t limit = kFewestEventsHeld; // the events a run may hold
    };
    auto block = [](int rows, int cols, bool tees) {
        return [=](CircuitDriver& d) {
            sheet::NewSheet(d.s, 16, 14);
            JunctureBlock(d.s, 5, 5, rows, cols, tees);
        };
    };
    auto file = [](const char* name) {
        return [=](CircuitDriver& d) {
            ASSERT_TRUE(d.Load(QStringLiteral(GATREL_TEST_DATA "/") + QLatin1String(name)));
        };
    };
    auto lines = [](int rows) {
        return [=](CircuitDriver& d) {
            sheet::NewSheet(d.s, 1000, 1000);
            for (int y = 10; y < 10 + rows; ++y)
                sheet::Wire(d.s, 1, y, 900, y);
        };
    };
    const Case cases[] = {
        {"2 x 3 crossings", block(2, 3, false), QPoint(2, 5), 0, 0},
        {"3 x 2 crossings", block(3, 2, false), QPoint(2, 5), 0, 0},
        {"2 x 3 tees", block(2, 3, true), QPoint(2, 5), 0, 0},
        {"2 x 3 crossings with a delay", block(2, 3, false), QPoint(2, 5), 1, 0},
        {"the reported file", file("sim/junction_block.gtr"), QPoint(1, 4), 0, 0},
        {"a 30 x 30 block on a 1000 x 1000 sheet", file("repro/mesh_on_a_large_sheet.gtr"), QPoint(3, 20), 0, 0},
        // The decoder's first output goes High at the power-on and feeds the block.
        {"a decoder output at power-on",
         [](CircuitDriver& d) {
             sheet::NewSheet(d.s, 20, 14);
             sheet::Decoder(d.s, Orientation::Right, 3, 8, false);
             JunctureBlock(d.s, 10, 4, 2, 3, false);
             sheet::Wire(d.s, 5, 4, 7, 4);
         },
         std::nullopt, 0, 0},
        {"a switch through a juncture", file("sim/switch_and_led.gtr"), QPoint(2, 4), 0, 13},
        // One conductor with a juncture at each of its five branches.
        {"a comb of junctures",
         [](CircuitDriver& d) {
             sheet::NewSheet(d.s, 16, 10);
             sheet::Wire(d.s, 1, 3, 12, 3);
             for (int x = 3; x <= 11; x += 2) {
                 sheet::Wire(d.s, x, 3, x, 8);
                 d.s.circuit.P(x, 3).Marker = kTrue;
             }
         },
         QPoint(1, 3), 0, 16},
        // Rows of 900 conductor cells: eight events for each, up to the ceiling.
        {"ten long lines on a 1000 x 1000 sheet", lines(10), QPoint(1, 10), 0, 900, 8 * 9000},
        {"150 long lines on a 1000 x 1000 sheet", lines(150), QPoint(1, 10), 0, 900, kMostEventsHeld},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CircuitDriver d;
        c.build(d);
        d.s.AutoStop = 5000;
        d.s.engine.DelaySetting = static_cast<int16_t>(c.delay);
        d.PowerOn();
        EXPECT_EQ(d.s.engine.EventLimit, c.limit);
        if (c.click)
            d.Click(c.click->x(), c.click->y());
        if (c.passes == 0) {
            EXPECT_EQ(d.s.engine.PowerFlag, kFalse);
            EXPECT_EQ(d.s.engine.AbortFlag, kTrue);
            EXPECT_EQ(QueueCount(d.s.engine, 2), 0);
            EXPECT_EQ(d.dialogs.MessageTexts(),
                      QStringList{QStringLiteral("Simulation has been aborted.\r\nPlease check for infinite loops.")});
        } else {
            EXPECT_EQ(d.s.engine.PowerFlag, kTrue);
            EXPECT_TRUE(d.dialogs.Asked().empty());
            EXPECT_EQ(d.s.engine.StepCount, c.passes);
        }
    }
}
