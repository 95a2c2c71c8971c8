// The benchmark circuits do exactly the work their table states: every
// pass, event and evaluation counted, so that a faster engine is known to
// do the same work as before.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "render/sheet_builder.h"
#include "editing/engine_binding.h"
#include "simulation/engine.h"
#include "support/circuit_driver.h"

namespace {

std::array<long long, 32> g_evaluations{};
EvaluatorTable g_real{};

template <int T>
void Counting(const Engine& en, int x, int y, Direction dir, int v, int level)
{
    ++g_evaluations[T];
    g_real[T](en, x, y, dir, v, level);
}

template <int... T>
void InstallCounting(EvaluatorTable& table, std::integer_sequence<int, T...>)
{
    ((table[T] = g_real[T] ? &Counting<T> : nullptr), ...);
}

struct Work {
    long long passes = 0;
    long long events = 0;
    long long conductorEvents = 0;
    long long inverters = 0;
    long long leds = 0;
    long long flipFlops = 0;

    bool operator==(const Work&) const = default;
    Work operator-(const Work& o) const
    {
        return {passes - o.passes,       events - o.events, conductorEvents - o.conductorEvents,
                inverters - o.inverters, leds - o.leds,     flipFlops - o.flipFlops};
    }
};

void PrintTo(const Work& w, std::ostream* os)
{
    *os << w.events << " events in " << w.passes << " passes, " << w.conductorEvents << " on conductors; "
        << w.inverters << " inverter, " << w.leds << " LED, " << w.flipFlops << " flip-flop evaluations";
}

// A benchmark circuit loaded with a one-step delay, so that every pass ends
// in a wait where it is tallied.
struct CountedCircuit {
    explicit CountedCircuit(const char* file)
    {
        loaded = d.Load(QStringLiteral(GATREL_TEST_DATA "/bench/") + QLatin1String(file));
        d.s.engine.DelaySetting = 1;
        auto idle = d.e.waitHooks.idle;
        d.e.waitHooks.idle = [this, idle](double seconds) {
            idle(seconds);
            Tally();
        };
        g_real = d.e.evaluators;
        InstallCounting(d.e.evaluators, std::make_integer_sequence<int, 32>{});
        g_evaluations.fill(0);
        d.PowerOn();
    }

    Work Now() const
    {
        Work w = tally;
        w.inverters = g_evaluations[ElementType::Inverter];
        w.leds = g_evaluations[ElementType::LED];
        w.flipFlops = g_evaluations[ElementType::FlipFlop];
        return w;
    }

    void ClockCycles(int n) { d.ClockCycles(n); }

    // The flip-flops' states (their Q), the first by element number the lowest bit.
    int Count() const
    {
        int value = 0, bit = 0;
        const LevelRecord& L0 = d.s.circuit.Levels[0];
        for (size_t c = 1; c < L0.Elements.size(); ++c) {
            if (L0.Elements[c].Type != ElementType::FlipFlop)
                continue;
            if (L0.Elements[c].State != 0)
                value |= 1 << bit;
            ++bit;
        }
        return value;
    }

    void Tally()
    {
        ++tally.passes;
        const auto& q = d.s.engine.CurrentEvents;
        for (size_t k = 1; k < q.size(); ++k) {
            ++tally.events;
            if (d.Cell(q[k].X, q[k].Y, q[k].Level).Type == ElementType::Conductor)
                ++tally.conductorEvents;
        }
    }

    CircuitDriver d;
    bool loaded = false;
    Work tally;
};

TEST(BenchCircuits, InverterChainDoesTheTabledWork)
{
    CountedCircuit c("inv_chain_400.gtr");
    ASSERT_TRUE(c.loaded);
    Work on = c.Now();
    on.conductorEvents = 0; // not in the table
    EXPECT_EQ(on, (Work{13974, 13974, 0, 6374, 18, 0}));
    // Each toggle, up and down, the same work; the LED at the end follows.
    const bool led = c.d.High(51, 26);
    for (int toggle = 1; toggle <= 2; ++toggle) {
        SCOPED_TRACE(toggle);
        const Work before = c.Now();
        c.d.Click(1, 2);
        EXPECT_EQ(c.Now() - before, (Work{850, 850, 449, 400, 1, 0}));
        EXPECT_EQ(c.d.High(51, 26), toggle == 1 ? !led : led);
    }
}

TEST(BenchCircuits, RippleCounterCountsTheCyclesWithTheTabledWork)
{
    CountedCircuit c("ripple_8.gtr");
    ASSERT_TRUE(c.loaded);
    c.ClockCycles(37);
    EXPECT_EQ(c.Count(), 37);
    const Work before = c.Now();
    c.ClockCycles(256);
    EXPECT_EQ(c.Now() - before, (Work{4592, 6630, 4078, 0, 510, 1020}));
    EXPECT_EQ(c.Count(), 37);
    c.ClockCycles(300);
    EXPECT_EQ(c.Count(), (37 + 300) % 256);
}

// Without a delay, a pass of one event takes a path of its own; with a delay
// every pass goes through the general loop. Both do the same work and leave
// the same picture, after the power-on and after every click and clock cycle,
// on every test circuit.
TEST(BenchCircuits, RunsWithoutDelayDoTheWorkOfRunsThroughTheGeneralLoop)
{
    struct Step {
        int passes = 0;
        std::array<long long, 32> evaluations{};
        std::vector<int16_t> cells; // value and both wire signals of every cell of every level
        QImage picture;
    };
    using Setup = std::function<void(CircuitDriver&)>;
    auto run = [](const Setup& setup, int16_t delay) {
        CircuitDriver d;
        setup(d);
        d.s.engine.DelaySetting = delay;
        g_real = d.e.evaluators;
        InstallCounting(d.e.evaluators, std::make_integer_sequence<int, 32>{});
        g_evaluations.fill(0);
        std::vector<Step> steps;
        auto record = [&] {
            Step step{d.s.engine.StepCount, g_evaluations, {}, d.surface.Image()};
            for (const LevelRecord& lv : d.s.circuit.Levels)
                for (int y = 0; y <= lv.Field.UBoundY(); ++y)
                    for (int x = 0; x <= lv.Field.UBoundX(); ++x) {
                        const GridCell& c = lv.Field(x, y);
                        step.cells.insert(step.cells.end(), {c.Value, c.WireSignalH, c.WireSignalV});
                    }
            steps.push_back(std::move(step));
        };
        d.PowerOn();
        record();
        // The switches and open conductor ends, each clicked twice.
        std::vector<std::pair<int, int>> inputs;
        for (int x = 0; x <= d.s.circuit.MaxX; ++x)
            for (int y = 0; y <= d.s.circuit.MaxY; ++y)
                if (const GridCell& c = d.s.circuit.P(x, y);
                    c.Type == ElementType::Switch
                    || (c.Type == ElementType::Conductor
                        && (c.ConLeft != 0) + (c.ConRight != 0) + (c.ConUp != 0) + (c.ConDown != 0) == 1))
                    inputs.emplace_back(x, y);
        for (int round = 0; round < 2; ++round)
            for (auto [x, y] : inputs) {
                d.Click(x, y);
                record();
            }
        for (int cycle = 0; cycle < 3 && !d.s.circuit.Clocks.empty(); ++cycle) {
            d.ClockCycles(1);
            record();
        }
        return steps;
    };
    std::vector<std::pair<std::string, Setup>> circuits;
    for (const char* folder : {"", "/sim", "/bench"})
        for (const QFileInfo& f : QDir(QStringLiteral(GATREL_TEST_DATA) + QLatin1String(folder))
                                      .entryInfoList({QStringLiteral("*.gtr")}, QDir::Files))
            circuits.emplace_back(f.filePath().toStdString(), [f](CircuitDriver& d) {
                d.s.Verzeichnisse[1] = f.absolutePath() + QStringLiteral("/ic/"); // its ICs
                EXPECT_TRUE(d.Load(f.filePath()));
            });
    ASSERT_GE(circuits.size(), 10u);
    // A NAND's output event waits a pass: here alone in its pass.
    circuits.emplace_back("a chain of NANDs", [](CircuitDriver& d) {
        sheet::NewSheet(d.s, 30, 8);
        sheet::Wire(d.s, 1, 3, 3, 3);
        for (int x = 3; x <= 21; x += 6) {
            sheet::Gate(d.s, ElementType::AND, Orientation::Right, x, 3, 2);
            d.s.circuit.P(x, 4).Marker = kTrue;     // the second input open, negated: High
            d.s.circuit.P(x + 2, 3).Marker = kTrue; // negated output
            sheet::Wire(d.s, x + 2, 3, x + 6, 3);
        }
    });
    for (const auto& [name, setup] : circuits) {
        SCOPED_TRACE(name);
        const std::vector<Step> own = run(setup, 0);
        const std::vector<Step> general = run(setup, 1);
        ASSERT_EQ(own.size(), general.size());
        for (size_t k = 0; k < own.size(); ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(own[k].passes, general[k].passes);
            EXPECT_EQ(own[k].evaluations, general[k].evaluations);
            EXPECT_EQ(own[k].cells, general[k].cells);
            EXPECT_EQ(own[k].picture, general[k].picture);
        }
    }
}

} // namespace
