// The engine's hot paths: an inverter chain laid out as a serpentine, an
// 8-bit ripple counter driven by a clock generator on the virtual timer host,
// and a fan-out comb of conductors. Inputs go through InitSwitchOn, there is
// no delay, and each runs without drawing, on a null surface and on a picture.
// Switching on a chain of 6,400 inverters runs without drawing and on a picture.
// Each reports conductor-cell events and component evaluations per second,
// tallied in a separate run whose one-step delay counts every pass.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <functional>
#include <memory>
#include <vector>

#include "../tests/render/sheet_builder.h"
#include "platform/null_surface.h"
#include "platform/painter_surface.h"
#include "platform/timers.h"
#include "render/clsGrafik.h"
#include "engine_rig.h"
#include "editing/engine_binding.h"
#include "simulation/engine.h"
#include "simulation/evaluators.h"

namespace {


// ---- Circuits ----

// 400 inverters, 20 to a row; rows run right and left in turn and are joined
// by corners at the ends. The input is the open end at (1, 2).
constexpr int kStagesPerRow = 20;
constexpr int kRows = 20;

int RowY(int r) { return 2 + 2 * r; }

void BuildSerpentineOf(ProgramState& s, int stagesPerRow, int rows)
{
    const int last = 2 + 3 * stagesPerRow - 1; // the last wire cell of a row
    sheet::NewSheet(s, last + 3, RowY(rows) + 2);
    for (int r = 0; r < rows; ++r) {
        const int y = RowY(r);
        for (int i = 0; i < stagesPerRow; ++i) {
            if (r % 2 == 0)
                sheet::Inverter(s, Orientation::Right, 2 + 3 * i, y);
            else
                sheet::Inverter(s, Orientation::Left, last - 1 - 3 * i, y);
        }
        sheet::Wire(s, 1, y, last, y);
        if (r + 1 < rows)
            sheet::Wire(s, r % 2 == 0 ? last : 1, y, r % 2 == 0 ? last : 1, RowY(r + 1));
    }
}

void BuildSerpentine(ProgramState& s) { BuildSerpentineOf(s, kStagesPerRow, kRows); }

// 6,400 inverters, 80 rows of 80, every row running right; a conductor
// along the free row below leads from each row's end back to the start of the
// next one. Switching on meets the inverters in the order the signal passes them.
void BuildLongChain(ProgramState& s)
{
    constexpr int kStages = 80;
    const int last = 2 + 3 * kStages - 1;
    sheet::NewSheet(s, last + 3, RowY(kStages) + 2);
    for (int r = 0; r < kStages; ++r) {
        const int y = RowY(r);
        for (int i = 0; i < kStages; ++i)
            sheet::Inverter(s, Orientation::Right, 2 + 3 * i, y);
        sheet::Wire(s, 1, y, last, y);
        if (r + 1 < kStages) {
            sheet::Wire(s, last, y, last, y + 1);
            sheet::Wire(s, 1, y + 1, last, y + 1);
            sheet::Wire(s, 1, y + 1, 1, y + 2);
        }
    }
}

bool SerpentineEndHigh(const ProgramState& s)
{
    return s.circuit.Levels[0].Field(1, RowY(kRows - 1)).Value != 0;
}

// Eight toggling flip-flops (J and K open) in a row, each clocked by the Q of
// the one before; the first by a clock generator.
constexpr int kBits = 8;

int FlipFlopX(int k) { return 8 + 9 * k; }

void BuildRippleCounter(ProgramState& s)
{
    sheet::NewSheet(s, FlipFlopX(kBits) + 2, 10);
    sheet::Clock(s, Orientation::Right, 1, 5); // output (4, 5)
    s.circuit.Clocks[0].ClockHigh = 10;
    s.circuit.Clocks[0].ClockLow = 10;
    sheet::Wire(s, 4, 5, FlipFlopX(0), 5);
    for (int k = 0; k < kBits; ++k) {
        const int X = FlipFlopX(k);
        sheet::FlipFlop(s, Orientation::Right, X, 5); // C (X, 5), Q (X+5, 4)
        sheet::Wire(s, X + 5, 4, X + 7, 4);
        if (k + 1 < kBits) {
            sheet::Wire(s, X + 7, 4, X + 7, 5);
            sheet::Wire(s, X + 7, 5, X + 9, 5);
        }
    }
}

int CounterValue(const ProgramState& s)
{
    int v = 0;
    for (int k = 0; k < kBits; ++k)
        if (s.circuit.Levels[0].Field(FlipFlopX(k) + 5, 4).Value != 0)
            v |= 1 << k;
    return v;
}

// A bus from (1, 2) with a juncture every second cell, each starting a tooth
// 60 cells long.
constexpr int kTeeth = 100;
constexpr int kToothLength = 60;

void BuildComb(ProgramState& s)
{
    sheet::NewSheet(s, 2 * kTeeth + 4, kToothLength + 4);
    sheet::Wire(s, 1, 2, 2 * kTeeth + 2, 2);
    for (int i = 1; i <= kTeeth; ++i) {
        const int x = 2 * i;
        sheet::Wire(s, x, 2, x, 2 + kToothLength);
        s.circuit.P(x, 2).Marker = kTrue;
    }
}

bool CombHigh(const ProgramState& s)
{
    for (int i = 1; i <= kTeeth; ++i)
        if (s.circuit.Levels[0].Field(2 * i, 2 + kToothLength).Value == 0)
            return false;
    return true;
}

// ---- The rig ----


struct Rig {
    Rig(const std::function<void(ProgramState&)>& build, Drawing drawing)
    {
        build(s);
        drawing_.Attach(s, e, drawing);
        timer1 = timers.CreateTimer([this] { Timer1_Timer(EngineOf(s, e)); });
        timer1->setInterval(1);
        e.Timer1 = timer1.get();
        for (size_t i = 0; i < std::max<size_t>(1, s.circuit.Clocks.size()); ++i) {
            timer2.push_back(timers.CreateTimer([this, i] { Timer2_Timer(EngineOf(s, e), static_cast<int16_t>(i)); }));
            timer2.back()->Tag = QStringLiteral("Stop");
        }
        e.Timer2 = &timer2;
        PowerOnOff(EngineOf(s, e));
    }

    void Click(int x, int y)
    {
        InitSwitchOn(EngineOf(s, e), x, y);
    }

    // Clock cycles of generator 0, each phase one tick of its timer and one
    // step-timer run a millisecond later.
    void ClockCycles(int cycles)
    {
        s.SelectedClock = 0;
        Toolbar3_ButtonClick(EngineOf(s, e), QStringLiteral("cmdDauertakt"));
        for (int i = 0; i < 2 * cycles; ++i)
            timers.Advance(11);
        Toolbar3_ButtonClick(EngineOf(s, e), QStringLiteral("cmdStop"));
        timers.Advance(11); // the stop comes at the next low phase
        timers.Advance(11);
    }

    ProgramState s;
    EngineContext e;
    VirtualTimerHost timers;
    std::unique_ptr<PlatformTimer> timer1;
    std::vector<std::unique_ptr<PlatformTimer>> timer2;
    BenchDrawing drawing_;
};

struct Work {
    long long conductorEvents = 0;
    long long evaluations = 0;
    long long passes = 0;
};

// Runs `step` once with a one-step delay whose scripted wait tallies each pass.
Work Measure(const std::function<void(ProgramState&)>& build, const std::function<void(Rig&)>& step)
{
    Rig r(build, Drawing::None);
    Work w;
    r.s.engine.DelaySetting = 1;
    double clock = 0;
    r.e.waitHooks.now = [&clock] { return clock; };
    r.e.waitHooks.idle = nullptr;
    r.e.waitHooks.pumpEvents = [&] {
        clock += 1.0;
        ++w.passes;
        const auto& q = r.s.engine.CurrentEvents;
        for (size_t k = 1; k < q.size(); ++k) {
            const LevelRecord& L = r.s.circuit.Levels[static_cast<size_t>(q[k].Level)];
            if (L.Field.Contains(q[k].X, q[k].Y) && L.Field(q[k].X, q[k].Y).Type == ElementType::Conductor)
                ++w.conductorEvents;
        }
    };
    g_inner = r.e.evaluators;
    InstallCounters(r.e.evaluators, std::make_integer_sequence<int, 32>{});
    g_evaluations = 0;
    step(r);
    w.evaluations = g_evaluations;
    return w;
}

void Report(benchmark::State& state, const Work& w)
{
    const double n = static_cast<double>(state.iterations());
    state.counters["conductor_events/s"] =
        benchmark::Counter(static_cast<double>(w.conductorEvents) * n, benchmark::Counter::kIsRate);
    state.counters["evaluations/s"] =
        benchmark::Counter(static_cast<double>(w.evaluations) * n, benchmark::Counter::kIsRate);
    state.counters["passes/s"] = benchmark::Counter(static_cast<double>(w.passes) * n, benchmark::Counter::kIsRate);
}

// ---- Benchmarks ----

void BM_InverterSerpentine(benchmark::State& state, Drawing drawing)
{
    // Two toggles per iteration bring the chain back where it started.
    auto step = [](Rig& r) {
        r.Click(1, 2);
        r.Click(1, 2);
    };
    const Work w = Measure(BuildSerpentine, step);
    Rig r(BuildSerpentine, drawing);
    const bool rest = SerpentineEndHigh(r.s);
    for (auto _ : state)
        step(r);
    bool ok = SerpentineEndHigh(r.s) == rest;
    r.Click(1, 2);
    ok = ok && SerpentineEndHigh(r.s) != rest;
    if (!ok)
        state.SkipWithError("the chain's end did not follow the input");
    Report(state, w);
    state.counters["events/s"] = benchmark::Counter(
        static_cast<double>(w.conductorEvents + w.evaluations) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
}

void BM_RippleCounter(benchmark::State& state, Drawing drawing)
{
    constexpr int kCycles = 256;
    auto step = [](Rig& r) { r.ClockCycles(kCycles); };
    const Work w = Measure(BuildRippleCounter, step);
    Rig r(BuildRippleCounter, drawing);
    // The count must follow the clock: 37 cycles count to 37.
    r.ClockCycles(37);
    if (CounterValue(r.s) != 37)
        state.SkipWithError("the counter did not count 37 cycles");
    for (auto _ : state)
        step(r);
    if (CounterValue(r.s) != 37)
        state.SkipWithError("256 cycles did not bring the counter round");
    Report(state, w);
    state.counters["clock_cycles/s"] =
        benchmark::Counter(static_cast<double>(kCycles) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

void BM_FanOutComb(benchmark::State& state, Drawing drawing)
{
    auto step = [](Rig& r) {
        r.Click(1, 2);
        r.Click(1, 2);
    };
    const Work w = Measure(BuildComb, step);
    Rig r(BuildComb, drawing);
    for (auto _ : state)
        step(r);
    r.Click(1, 2);
    if (!CombHigh(r.s))
        state.SkipWithError("a tooth missed the High");
    Report(state, w);
}

// Switching the power on: every inverter's output is set and carried along
// the chain (the switching off between is not timed).
void BM_PowerOnLongChain(benchmark::State& state, Drawing drawing)
{
    Rig r(BuildLongChain, drawing);
    for (auto _ : state) {
        state.PauseTiming();
        PowerOnOff(EngineOf(r.s, r.e));
        state.ResumeTiming();
        PowerOnOff(EngineOf(r.s, r.e));
    }
    if (r.s.engine.PowerFlag == 0 || !r.s.circuit.Levels[0].Field(5, 2).Value)
        state.SkipWithError("the power did not come on");
}

void BM_InverterSerpentine_NoDrawing(benchmark::State& s) { BM_InverterSerpentine(s, Drawing::None); }
void BM_InverterSerpentine_Null(benchmark::State& s) { BM_InverterSerpentine(s, Drawing::NullSurface); }
void BM_InverterSerpentine_Picture(benchmark::State& s) { BM_InverterSerpentine(s, Drawing::Picture); }
void BM_RippleCounter_NoDrawing(benchmark::State& s) { BM_RippleCounter(s, Drawing::None); }
void BM_RippleCounter_Null(benchmark::State& s) { BM_RippleCounter(s, Drawing::NullSurface); }
void BM_RippleCounter_Picture(benchmark::State& s) { BM_RippleCounter(s, Drawing::Picture); }
void BM_FanOutComb_NoDrawing(benchmark::State& s) { BM_FanOutComb(s, Drawing::None); }
void BM_FanOutComb_Null(benchmark::State& s) { BM_FanOutComb(s, Drawing::NullSurface); }
void BM_FanOutComb_Picture(benchmark::State& s) { BM_FanOutComb(s, Drawing::Picture); }

void BM_PowerOnLongChain_NoDrawing(benchmark::State& s) { BM_PowerOnLongChain(s, Drawing::None); }
void BM_PowerOnLongChain_Picture(benchmark::State& s) { BM_PowerOnLongChain(s, Drawing::Picture); }

BENCHMARK(BM_InverterSerpentine_NoDrawing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InverterSerpentine_Null)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InverterSerpentine_Picture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RippleCounter_NoDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RippleCounter_Null)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RippleCounter_Picture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FanOutComb_NoDrawing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FanOutComb_Null)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FanOutComb_Picture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PowerOnLongChain_NoDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PowerOnLongChain_Picture)->Unit(benchmark::kMillisecond);

} // namespace
