// An array of decoders and multiplexers run by the engine: five input lines
// (three address bits, two select bits) are clicked through a Gray-code cycle
// of 32 steps with InitSwitchOn, without delay: without a drawing object,
// drawing on a null surface, and drawing on a picture. Each tile is a decoder whose eight outputs
// feed two multiplexers; the buses reach every tile through junctures and
// plain crossings.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <memory>
#include <utility>

#include "../tests/render/sheet_builder.h"
#include "platform/null_surface.h"
#include "platform/painter_surface.h"
#include "render/clsGrafik.h"
#include "engine_rig.h"
#include "editing/engine_binding.h"
#include "simulation/engine.h"
#include "simulation/evaluators.h"

namespace {

constexpr int kPitch = 14;
constexpr int kFirstX = 6;
constexpr int kBusRows = 5; // A0, A1, A2, S1, S0 in rows 1..5
constexpr int kMaxY = 26;

int TileX(int i) { return kFirstX + kPitch * i; }

void BuildArray(ProgramState& s, int tiles)
{
    sheet::NewSheet(s, TileX(tiles) + 4, kMaxY);
    for (int row = 1; row <= kBusRows; ++row)
        sheet::Wire(s, 1, row, s.circuit.MaxX - 1, row);
    for (int i = 0; i < tiles; ++i) {
        const int X = TileX(i);
        // Address bits down to the decoder's inputs (weights 1, 2, 4).
        for (int bit = 0; bit < 3; ++bit) {
            const int col = X + 2 - bit;
            sheet::Wire(s, col, 1 + bit, col, 7);
            s.circuit.P(col, 1 + bit).Marker = -1;
        }
        sheet::Decoder(s, Orientation::Down, X, 7, false);
        sheet::Multiplexer(s, Orientation::Down, X + 3, 11);
        sheet::Multiplexer(s, Orientation::Down, X - 1, 17);
        for (int k = 0; k < 4; ++k) {
            sheet::Wire(s, X + 4 - k, 9, X + 4 - k, 11); // outputs 0..3 to the first multiplexer
            sheet::Wire(s, X - k, 9, X - k, 17);         // outputs 4..7 to the second
        }
        // Select lines: S1 in column X+7, S0 in column X+8, each tapped for
        // the first multiplexer and turned into the second.
        sheet::Wire(s, X + 7, 4, X + 7, 19);
        s.circuit.P(X + 7, 4).Marker = -1;
        sheet::Wire(s, X + 5, 13, X + 7, 13);
        s.circuit.P(X + 7, 13).Marker = -1;
        sheet::Wire(s, X + 1, 19, X + 7, 19);
        sheet::Wire(s, X + 8, 5, X + 8, 20);
        s.circuit.P(X + 8, 5).Marker = -1;
        sheet::Wire(s, X + 5, 14, X + 8, 14);
        s.circuit.P(X + 8, 14).Marker = -1;
        sheet::Wire(s, X + 1, 20, X + 8, 20);
        // Outputs to LEDs.
        sheet::Wire(s, X + 2, 15, X + 2, 17);
        sheet::LED(s, X + 2, 17);
        sheet::Wire(s, X - 2, 21, X - 2, 24);
        sheet::LED(s, X - 2, 24);
    }
}

// The input that changes between Gray codes k and k+1 (mod 32).
int GrayToggle(int k)
{
    const int a = k ^ (k >> 1);
    const int n = (k + 1) % 32;
    const int b = n ^ (n >> 1);
    int bit = 0;
    while (((a ^ b) >> bit) != 1)
        ++bit;
    return bit;
}


struct Rig {
    
    Rig(int tiles, Drawing drawing)
    {
        BuildArray(s, tiles);
        drawing_.Attach(s, e, drawing);
        PowerOnOff(EngineOf(s, e));
    }

    void Click(int input)
    {
        InitSwitchOn(EngineOf(s, e), 1, 1 + input);
    }
    void Cycle()
    {
        for (int k = 0; k < 32; ++k)
            Click(GrayToggle(k));
    }
    // With all inputs Low the decoders select output 0 and both multiplexers
    // pass their data input 0: the first LED is lit, the second dark.
    bool RestingStateOk(int tiles)
    {
        for (int i = 0; i < tiles; ++i) {
            const int X = TileX(i);
            if (s.circuit.Levels[0].Field(X + 2, 17).Value == 0 || s.circuit.Levels[0].Field(X - 2, 24).Value != 0)
                return false;
        }
        return true;
    }

    ProgramState s;
    EngineContext e;
    BenchDrawing drawing_;
};

struct Work {
    long long conductorEvents = 0;
    long long evaluations = 0;
    long long passes = 0;
};

// One cycle with a one-step delay whose scripted wait tallies each pass;
// the run itself is the same as without delay.
Work Measure(int tiles)
{
    Rig r(tiles, Drawing::None);
    Work w;
    r.s.engine.DelaySetting = 1;
    double clock = 0;
    r.e.waitHooks.now = [&clock] { return clock; };
    r.e.waitHooks.idle = nullptr;
    r.e.waitHooks.pumpEvents = [&] {
        clock += 1.0; // the wait ends after this round
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
    r.Cycle();
    w.evaluations = g_evaluations;
    return w;
}

void BM_DecoderMultiplexerArray(benchmark::State& state, Drawing drawing)
{
    const int tiles = static_cast<int>(state.range(0));
    const Work w = Measure(tiles);
    Rig r(tiles, drawing);
    for (auto _ : state)
        r.Cycle();
    if (!r.RestingStateOk(tiles))
        state.SkipWithError("the array did not return to its resting state");
    const double n = static_cast<double>(state.iterations());
    state.counters["conductor_events/s"] =
        benchmark::Counter(static_cast<double>(w.conductorEvents) * n, benchmark::Counter::kIsRate);
    state.counters["evaluations/s"] =
        benchmark::Counter(static_cast<double>(w.evaluations) * n, benchmark::Counter::kIsRate);
    state.counters["passes/s"] = benchmark::Counter(static_cast<double>(w.passes) * n, benchmark::Counter::kIsRate);
    state.counters["components"] = r.s.circuit.ElementCount();
}

void BM_DecoderMultiplexerArray_NoDrawing(benchmark::State& state)
{
    BM_DecoderMultiplexerArray(state, Drawing::None);
}
void BM_DecoderMultiplexerArray_Null(benchmark::State& state)
{
    BM_DecoderMultiplexerArray(state, Drawing::NullSurface);
}
void BM_DecoderMultiplexerArray_Picture(benchmark::State& state)
{
    BM_DecoderMultiplexerArray(state, Drawing::Picture);
}

BENCHMARK(BM_DecoderMultiplexerArray_NoDrawing)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecoderMultiplexerArray_Null)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecoderMultiplexerArray_Picture)->Arg(16)->Unit(benchmark::kMillisecond);

} // namespace
