// A conductor piece that ends on a component puts back the symbol's own pixels
// instead of drawing the symbol again: the pictures after every step of a run
// must be those of drawing the symbol again, at every zoom; and the symbols
// are then drawn far less often.
#include <gtest/gtest.h>

#include <QImage>
#include <utility>
#include <vector>

#include "model/state.h"
#include "editing/engine_binding.h"
#include "simulation/engine.h"
#include "render/redraw.h"
#include "render/whole_sheet.h"
#include "support/circuit_driver.h"
#include "support/fake_main_window.h"

namespace {

// The window's full redraw and picture sizing, on the driver's surface; with
// `held`, only the middle of a picture is kept, as of a large one.
class DrawingWindow : public FakeMainWindow {
public:
    explicit DrawingWindow(CircuitDriver& d) : d_(d) { Attach(d.s); }
    void RedrawAllElements() override { ::RedrawAllElements(d_.s, d_.grafik, 0); }
    void SetWorksheetPictureSize(int width, int height) override
    {
        if (held)
            d_.surface.HoldPart(QSize(width, height), QRect(width / 3, height / 4, width / 3, height / 2));
        else
            d_.surface.Resize(width, height);
    }
    bool held = false;

private:
    CircuitDriver& d_;
};

QString Data(const char* name)
{
    return QStringLiteral(GATREL_TEST_DATA "/") + QLatin1String(name);
}

// A test file loaded and drawn by the full redraw at a zoom, with or without
// kept symbol pixels.
struct DrawnSheet {
    CircuitDriver d;
    DrawingWindow window{d};
    DrawnSheet(const QString& file, float zoom, bool keep = true, bool held = false)
    {
        d.grafik.KeepSymbolPixels = keep;
        window.held = held;
        if (!d.Load(file))
            ADD_FAILURE() << "not loaded: " << file.toStdString();
        d.s.GridMode = zoom;
        window.RedrawAllElements();
    }
    ~DrawnSheet() { d.s.ports = Ports{}; }
    DrawnSheet(const DrawnSheet&) = delete;
    DrawnSheet& operator=(const DrawnSheet&) = delete;
};

// The switches and open conductor ends, at most six.
std::vector<std::pair<int, int>> Inputs(const ProgramState& s)
{
    std::vector<std::pair<int, int>> inputs;
    for (int x = 0; x <= s.circuit.MaxX && inputs.size() < 6; ++x) {
        for (int y = 0; y <= s.circuit.MaxY && inputs.size() < 6; ++y) {
            const GridCell& c = s.circuit.P(x, y);
            const int links = (c.ConLeft != 0) + (c.ConRight != 0) + (c.ConUp != 0) + (c.ConDown != 0);
            if (c.Type == ElementType::Switch || (c.Type == ElementType::Conductor && links == 1))
                inputs.emplace_back(x, y);
        }
    }
    return inputs;
}

struct RunPictures {
    std::vector<QImage> pictures;
    long long primitives = 0; // drawn on the picture after power-on
    QRect held;               // the part of the picture kept
};

// Power on, every input clicked twice, the clocks ticking, power off: the
// picture after each step.
RunPictures RunCircuit(const QString& file, float zoom, bool keep, bool held = false)
{
    DrawnSheet sheet(file, zoom, keep, held);
    CircuitDriver& d = sheet.d;
    RunPictures run;
    d.PowerOn();
    run.pictures.push_back(d.surface.Image().copy());
    d.surface.OnDrawn = [&run] { ++run.primitives; };
    const auto inputs = Inputs(d.s);
    for (int round = 0; round < 2; ++round) {
        for (auto [x, y] : inputs) {
            d.Click(x, y);
            run.pictures.push_back(d.surface.Image().copy());
        }
    }
    for (int k = 0; k < 3; ++k) {
        d.Advance(700);
        run.pictures.push_back(d.surface.Image().copy());
    }
    d.surface.OnDrawn = nullptr;
    d.PowerOff();
    run.pictures.push_back(d.surface.Image().copy());
    run.held = d.surface.HeldRect();
    return run;
}

// Also where only the middle of the picture is kept: what lands beyond it
// (symbols, pieces, grid dots) is not drawn at all, and the part kept is still
// that of drawing everything. (Zoomed in further, a dotted line that crosses
// the part's edge starts its dots afresh there: a fault of its own.)
TEST(SymbolPatches, PicturesOfRunsAreThoseOfDrawingTheSymbolsAgain)
{
    for (const char* name : {"bench/inv_chain_400.gtr", "bench/ripple_8.gtr", "sim/switch_and_led.gtr",
                             "sim/clock_and_led.gtr", "components.gtr", "clocks.gtr", "conductors.gtr",
                             "turned_flipflop.gtr"}) {
        for (float zoom : {1.0f, 0.6f, 1.6f, 2.0f}) {
            const RunPictures drawn = RunCircuit(Data(name), zoom, false);
            for (bool held : {false, true}) {
                if (held && zoom > 1.0f)
                    continue;
                const RunPictures kept = RunCircuit(Data(name), zoom, true, held);
                ASSERT_EQ(kept.pictures.size(), drawn.pictures.size()) << name;
                for (size_t i = 0; i < kept.pictures.size(); ++i)
                    EXPECT_TRUE(kept.pictures[i] == drawn.pictures[i].copy(kept.held))
                        << name << " zoom " << zoom << " held " << held << " step " << i;
            }
        }
    }
}

TEST(SymbolPatches, AConductorChangingBesideASymbolDoesNotDrawItAgain)
{
    for (bool keep : {true, false}) {
        DrawnSheet sheet(Data("bench/inv_chain_400.gtr"), 1.0f, keep);
        CircuitDriver& d = sheet.d;
        d.PowerOn();
        for (int i = 0; i < 4; ++i)
            d.Click(1, 2);
        const long long before = d.grafik.SymbolsDrawn();
        const QImage was = d.surface.Image().copy();
        d.Click(1, 2);
        d.Click(1, 2);
        const long long drawn = d.grafik.SymbolsDrawn() - before;
        EXPECT_TRUE(d.surface.Image() == was) << "two toggles bring the picture back";
        if (keep)
            EXPECT_LE(drawn, 2) << "only the LED, whose own look changes";
        else
            EXPECT_GE(drawn, 2 * 400) << "every inverter beside a changing conductor";
    }
}

TEST(SymbolPatches, ComponentsOfOneLookShareItsPixels)
{
    // At zoom 1 every inverter of the chain lies a whole number of pixels from
    // the others; at 1.6 hardly two do, and each keeps its own.
    for (float zoom : {1.0f, 1.6f}) {
        DrawnSheet sheet(Data("bench/inv_chain_400.gtr"), zoom);
        CircuitDriver& d = sheet.d;
        d.PowerOn();
        for (int i = 0; i < 4; ++i)
            d.Click(1, 2);
        if (zoom == 1.0f)
            EXPECT_LE(d.grafik.LooksDrawn(), 40) << "400 inverters, a few looks";
        else
            EXPECT_GE(d.grafik.LooksDrawn(), 400);
    }
}

// The counter clocked for a while, then for 16 cycles more: the picture at
// the end and how often a symbol was drawn the plain way in those 16.
std::pair<QImage, long long> RunCounter(float zoom, bool keep)
{
    DrawnSheet sheet(Data("bench/ripple_8.gtr"), zoom, keep);
    CircuitDriver& d = sheet.d;
    d.PowerOn();
    d.ClockCycles(5);
    const long long before = d.grafik.SymbolsDrawn();
    d.ClockCycles(16);
    return {d.surface.Image().copy(), d.grafik.SymbolsDrawn() - before};
}

TEST(SymbolPatches, ACountingCounterPutsBackItsClockAndFlipFlops)
{
    for (float zoom : {1.0f, 1.6f}) {
        const auto kept = RunCounter(zoom, true);
        const auto drawn = RunCounter(zoom, false);
        EXPECT_TRUE(kept.first == drawn.first) << "zoom " << zoom;
        EXPECT_EQ(kept.second, 0) << "zoom " << zoom << ": every symbol kept from its first drawing";
        EXPECT_GE(drawn.second, 16 * 2 * 3) << "the clock generator beside its changing output, each tick";
    }
}

// The pictures of a run: after power-on, after each click on the inputs and
// on every cell of the flip-flops, registers and clock generators, after each
// tick of the clocks; with a delay, at every wait as well.
// (A checksum of each: a run with a delay has hundreds of waits.)
std::vector<size_t> CountingRun(const QString& file, float zoom, bool keep, bool delayed)
{
    DrawnSheet sheet(file, zoom, keep);
    CircuitDriver& d = sheet.d;
    std::vector<size_t> pictures;
    auto take = [&] {
        const QImage& image = d.surface.Image();
        pictures.push_back(qHashBits(image.constBits(), static_cast<size_t>(image.sizeInBytes())));
    };
    if (delayed) {
        d.s.engine.DelaySetting = 1;
        d.onPump = [&](int) { take(); };
    }
    d.PowerOn();
    take();
    std::vector<std::pair<int, int>> cells = Inputs(d.s);
    for (int x = 0; x <= d.s.circuit.MaxX; ++x) {
        for (int y = 0; y <= d.s.circuit.MaxY; ++y) {
            const uint8_t type = d.s.circuit.P(x, y).Type;
            if (type == ElementType::FlipFlop || type == ElementType::ShiftRegister
                || type == ElementType::ClockGenerator)
                cells.emplace_back(x, y);
        }
    }
    for (auto [x, y] : cells) {
        d.Click(x, y);
        take();
    }
    for (int tick = 0; tick < 12; ++tick) {
        for (size_t c = 0; c < d.s.circuit.Clocks.size(); ++c)
            Timer2_Timer(EngineOf(d.s, d.e), static_cast<int16_t>(c));
        Timer1_Timer(EngineOf(d.s, d.e));
        take();
    }
    return pictures;
}

// Components whose look changes in part (flip-flops, registers, counters of
// flip-flops, clock generators) put back only what differs from the look they
// showed: after every step and at every wait the picture must be that of
// drawing every changed symbol again. (A full redraw is no reference: the
// pieces drawn as the signals travel leave other pixels than a redraw of the
// final state does, with or without kept symbols.)
TEST(SymbolPatches, AtEveryStepOfACountingRunThePictureIsThatOfDrawingTheSymbolsAgain)
{
    for (const char* name : {"bench/ripple_8.gtr", "components.gtr", "clocks.gtr", "sim/clock_and_led.gtr"}) {
        for (float zoom : {1.0f, 0.6f, 1.6f, 2.0f}) {
            for (bool delayed : {false, true}) {
                const std::vector<size_t> kept = CountingRun(Data(name), zoom, true, delayed);
                const std::vector<size_t> drawn = CountingRun(Data(name), zoom, false, delayed);
                ASSERT_EQ(kept.size(), drawn.size()) << name;
                for (size_t i = 0; i < kept.size(); ++i)
                    EXPECT_EQ(kept[i], drawn[i])
                        << name << " zoom " << zoom << (delayed ? " delayed" : "") << " picture " << i;
            }
        }
    }
}

TEST(WholeSheet, IsThePictureOfTheFullRedraw)
{
    for (const char* name : {"components.gtr", "conductors.gtr", "bench/ripple_8.gtr"}) {
        for (float zoom : {1.0f, 1.6f}) {
            DrawnSheet sheet(Data(name), zoom);
            CircuitDriver& d = sheet.d;
            EXPECT_TRUE(WholeSheetPicture(d.s, ShownSheetOf(d.s), d.grafik) == d.surface.Image()) << name << " zoom " << zoom;
            EXPECT_EQ(d.grafik.Device, &d.surface) << "the drawing object is back on the worksheet";
            d.PowerOn();
            sheet.window.RedrawAllElements();
            EXPECT_TRUE(WholeSheetPicture(d.s, ShownSheetOf(d.s), d.grafik) == d.surface.Image()) << name << " powered, zoom " << zoom;
        }
    }
}

} // namespace
