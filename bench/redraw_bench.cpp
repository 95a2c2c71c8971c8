// Redraw of a generated 200 x 200 worksheet with 2,000 components and long
// conductors into a picture surface: the full redraw and the redraw of a
// small area.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "../tests/render/sheet_builder.h"
#include "platform/painter_surface.h"
#include "render/clsGrafik.h"
#include "render/redraw.h"

namespace {

constexpr int kSize = 200;
constexpr int kTile = 10;

// Five components per 10 x 10 tile, a conductor along the last row and column
// of every tile, crossing each other with junctures.
void BuildSheet(ProgramState& s)
{
    sheet::NewSheet(s, kSize - 1, kSize - 1);
    for (int k = 0; k < kSize / kTile; ++k) {
        const int line = k * kTile + kTile - 1;
        sheet::Wire(s, 0, line, kSize - 1, line);
        sheet::Wire(s, line, 0, line, kSize - 1);
    }
    for (int k = 0; k < kSize / kTile; ++k)
        for (int j = 0; j < kSize / kTile; ++j)
            s.circuit.P(k * kTile + kTile - 1, j * kTile + kTile - 1).Marker = -1;
    for (int tx = 0; tx < kSize; tx += kTile) {
        for (int ty = 0; ty < kSize; ty += kTile) {
            sheet::Gate(s, ElementType::AND, Orientation::Right, tx + 1, ty + 2, 3);
            sheet::Wire(s, tx + 3, ty + 2, tx + 5, ty + 2);
            sheet::Inverter(s, Orientation::Right, tx + 5, ty + 2);
            sheet::LED(s, tx + 8, ty + 2);
            sheet::FlipFlop(s, Orientation::Right, tx + 1, ty + 6);
            sheet::LED(s, tx + 8, ty + 6);
        }
    }
}

struct Fixture {
    Fixture() : picture((kSize + 1) * 14, (kSize + 1) * 14), g(s, &picture) { BuildSheet(s); }
    ProgramState s;
    PainterSurface picture;
    clsGrafik g;
};

void BM_RedrawAllElements(benchmark::State& state)
{
    Fixture f;
    f.s.GridMode = static_cast<float>(state.range(0)) / 10.0f;
    for (auto _ : state)
        RedrawAllElements(f.s, f.g, 0);
    state.counters["components"] = f.s.circuit.ElementCount();
}
BENCHMARK(BM_RedrawAllElements)->Arg(10)->Arg(6)->Unit(benchmark::kMillisecond);

void BM_RedrawArea(benchmark::State& state)
{
    Fixture f;
    RedrawAllElements(f.s, f.g, 0);
    for (auto _ : state) {
        int16_t x1 = 95, y1 = 95, x2 = 99, y2 = 99;
        RedrawArea(f.s, f.g, x1, y1, x2, y2, false);
    }
}
BENCHMARK(BM_RedrawArea)->Unit(benchmark::kMillisecond);

} // namespace
