// The engine with its drawing on the worksheet picture, as a user sees a run:
// - the 400-inverter chain toggled, per changed conductor cell;
// - a 1000 x 1000 worksheet with 6,000 components: loading its file, a full
//   redraw and power-on (also without drawing), and the memory the worksheet
//   picture keeps at zoom 1 and 4 in a window of ordinary size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include "../tests/render/sheet_builder.h"
#include "placement/document/circuit_file.h"
#include "render/redraw.h"
#include "render/sheet_view.h"
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

struct LargeSheet {
    LargeSheet()
    {
        CircuitDriver d;
        BuildLargeSheet(d.s);
        d.s.objFile.FileName = dir.filePath(QStringLiteral("large.gtr"));
        saved = SaveFile(d.s, d.dialogs, true);
        file = d.s.objFile.FileName;
    }
    QTemporaryDir dir;
    QString file;
    bool saved = false;
};

LargeSheet& Large()
{
    static LargeSheet sheet;
    return sheet;
}

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
    for (auto _ : state) {
        d.PowerOn();
        state.PauseTiming();
        d.PowerOff();
        state.ResumeTiming();
    }
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
    for (auto _ : state) {
        d.PowerOn();
        state.PauseTiming();
        d.PowerOff();
        state.ResumeTiming();
    }
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
