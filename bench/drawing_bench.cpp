// The engine with its drawing on the worksheet picture, as a user sees a run:
// - the 400-inverter chain toggled, per changed conductor cell;
// - the 8-bit ripple counter counting, per conductor-cell event;
// - a chain of 6,400 inverters switched on, with and without drawing;
// - a serpentine chain of 6,000 inverters over a 1000 x 1000 worksheet, far
//   larger than the part of the picture kept, switched on likewise;
// - a 1000 x 1000 worksheet with 6,000 components: loading its file, a full
//   redraw and power-on (also without drawing), and the memory the worksheet
//   picture keeps at zoom 1 and 4 in a window of ordinary size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <optional>

#include "../tests/render/sheet_builder.h"
#include "placement/document/circuit_file.h"
#include "editing/engine_binding.h"
#include "render/redraw.h"
#include "render/sheet_view.h"
#include "simulation/engine.h"
#include "shell/worksheet_picture.h"
#include "support/circuit_driver.h"
#include "support/fake_main_window.h"

namespace {

// The window's redraw and picture sizing, on a worksheet picture widget.
class PictureWindow : public FakeMainWindow {
public:
    PictureWindow(CircuitDriver& d, WorksheetPicture& picture)
        : d_(d), picture_(picture), view_(d.s, d.grafik, &picture.surface())
    {
        d.grafik.Device = &picture.surface();
        Attach(d.s);
    }
    void RedrawAllElements() override { ::RedrawAllElements(d_.s, d_.grafik, 0); }
    void SetWorksheetPictureSize(int width, int height) override { picture_.SetPictureSize(width, height); }

private:
    CircuitDriver& d_;
    WorksheetPicture& picture_;
    SheetView view_;
};

// The worksheet picture in a container of an ordinary window's size.
struct Screen {
    Screen()
    {
        container.resize(1280, 800);
        picture = new WorksheetPicture(&container);
    }
    QWidget container;
    WorksheetPicture* picture;
};

QString ChainFile()
{
    return QStringLiteral(GATREL_SOURCE_DIR "/tests/data/bench/inv_chain_400.gtr");
}

// Conductor cells per toggle of the chain's input (the benchmark table's count).
constexpr int kChainConductorCells = 449;

void BM_ChainToggle_Picture(benchmark::State& state)
{
    CircuitDriver d;
    Screen screen;
    PictureWindow window(d, *screen.picture);
    if (!d.Load(ChainFile())) {
        state.SkipWithError("chain file not loaded");
        return;
    }
    window.RedrawAllElements();
    d.PowerOn();
    // The count of changed conductor cells is checked once against the table.
    const Grid before = d.s.circuit.Levels[0].Field;
    d.Click(1, 2);
    int changed = 0;
    for (int x = 0; x <= d.s.circuit.MaxX; ++x)
        for (int y = 0; y <= d.s.circuit.MaxY; ++y)
            if (before(x, y).Type == ElementType::Conductor && before(x, y).Value != d.s.circuit.Levels[0].Field(x, y).Value)
                ++changed;
    state.counters["changed_conductor_cells"] = changed;
    // The first toggles draw the symbols the plain way and keep their pixels.
    for (int i = 0; i < 8; ++i)
        d.Click(1, 2);
    for (auto _ : state)
        d.Click(1, 2);
    state.counters["per_conductor_cell"] = benchmark::Counter(
        static_cast<double>(kChainConductorCells) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ChainToggle_Picture)->Unit(benchmark::kMicrosecond);

// 256 clock cycles of the counter: conductor-cell events (the benchmark table's count).
constexpr int kCounterCycles = 256;
constexpr int kCounterConductorEvents = 4078;

void BM_Ripple8_Picture(benchmark::State& state)
{
    CircuitDriver d;
    Screen screen;
    PictureWindow window(d, *screen.picture);
    if (!d.Load(QStringLiteral(GATREL_SOURCE_DIR "/tests/data/bench/ripple_8.gtr"))) {
        state.SkipWithError("counter file not loaded");
        return;
    }
    window.RedrawAllElements();
    d.PowerOn();
    // The first cycles draw the symbols the plain way and keep their pixels.
    d.ClockCycles(5);
    for (auto _ : state)
        d.ClockCycles(kCounterCycles);
    state.counters["per_conductor_cell_event"] = benchmark::Counter(
        static_cast<double>(kCounterConductorEvents) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    d.s.ports = Ports{};
}
BENCHMARK(BM_Ripple8_Picture)->Unit(benchmark::kMillisecond);

// 1000 x 1000 cells; tiles of 20 x 16 cells, each with an inverter driving an
// LED and a switch feeding the inverter: two components a tile, 3,000 tiles.
void BuildLargeSheet(ProgramState& s)
{
    sheet::NewSheet(s, 999, 999);
    for (int ty = 0; ty + 16 <= 1000 && s.circuit.ElementCount() < 6000; ty += 16) {
        for (int tx = 0; tx + 20 <= 1000 && s.circuit.ElementCount() < 6000; tx += 20) {
            sheet::Inverter(s, Orientation::Right, tx + 6, ty + 4);
            sheet::LED(s, tx + 14, ty + 4);
            sheet::Wire(s, tx + 1, ty + 4, tx + 6, ty + 4);
            sheet::Wire(s, tx + 7, ty + 4, tx + 14, ty + 4);
            sheet::Wire(s, tx + 10, ty + 4, tx + 10, ty + 12);
        }
    }
}

// Inverters in one chain: rows of them running right, each row fed from the
// end of the row above along a lane below that row; the first input left
// open. An even count a row keeps every lane Low at power-on.
struct ChainRows {
    int rows, perRow, step, pitch;
    int maxX = 0, maxY = 0; // the sheet's size; 0: just around the chain
};

void BuildChain(ProgramState& s, const ChainRows& c)
{
    const int end = 2 + c.step * (c.perRow - 1) + 1; // the last output of a row
    sheet::NewSheet(s, c.maxX ? c.maxX : end + 3, c.maxY ? c.maxY : c.rows * c.pitch + 2);
    for (int r = 0; r < c.rows; ++r) {
        const int y = 2 + c.pitch * r;
        sheet::Wire(s, 1, y, 2, y);
        for (int i = 0; i < c.perRow; ++i) {
            const int x = 2 + c.step * i;
            sheet::Inverter(s, Orientation::Right, x, y);
            if (i + 1 < c.perRow)
                sheet::Wire(s, x + 1, y, x + c.step, y);
        }
        if (r + 1 < c.rows) {
            sheet::Wire(s, end, y, end + 2, y);
            sheet::Wire(s, end + 2, y, end + 2, y + 2);
            sheet::Wire(s, 1, y + 2, end + 2, y + 2);
            sheet::Wire(s, 1, y + 2, 1, y + c.pitch);
        }
    }
}

// 6,400 inverters: 80 rows of 80, close together.
void BuildLongChain(ProgramState& s)
{
    BuildChain(s, ChainRows{.rows = 80, .perRow = 80, .step = 4, .pitch = 4});
}

// 6,000 inverters spread over a 1000 x 1000 sheet: 60 rows of 100 across its
// width, joined by conductors of a thousand cells; a picture far larger than
// the part of it kept.
void BuildSerpentine(ProgramState& s)
{
    BuildChain(s, ChainRows{.rows = 60, .perRow = 100, .step = 10, .pitch = 16, .maxX = 999, .maxY = 999});
}

// Switched on, timed, and off again, untimed.
void TimePowerOn(benchmark::State& state, CircuitDriver& d)
{
    for (auto _ : state) {
        d.PowerOn();
        state.PauseTiming();
        d.PowerOff();
        state.ResumeTiming();
    }
}

// A built sheet saved once to a file, for loading as the window loads it.
struct SavedSheet {
    explicit SavedSheet(void (*build)(ProgramState&))
    {
        CircuitDriver d;
        build(d.s);
        d.s.objFile.FileName = dir.filePath(QStringLiteral("sheet.gtr"));
        saved = SaveFile(d.s, d.dialogs, true);
        file = d.s.objFile.FileName;
    }
    QTemporaryDir dir;
    QString file;
    bool saved = false;
};

SavedSheet& Large()
{
    static SavedSheet sheet(BuildLargeSheet);
    return sheet;
}

SavedSheet& LongChain()
{
    static SavedSheet sheet(BuildLongChain);
    return sheet;
}

SavedSheet& Serpentine()
{
    static SavedSheet sheet(BuildSerpentine);
    return sheet;
}

void ChainPowerOn(benchmark::State& state, SavedSheet& chain, bool drawing)
{
    CircuitDriver d;
    Screen screen;
    // Without drawing no window and no view watch, as in the large sheet's case.
    std::optional<PictureWindow> window;
    if (drawing)
        window.emplace(d, *screen.picture);
    if (!chain.saved || !d.Load(chain.file)) {
        state.SkipWithError("chain not loaded");
        return;
    }
    if (window)
        window->RedrawAllElements();
    else
        d.s.Changes.SetView(nullptr);
    // A power-on cut short by the step limit would time other work.
    d.PowerOn();
    const bool powered = d.s.engine.PowerFlag != 0;
    d.PowerOff();
    if (!powered) {
        state.SkipWithError("power-on aborted");
        return;
    }
    TimePowerOn(state, d);
    state.counters["inverters"] = d.s.circuit.ElementCount();
    d.s.ports = Ports{};
}

void BM_Chain6400_PowerOn(benchmark::State& state) { ChainPowerOn(state, LongChain(), true); }
BENCHMARK(BM_Chain6400_PowerOn)->Unit(benchmark::kMillisecond);

void BM_Chain6400_PowerOn_NoDrawing(benchmark::State& state) { ChainPowerOn(state, LongChain(), false); }
BENCHMARK(BM_Chain6400_PowerOn_NoDrawing)->Unit(benchmark::kMillisecond);

void BM_Serpentine6000_PowerOn(benchmark::State& state) { ChainPowerOn(state, Serpentine(), true); }
BENCHMARK(BM_Serpentine6000_PowerOn)->Unit(benchmark::kMillisecond);

void BM_Serpentine6000_PowerOn_NoDrawing(benchmark::State& state) { ChainPowerOn(state, Serpentine(), false); }
BENCHMARK(BM_Serpentine6000_PowerOn_NoDrawing)->Unit(benchmark::kMillisecond);

void BM_LargeSheet_Load(benchmark::State& state)
{
    if (!Large().saved) {
        state.SkipWithError("large sheet not saved");
        return;
    }
    for (auto _ : state) {
        CircuitDriver d;
        if (!d.Load(Large().file))
            state.SkipWithError("large sheet not loaded");
        state.counters["components"] = d.s.circuit.ElementCount();
    }
}
BENCHMARK(BM_LargeSheet_Load)->Unit(benchmark::kMillisecond);

void BM_LargeSheet_Redraw(benchmark::State& state)
{
    CircuitDriver d;
    Screen screen;
    PictureWindow window(d, *screen.picture);
    if (!d.Load(Large().file)) {
        state.SkipWithError("large sheet not loaded");
        return;
    }
    d.s.GridMode = static_cast<float>(state.range(0));
    for (auto _ : state)
        window.RedrawAllElements();
    state.counters["picture_MB"] = static_cast<double>(screen.picture->surface().Image().sizeInBytes()) / 1e6;
}
BENCHMARK(BM_LargeSheet_Redraw)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_LargeSheet_PowerOn(benchmark::State& state)
{
    CircuitDriver d;
    Screen screen;
    PictureWindow window(d, *screen.picture);
    if (!d.Load(Large().file)) {
        state.SkipWithError("large sheet not loaded");
        return;
    }
    window.RedrawAllElements();
    TimePowerOn(state, d);
}
BENCHMARK(BM_LargeSheet_PowerOn)->Unit(benchmark::kMillisecond);

// The same power-on with no view watching: nothing is drawn.
void BM_LargeSheet_PowerOn_NoDrawing(benchmark::State& state)
{
    CircuitDriver d;
    if (!d.Load(Large().file)) {
        state.SkipWithError("large sheet not loaded");
        return;
    }
    d.s.Changes.SetView(nullptr);
    TimePowerOn(state, d);
}
BENCHMARK(BM_LargeSheet_PowerOn_NoDrawing)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
