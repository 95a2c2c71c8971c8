// Inputs, pause, stop and clock ticks, and what may happen during a delay wait.
#include <gtest/gtest.h>

#include <functional>

#include "platform/timers.h"
#include "render/sheet_builder.h"
#include "editing/engine_binding.h"
#include "simulation/engine.h"
#include "support/circuit_driver.h"

namespace {

// Two straight lines with open ends at (1, 3) and (1, 6), nine cells each.
void BuildTwoLines(ProgramState& s)
{
    sheet::NewSheet(s, 20, 10);
    sheet::Wire(s, 1, 3, 10, 3);
    sheet::Wire(s, 1, 6, 10, 6);
}

// A clock generator (outputs right, anchor (2, 3), output pin (5, 3), stop
// input (4, 4)) driving a line to (12, 3).
void BuildClock(ProgramState& s, int16_t high, int16_t low, uint8_t cycles)
{
    sheet::NewSheet(s, 20, 10);
    sheet::Clock(s, Orientation::Right, 2, 3);
    sheet::Wire(s, 5, 3, 12, 3);
    s.circuit.P(5, 3).Type = ElementType::ClockGenerator; // the output pin keeps its type
    s.circuit.Clocks[0].ClockHigh = high;
    s.circuit.Clocks[0].ClockLow = low;
    s.circuit.Clocks[0].ClockCycles = cycles;
}

// Selects the first clock generator and presses a button of its panel.
void Press(CircuitDriver& d, const char* button)
{
    d.s.SelectedClock = 0;
    Toolbar3_ButtonClick(EngineOf(d.s, d.e), QString::fromLatin1(button));
}

// Two inverters with open inputs, each driving a line: both start High at power-on.
void BuildTwoInverters(ProgramState& s)
{
    sheet::NewSheet(s, 20, 10);
    sheet::Inverter(s, Orientation::Right, 2, 3);
    sheet::Wire(s, 3, 3, 10, 3);
    sheet::Inverter(s, Orientation::Right, 2, 7);
    sheet::Wire(s, 3, 7, 10, 7);
}

bool AllHigh(const CircuitDriver& d, int y)
{
    for (int x = 2; x <= 10; ++x)
        if (!d.High(x, y))
            return false;
    return true;
}

} // namespace

TEST(InitSwitchOn, ClickingAnOpenEndTogglesTheLevelItFeeds)
{
    CircuitDriver d;
    BuildTwoLines(d.s);
    d.PowerOn();
    d.Click(1, 3);
    EXPECT_TRUE(AllHigh(d, 3));
    EXPECT_TRUE(d.High(1, 3));
    EXPECT_EQ(d.s.circuit.P(1, 3).Value, kTrue);
    EXPECT_EQ(d.Cell(1, 3).WireSignalH, kTrue);
    EXPECT_FALSE(d.High(5, 6));
    EXPECT_EQ(d.s.engine.EngineBusy, kFalse);
    EXPECT_EQ(d.window.timeLabel.left(1), QStringLiteral(" "));

    d.Click(1, 3);
    for (int x = 1; x <= 10; ++x)
        EXPECT_FALSE(d.High(x, 3)) << x;
}

TEST(InitSwitchOn, AnythingButAnOpenEndIsRefusedInTheStatusBar)
{
    CircuitDriver d;
    BuildTwoLines(d.s);
    sheet::Wire(d.s, 12, 2, 12, 5);
    sheet::Wire(d.s, 12, 5, 15, 5);
    d.PowerOn();
    for (auto [x, y] : {std::pair{5, 3}, {12, 5}, {0, 0}}) {
        d.window.statusPanels[0].clear();
        d.Click(x, y);
        EXPECT_EQ(d.window.statusPanels[0], QStringLiteral("Please select an end of the conductor.")) << x << "," << y;
    }
    EXPECT_EQ(QueueCount(d.s.engine, 2), 0);
}

TEST(InitSwitchOn, RunTimeLabelIsTheSpanOfTheWaitsSteadyClock)
{
    // Each reading of the waits' clock moves it on by `step`: the label shows
    // the span between the run's two readings wherever that clock stands,
    // including where a time of day would pass midnight.
    struct Row {
        double start, step;
        const char* label;
    } const rows[] = {
        {100.0, 0.046875, " .046875"}, // no digit before the point
        {86399.99, 0.03, " .03"},
        {86399.5, 1.0, " 1"},
        {1.0e6, 2.5, " 2.5"},
    };
    for (const Row& row : rows) {
        CircuitDriver d;
        BuildTwoLines(d.s);
        d.PowerOn();
        double t = row.start;
        d.e.waitHooks.now = [&] {
            const double now = t;
            t += row.step;
            return now;
        };
        d.Click(1, 3);
        EXPECT_EQ(d.window.timeLabel, QString::fromLatin1(row.label)) << row.start;
        EXPECT_TRUE(AllHigh(d, 3)) << row.start;
    }

    // A delayed run's waits move the same clock: they are part of the duration.
    CircuitDriver d;
    BuildTwoLines(d.s);
    d.PowerOn();
    d.s.engine.DelaySetting = 10;
    const double before = d.clock;
    d.Click(1, 3);
    const double span = d.clock - before;
    ASSERT_GT(span, 0.1);
    EXPECT_NEAR(d.window.timeLabel.toDouble(), span, span * 1e-6);
}

// The two lines switched on with a delay, so that every pass of a run ends
// in a wait where a test may act.
struct DelayedLines {
    void StartDelayed()
    {
        BuildTwoLines(d.s);
        d.PowerOn();
        d.s.engine.DelaySetting = 10;
        start = d.pumps;
    }
    // Runs act in the wait after pass `pass` of the runs that follow.
    void InWait(int pass, std::function<void()> act)
    {
        d.onPump = [this, pass, act](int n) {
            if (n - start == pass)
                act();
        };
    }
    void Pause() { ::Pause(EngineOf(d.s, d.e)); }

    CircuitDriver d;
    int start = 0;
};

class Reentrancy : public ::testing::Test, protected DelayedLines {};

TEST_F(Reentrancy, ClickDuringADelayedRunOnlyQueues)
{
    StartDelayed();
    int nested = 0;
    InWait(2, [&] {
        const int before = static_cast<int>(d.window.calls.count(QStringLiteral("SetTimeLabel")));
        d.Click(1, 6);
        nested = static_cast<int>(d.window.calls.count(QStringLiteral("SetTimeLabel"))) - before;
        EXPECT_EQ(QueueCount(d.s.engine, 2), 2) << "the clicked event waits in the shared queue";
    });
    d.Click(1, 3);
    EXPECT_EQ(nested, 0) << "no second run was started";
    EXPECT_TRUE(AllHigh(d, 3));
    EXPECT_TRUE(AllHigh(d, 6));
    EXPECT_EQ(d.s.engine.EngineBusy, kFalse);
    EXPECT_EQ(d.window.onOffText, QStringLiteral("Ready"));
    EXPECT_FALSE(d.window.redLamp);
}

TEST_F(Reentrancy, DelayedRunShowsItsProgressInThePowerPanel)
{
    StartDelayed();
    bool seen = false;
    d.onPump = [&](int) {
        seen = seen || (d.window.redLamp && d.window.stopEnabled && d.window.pauseEnabled
                        && d.window.onOffText == QStringLiteral("Simulation in progress.."));
    };
    d.Click(1, 3);
    EXPECT_TRUE(seen);
    EXPECT_FALSE(d.window.stopEnabled);
    EXPECT_FALSE(d.window.pauseEnabled);
}

// Pause while nothing runs does nothing. A pause in a wait keeps the pending
// events, also in the wait after the last busy pass (the line takes nine
// passes that touch level 0); a click while paused only queues; Continue
// works everything off and later runs are not swallowed.
TEST_F(Reentrancy, PauseKeepsThePendingEventsAndContinueResumes)
{
    for (int pass : {3, 9}) {
        SCOPED_TRACE(pass);
        DelayedLines r;
        CircuitDriver& c = r.d;
        r.StartDelayed();
        r.Pause();
        EXPECT_FALSE(c.s.engine.PausedFlag());
        EXPECT_EQ(c.window.onOffText, QStringLiteral("Ready"));
        EXPECT_EQ(c.window.pauseCaption, QStringLiteral("&Pause"));
        r.InWait(pass, [&] { r.Pause(); });
        c.Click(1, 3);
        EXPECT_TRUE(c.s.engine.PausedFlag());
        EXPECT_EQ(c.s.engine.EngineBusy, kTrue) << "a paused run stays busy";
        EXPECT_TRUE(c.High(pass + 1, 3));
        EXPECT_FALSE(pass < 9 && c.High(pass + 2, 3));
        EXPECT_EQ(c.window.onOffText, QStringLiteral("Paused"));
        EXPECT_EQ(c.window.pauseCaption, QStringLiteral("Continue"));
        EXPECT_TRUE(c.window.pauseEnabled);
        EXPECT_FALSE(c.window.stopEnabled);
        const int pending = QueueCount(c.s.engine, 2);
        EXPECT_EQ(pending, pass < 9 ? 1 : 0);

        c.Click(1, 6);
        EXPECT_FALSE(c.High(2, 6));
        EXPECT_EQ(QueueCount(c.s.engine, 2), pending + 1);

        c.onPump = nullptr;
        r.Pause();
        EXPECT_TRUE(AllHigh(c, 3));
        EXPECT_TRUE(AllHigh(c, 6));
        EXPECT_FALSE(c.s.engine.PausedFlag());
        EXPECT_EQ(c.s.engine.EngineBusy, kFalse);
        EXPECT_EQ(c.window.onOffText, QStringLiteral("Ready"));
        EXPECT_EQ(c.window.pauseCaption, QStringLiteral("&Pause"));
        EXPECT_FALSE(c.window.pauseEnabled);
        c.Click(1, 6);
        EXPECT_FALSE(c.High(10, 6));
    }
}

TEST_F(Reentrancy, ResumeFromInsideTheWaitRunsTheSharedQueues)
{
    StartDelayed();
    int innerPumps = 0;
    d.onPump = [&](int n) {
        if (n - start == 2) {
            Pause();
            Pause(); // Continue, pressed during the same wait
            innerPumps = d.pumps - n;
        }
    };
    d.Click(1, 3);
    EXPECT_TRUE(AllHigh(d, 3));
    EXPECT_FALSE(d.s.engine.PausedFlag());
    EXPECT_EQ(d.s.engine.EngineBusy, kFalse);
    EXPECT_EQ(QueueCount(d.s.engine, 2), 0);
    // The inner run worked the rest of the line off: passes 3 to 9 waited.
    EXPECT_EQ(innerPumps, 7);
    EXPECT_EQ(d.pumps - start, 9);
}

// Stop and power-off in the third wait: the run ends there, the panel is
// idle again, and later runs work.
TEST_F(Reentrancy, StopOrPowerOffDuringAWaitEndsTheRun)
{
    for (bool powerOff : {false, true}) {
        SCOPED_TRACE(powerOff ? "power off" : "stop");
        DelayedLines r;
        CircuitDriver& c = r.d;
        r.StartDelayed();
        r.InWait(3, [&] {
            if (powerOff)
                c.TogglePower();
            else
                StopEngine(EngineOf(c.s, c.e));
        });
        c.Click(1, 3);
        EXPECT_EQ(c.pumps - r.start, 3);
        EXPECT_EQ(c.High(4, 3), !powerOff) << "power-off clears every signal";
        EXPECT_FALSE(c.High(5, 3));
        EXPECT_EQ(c.s.engine.PowerFlag, powerOff ? kFalse : kTrue);
        EXPECT_EQ(c.s.engine.EngineBusy, kFalse);
        EXPECT_EQ(QueueCount(c.s.engine, 2), 0);
        EXPECT_EQ(c.window.onOffText, QStringLiteral("Ready"));
        EXPECT_FALSE(c.window.stopEnabled);
        EXPECT_FALSE(c.window.pauseEnabled);
        EXPECT_EQ(c.window.pauseCaption, QStringLiteral("&Pause"));
        if (powerOff) {
            for (int x = 1; x <= 10; ++x)
                EXPECT_FALSE(c.High(x, 3)) << x;
            EXPECT_EQ(c.s.circuit.Levels[0].Field.UBoundX(), 0) << "the level-0 copy is freed";
            c.PowerOn();
        }
        c.onPump = nullptr;
        c.s.engine.DelaySetting = 0;
        c.Click(1, 6);
        EXPECT_TRUE(AllHigh(c, 6));
    }
}

TEST_F(Reentrancy, StopWhilePausedEndsThePause)
{
    StartDelayed();
    InWait(3, [&] { Pause(); });
    d.Click(1, 3);
    ASSERT_TRUE(d.s.engine.PausedFlag());
    d.onPump = nullptr;
    StopEngine(EngineOf(d.s, d.e));
    EXPECT_FALSE(d.s.engine.PausedFlag());
    EXPECT_EQ(d.s.engine.EngineBusy, kFalse);
    d.Click(1, 6);
    EXPECT_TRUE(AllHigh(d, 6));
}

// Power-off stops the rest of the switch-on and the panel shows the engine at
// rest; a pause holds it, and the panel keeps saying so, until Continue.
TEST_F(Reentrancy, PowerOffOrPauseDuringTheSwitchOn)
{
    for (bool pause : {false, true}) {
        SCOPED_TRACE(pause ? "pause" : "power off");
        DelayedLines r;
        CircuitDriver& c = r.d;
        BuildTwoInverters(c.s);
        c.s.engine.DelaySetting = 10;
        c.onPump = [&](int n) {
            if (n == 4) // the two pumps of the switch-on, then the first inverter's run
                pause ? r.Pause() : c.TogglePower();
        };
        c.PowerOn();
        EXPECT_FALSE(c.High(10, 3));
        EXPECT_FALSE(c.High(4, 7));
        c.onPump = nullptr;
        EXPECT_EQ(c.window.onOffText, QString::fromLatin1(pause ? "Paused" : "Ready"));
        if (pause) {
            EXPECT_TRUE(c.s.engine.PausedFlag());
            EXPECT_EQ(c.window.pauseCaption, QStringLiteral("Continue"));
            EXPECT_TRUE(c.window.pauseEnabled);
            r.Pause();
            EXPECT_FALSE(c.s.engine.PausedFlag());
            EXPECT_EQ(c.s.engine.EngineBusy, kFalse);
            EXPECT_EQ(c.window.onOffText, QStringLiteral("Ready"));
        } else {
            EXPECT_EQ(c.s.engine.PowerFlag, kFalse);
            EXPECT_EQ(c.s.ToolMode, ToolCode::Select);
            EXPECT_EQ(c.s.CurrentLevel, 0);
            EXPECT_EQ(c.window.changeGUICalls.back(), true);
            c.s.engine.DelaySetting = 0;
            c.PowerOn();
        }
        EXPECT_TRUE(c.High(10, 3));
        EXPECT_TRUE(c.High(10, 7));
    }
}

TEST(ClockTicks, TickWhileBusyIsFiredByTheRunningLoop)
{
    CircuitDriver d;
    BuildClock(d.s, 100, 100, 1);
    sheet::Wire(d.s, 1, 8, 15, 8);
    d.PowerOn();
    Press(d, "cmdDauertakt");
    d.s.engine.DelaySetting = 10;
    const int start = d.pumps;
    d.onPump = [&](int n) {
        if (n - start == 2) {
            d.timers.Advance(100); // the generator's timer ticks during the wait
            EXPECT_EQ(d.s.circuit.Clocks[0].ClockTrigger, kTrue);
            EXPECT_EQ(d.s.engine.StepCount, 0);
            EXPECT_FALSE(d.timer1->enabled()) << "a running engine needs no step timer";
        }
    };
    d.Click(1, 8);
    EXPECT_EQ(d.s.circuit.Clocks[0].ClockTrigger, kFalse);
    EXPECT_TRUE(d.High(12, 3));
    EXPECT_EQ(d.s.circuit.Clocks[0].ClockOutputHigh, kTrue);
}

TEST(ClockTicks, LimitedRunOfThreeCyclesEndsOnTheSeventhTick)
{
    CircuitDriver d;
    BuildClock(d.s, 100, 100, 3);
    d.PowerOn();
    Press(d, "cmdEinzeltakt");
    EXPECT_TRUE(d.window.clockButtons[QStringLiteral("cmdStop")]);

    int rises = 0, falls = 0;
    bool last = false;
    for (int tick = 1; tick <= 7; ++tick) {
        // The generator's tick, then the step timer's run 1 ms later, which
        // starts the next phase's countdown.
        d.Advance(101);
        const bool now = d.High(12, 3);
        rises += now && !last;
        falls += !now && last;
        last = now;
        if (tick < 7) {
            EXPECT_TRUE(d.timer2[0]->enabled()) << tick;
        }
    }
    EXPECT_EQ(rises, 3);
    EXPECT_EQ(falls, 3);
    EXPECT_FALSE(d.timer2[0]->enabled());
    EXPECT_EQ(d.s.circuit.Clocks[0].ClockCounter, 0);
    EXPECT_FALSE(d.window.clockButtons[QStringLiteral("cmdStop")]);
    EXPECT_TRUE(d.window.clockButtons[QStringLiteral("cmdDauertakt")]);
    EXPECT_TRUE(d.window.clockButtons[QStringLiteral("cmdEinzeltakt")]);
}

TEST(ClockTicks, StopInputHighKeepsTheOutputLowAndTakesTheRisingBranch)
{
    CircuitDriver d;
    BuildClock(d.s, 300, 100, 1);
    d.PowerOn();
    d.s.circuit.Levels[0].Field(4, 4).Value = kTrue; // the stop input
    Press(d, "cmdDauertakt");
    EXPECT_EQ(d.timer2[0]->interval(), 100);
    for (int tick = 0; tick < 4; ++tick) {
        d.Advance(d.timer2[0]->interval() + 1);
        EXPECT_FALSE(d.High(5, 3));
        EXPECT_FALSE(d.High(8, 3));
        EXPECT_EQ(d.timer2[0]->interval(), 300) << tick;
        EXPECT_EQ(d.s.circuit.Clocks[0].ClockOutputHigh, kTrue);
    }
}

TEST(ClockTicks, StopButtonEndsARunAtItsNextLowPhase)
{
    CircuitDriver d;
    BuildClock(d.s, 100, 100, 5);
    d.PowerOn();
    Press(d, "cmdDauertakt");
    d.Advance(101);
    ASSERT_TRUE(d.High(12, 3));
    Toolbar3_ButtonClick(EngineOf(d.s, d.e), QStringLiteral("cmdStop"));
    EXPECT_EQ(d.timer2[0]->Tag, QStringLiteral("Stop"));
    d.Advance(101); // falls
    EXPECT_FALSE(d.High(12, 3));
    EXPECT_TRUE(d.timer2[0]->enabled());
    d.Advance(101); // the low phase ends the run
    EXPECT_FALSE(d.High(12, 3));
    EXPECT_FALSE(d.timer2[0]->enabled());
}

TEST(ClockTicks, TicksAreLostWhileAnInnerLevelIsShownAndTheStepTimerRetries)
{
    CircuitDriver d;
    BuildClock(d.s, 100, 100, 1);
    d.PowerOn();
    d.s.engine.InnerLevelShown = kTrue;
    Timer2_Timer(EngineOf(d.s, d.e), 0);
    EXPECT_EQ(d.s.circuit.Clocks[0].ClockTrigger, kFalse);
    d.timer1->setEnabled(true);
    Timer1_Timer(EngineOf(d.s, d.e));
    EXPECT_TRUE(d.timer1->enabled());
    EXPECT_FALSE(d.High(12, 3));
    d.s.engine.InnerLevelShown = kFalse;
    Timer2_Timer(EngineOf(d.s, d.e), 0);
    Timer1_Timer(EngineOf(d.s, d.e));
    EXPECT_FALSE(d.timer1->enabled());
    EXPECT_TRUE(d.High(12, 3));
}

TEST(ClockTicks, PowerOffDisarmsEveryTimerAndTicksThenDoNothing)
{
    CircuitDriver d;
    BuildClock(d.s, 100, 100, 1);
    d.PowerOn();
    Press(d, "cmdDauertakt");
    d.Advance(100); // the generator ticked; the step timer is armed but has not run
    ASSERT_EQ(d.s.circuit.Clocks[0].ClockTrigger, kTrue);
    ASSERT_TRUE(d.timer1->enabled());
    d.PowerOff();
    EXPECT_EQ(d.s.circuit.Clocks[0].ClockTrigger, kFalse);
    EXPECT_FALSE(d.timer1->enabled());
    EXPECT_FALSE(d.timer2[0]->enabled());
    EXPECT_EQ(d.timer2[0]->Tag, QStringLiteral("Stop"));

    // Late ticks find the power off.
    Timer2_Timer(EngineOf(d.s, d.e), 0);
    Timer1_Timer(EngineOf(d.s, d.e));
    EXPECT_EQ(d.s.circuit.Clocks[0].ClockTrigger, kFalse);
    EXPECT_EQ(d.s.engine.StepCount, 0);
    EXPECT_EQ(d.s.engine.EngineBusy, kFalse);

    // Power on starts without any trigger left from before.
    d.s.circuit.Clocks[0].ClockTrigger = kTrue;
    d.PowerOn();
    EXPECT_EQ(d.s.circuit.Clocks[0].ClockTrigger, kFalse);
    EXPECT_FALSE(d.High(12, 3));
}

TEST(ClockPanel, ChangeToolbar3ShowsTheSelectedGenerator)
{
    CircuitDriver d;
    BuildClock(d.s, 500, 1500, 7);
    d.s.circuit.Clocks[0].ClockLinked = kFalse;
    d.s.SelectedClock = 0;
    ChangeToolbar3(EngineOf(d.s, d.e));
    EXPECT_EQ(d.window.clockSliders, std::make_pair(9500, 8500));
    EXPECT_EQ(d.window.clockPhaseLabels, std::make_pair(QStringLiteral("0.5s"), QStringLiteral("1.5s")));
    EXPECT_EQ(d.window.clockCyclesText, QStringLiteral("7"));
    EXPECT_EQ(d.window.clockTitle, QStringLiteral("Taktgeber: 1"));
    EXPECT_FALSE(d.window.clockLinkChecked);
    EXPECT_FALSE(d.window.clockButtons[QStringLiteral("cmdStop")]);
    EXPECT_TRUE(d.window.clockButtons[QStringLiteral("cmdDauertakt")]);

    d.s.circuit.Clocks[0].ClockHigh = 0;
    d.s.circuit.Clocks[0].ClockLow = 2000;
    d.timer2[0]->Tag = QStringLiteral("Dauertakt");
    ChangeToolbar3(EngineOf(d.s, d.e));
    EXPECT_EQ(d.window.clockPhaseLabels, std::make_pair(QStringLiteral("0.0s"), QStringLiteral("2s")));
    EXPECT_TRUE(d.window.clockButtons[QStringLiteral("cmdStop")]);
    EXPECT_FALSE(d.window.clockButtons[QStringLiteral("cmdEinzeltakt")]);
}

TEST(ClockPanel, ClickingAGeneratorSelectsItsSlot)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 20, 12);
    sheet::Clock(d.s, Orientation::Right, 2, 3);
    sheet::Clock(d.s, Orientation::Right, 2, 8);
    d.s.circuit.Clocks[1].ClockCycles = 4;
    d.PowerOn();
    d.Click(3, 8);
    EXPECT_EQ(d.s.SelectedClock, 1);
    EXPECT_EQ(d.window.clockTitle, QStringLiteral("Taktgeber: 2"));
    EXPECT_EQ(d.window.clockCyclesText, QStringLiteral("4"));
    d.Click(3, 3);
    EXPECT_EQ(d.s.SelectedClock, 0);
}

TEST(ClockPanel, FullStopAsksEveryGeneratorToStop)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 20, 12);
    sheet::Clock(d.s, Orientation::Right, 2, 3);
    sheet::Clock(d.s, Orientation::Right, 2, 8);
    d.s.circuit.Clocks[0].ClockCycles = 2;
    d.s.circuit.Clocks[1].ClockCycles = 5;
    d.PowerOn();
    for (int16_t i : {0, 1}) {
        d.s.SelectedClock = i;
        Toolbar3_ButtonClick(EngineOf(d.s, d.e), QStringLiteral("cmdDauertakt"));
    }
    Toolbar3_ButtonClick(EngineOf(d.s, d.e), QStringLiteral("cmdFullStop"));
    EXPECT_EQ(d.s.circuit.Clocks[0].ClockCounter, 6);
    EXPECT_EQ(d.s.circuit.Clocks[1].ClockCounter, 12);
    EXPECT_EQ(d.timer2[0]->Tag, QStringLiteral("Stop"));
    EXPECT_EQ(d.timer2[1]->Tag, QStringLiteral("Stop"));
    d.Advance(502); // each stops at its first tick, its output being Low
    EXPECT_FALSE(d.High(5, 3));
    EXPECT_FALSE(d.timer2[0]->enabled());
    EXPECT_FALSE(d.timer2[1]->enabled());
}
