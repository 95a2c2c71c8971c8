// The two circuits that are also run by an event-driven gate-level simulator
// (their circuit files in tests/data/bench, their Verilog netlists in
// bench/circuits), loaded from their files and run without drawing: the 400-inverter chain toggled
// at its input, and the 8-bit ripple counter clocked by its generator. A
// counting run first checks the work against the counts below; a rate is
// reported only when every count is exact, since a rate of the wrong work
// means nothing. bench/side_by_side.py runs this next to the peer.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "engine_rig.h"
#include "placement/document/circuit_file.h"
#include "model/pin_cache.h"
#include "platform/user_dialogs.h"
#include "editing/engine_binding.h"
#include "simulation/engine.h"
#include "simulation/evaluators.h"

#ifndef GATREL_BENCH_CIRCUITS
#error "GATREL_BENCH_CIRCUITS names the folder of the benchmark circuits"
#endif

namespace {

// Any question the program asks during a benchmark is a failure (a file
// that did not load, a run aborted at the step limit).
class NoDialogs : public UserDialogs {
public:
    MessageResult ShowMessage(const QString& text, MessageButtons, MessageIcon, const QString&) override
    {
        asked = text.toStdString();
        return MessageResult::OK;
    }
    std::optional<QString> AskText(const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseOpenFile(const FileDialogRequest&) override { return {}; }
    QString ChooseSaveFile(const FileDialogRequest&) override { return {}; }
    std::string asked;
};

// The work of a stretch of running, tallied per pass.
struct Tally {
    long long passes = 0;
    long long events = 0;
    long long conductorEvents = 0;
    long long inverters = 0;
    long long leds = 0;
    long long flipFlops = 0;

    bool operator==(const Tally&) const = default;
    Tally operator-(const Tally& o) const
    {
        return {passes - o.passes,       events - o.events, conductorEvents - o.conductorEvents,
                inverters - o.inverters, leds - o.leds,     flipFlops - o.flipFlops};
    }
    std::string Text() const
    {
        return std::to_string(events) + " events in " + std::to_string(passes) + " passes, "
            + std::to_string(conductorEvents) + " conductor-cell events, " + std::to_string(inverters)
            + " inverter, " + std::to_string(leds) + " LED and " + std::to_string(flipFlops)
            + " flip-flop evaluations";
    }
};

// One circuit loaded and switched on without drawing. With counting on, a
// one-step delay whose scripted wait ends each pass lets every pass be
// tallied (the step limit does not apply then, but no run here reaches it).
class Bench {
public:
    Bench(const char* file, bool counting)
    {
        e.evaluators = StandardEvaluators();
        e.dialogs = &dialogs;
        const QString path = QStringLiteral(GATREL_BENCH_CIRCUITS "/") + QLatin1String(file);
        loaded = LoadFile(s, dialogs, path) == LoadResult::Loaded;
        if (counting) {
            s.engine.DelaySetting = 1;
            e.waitHooks.now = [this] { return clock; };
            e.waitHooks.pumpEvents = [] {};
            e.waitHooks.idle = [this](double seconds) {
                clock += seconds + 1.0;
                TallyPass();
            };
            g_inner = e.evaluators;
            InstallCounters(e.evaluators, std::make_integer_sequence<int, 32>{});
            g_evaluationsByType.fill(0);
        }
        if (loaded)
            PowerOnOff(EngineOf(s, e));
    }

    Tally Counts() const
    {
        Tally t = tally;
        t.inverters = g_evaluationsByType[ElementType::Inverter];
        t.leds = g_evaluationsByType[ElementType::LED];
        t.flipFlops = g_evaluationsByType[ElementType::FlipFlop];
        return t;
    }

    // A click on the open conductor end (x, y).
    void Toggle(int x, int y)
    {
        InitSwitchOn(EngineOf(s, e), x, y);
    }

    // Clock cycles of generator 0: each phase is one tick of its timer and
    // the step timer's run that follows it.
    void ClockCycles(int n)
    {
        for (int i = 0; i < 2 * n; ++i) {
            Timer2_Timer(EngineOf(s, e), 0);
            Timer1_Timer(EngineOf(s, e));
        }
    }

    // The counter's value: the Q outputs of its flip-flops, the first (by
    // element number) the lowest bit.
    int CounterValue()
    {
        int value = 0, bit = 0;
        const LevelRecord& L0 = s.circuit.Levels[0];
        for (size_t c = 1; c < L0.Elements.size(); ++c) {
            if (L0.Elements[c].Type != ElementType::FlipFlop)
                continue;
            const CachedPins* p = PowerOnPins(s, static_cast<int>(c), 0);
            if (p != nullptr && p->OutputCount > 0 && L0.Field(p->Out[0].X, p->Out[0].Y).Value != 0)
                value |= 1 << bit;
            ++bit;
        }
        return value;
    }

    bool High(int x, int y) const { return s.circuit.Levels[0].Field(x, y).Value != 0; }
    bool Running() const { return loaded && s.engine.PowerFlag != 0 && dialogs.asked.empty(); }

    ProgramState s;
    EngineContext e;
    NoDialogs dialogs;
    bool loaded = false;

private:
    void TallyPass()
    {
        ++tally.passes;
        const auto& q = s.engine.CurrentEvents;
        for (size_t k = 1; k < q.size(); ++k) {
            ++tally.events;
            const LevelRecord& L = s.circuit.Levels[static_cast<size_t>(q[k].Level)];
            if (L.Field.Contains(q[k].X, q[k].Y) && L.Field(q[k].X, q[k].Y).Type == ElementType::Conductor)
                ++tally.conductorEvents;
        }
    }

    double clock = 0;
    Tally tally;
};

// The chain's input (an open conductor end) and its output LED.
constexpr int kChainInX = 1, kChainInY = 2;
constexpr int kChainLedX = 51, kChainLedY = 26;

// The exact work of each circuit.
constexpr Tally kChainPowerOn{13974, 13974, -1, 6374, 18, 0};
constexpr Tally kChainToggle{850, 850, 449, 400, 1, 0};
constexpr int kCounterCycles = 256;
constexpr Tally kCounterCycle256{4592, 6630, 4078, 0, 510, 1020};

// Empty when the work is the table's, else what differs.
std::string Check(const char* what, const Tally& got, Tally want)
{
    if (want.conductorEvents < 0)
        want.conductorEvents = got.conductorEvents; // not in the table
    if (got == want)
        return {};
    return std::string(what) + ": " + got.Text() + ", expected " + want.Text();
}

// Empty when the chain does the tabled work, else what went wrong.
std::string CheckChain()
{
    Bench b("inv_chain_400.gtr", true);
    if (!b.Running())
        return "inv_chain_400.gtr did not load and switch on";
    const Tally on = b.Counts();
    if (std::string error = Check("chain power-on", on, kChainPowerOn); !error.empty())
        return error;
    const bool led = b.High(kChainLedX, kChainLedY);
    b.Toggle(kChainInX, kChainInY);
    if (std::string error = Check("chain toggle", b.Counts() - on, kChainToggle); !error.empty())
        return error;
    if (b.High(kChainLedX, kChainLedY) == led)
        return "the chain's LED did not follow its input";
    return {};
}

std::string CheckCounter()
{
    Bench b("ripple_8.gtr", true);
    if (!b.Running())
        return "ripple_8.gtr did not load and switch on";
    b.ClockCycles(37);
    if (b.CounterValue() != 37)
        return "37 clock cycles counted " + std::to_string(b.CounterValue());
    const Tally before = b.Counts();
    b.ClockCycles(kCounterCycles);
    if (std::string error = Check("counter, 256 cycles", b.Counts() - before, kCounterCycle256); !error.empty())
        return error;
    if (b.CounterValue() != 37)
        return "256 clock cycles did not bring the counter round";
    return {};
}

// The counting runs, once per program run (the benchmark function itself
// runs once for every trial of its iteration count).
bool Checked(benchmark::State& state, const std::string& error)
{
    if (!error.empty())
        state.SkipWithError(error.c_str());
    return error.empty();
}

void Rate(benchmark::State& state, const char* name, double perIteration)
{
    state.counters[name] = benchmark::Counter(perIteration * static_cast<double>(state.iterations()),
                                              benchmark::Counter::kIsRate);
}

// Two toggles per iteration bring the chain back where it started.
void BM_Chain400(benchmark::State& state)
{
    static const std::string error = CheckChain();
    if (!Checked(state, error))
        return;
    Bench b("inv_chain_400.gtr", false);
    const bool led = b.High(kChainLedX, kChainLedY);
    for (auto _ : state) {
        b.Toggle(kChainInX, kChainInY);
        b.Toggle(kChainInX, kChainInY);
    }
    if (!b.Running() || b.High(kChainLedX, kChainLedY) != led) {
        state.SkipWithError("the timed chain ended elsewhere");
        return;
    }
    Rate(state, "events/s", 2.0 * kChainToggle.events);
    Rate(state, "inverter_evals/s", 2.0 * kChainToggle.inverters);
    Rate(state, "toggles/s", 2.0);
    // Seconds per (events / 1e9): nanoseconds per event.
    state.counters["ns/event"] =
        benchmark::Counter(2.0 * kChainToggle.events * static_cast<double>(state.iterations()) / 1e9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// 256 clock cycles per iteration bring the counter back where it started.
void BM_Ripple8(benchmark::State& state)
{
    static const std::string error = CheckCounter();
    if (!Checked(state, error))
        return;
    Bench b("ripple_8.gtr", false);
    b.ClockCycles(5);
    for (auto _ : state)
        b.ClockCycles(kCounterCycles);
    if (!b.Running() || b.CounterValue() != 5) {
        state.SkipWithError("the timed counter ended elsewhere");
        return;
    }
    Rate(state, "clock_cycles/s", kCounterCycles);
    Rate(state, "events/s", kCounterCycle256.events);
    Rate(state, "ff_evals/s", kCounterCycle256.flipFlops);
}

BENCHMARK(BM_Chain400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ripple8)->Unit(benchmark::kMillisecond);

} // namespace
