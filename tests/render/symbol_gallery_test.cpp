// Every component symbol in its four orientations at zoom 1 and 2, saved as
// pictures under the build folder (symbol_gallery/) to be looked at.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <functional>

#include "platform/painter_surface.h"
#include "render/clsGrafik.h"
#include "render/draw_grid.h"
#include "symbol_fixture.h"

using namespace symfix;

namespace {

struct Entry {
    const char* name;
    std::function<Part(int X, int Y, Orientation o)> make;
    // Markers, values and states set after placing.
    std::function<void(ProgramState&, const Part&)> dress;
    bool selected = false;
};

void NegateFirstInputAndOutput(ProgramState& s, const Part& p)
{
    s.circuit.P(p.in.front().X, p.in.front().Y).Marker = -1;
    s.circuit.P(p.out.front().X, p.out.front().Y).Marker = -1;
}

std::vector<Entry> Entries()
{
    using namespace ElementType;
    auto none = [](ProgramState&, const Part&) {};
    return {
        {"and3", [](int X, int Y, auto o) { return Gate(AND, X, Y, o, 3); }, none},
        {"and2_negated", [](int X, int Y, auto o) { return Gate(AND, X, Y, o, 2); }, NegateFirstInputAndOutput},
        {"or4", [](int X, int Y, auto o) { return Gate(OR, X, Y, o, 4); }, none},
        {"xor5", [](int X, int Y, auto o) { return Gate(XOR, X, Y, o, 5); }, none},
        {"inverter", [](int X, int Y, auto o) { return symfix::Inverter(X, Y, o); }, none},
        {"tristate", [](int X, int Y, auto o) { return symfix::TriState(X, Y, o); }, none},
        {"halfadder", [](int X, int Y, auto o) { return Adder(HalfAdder, X, Y, o); }, none},
        {"fulladder", [](int X, int Y, auto o) { return Adder(FullAdder, X, Y, o); }, none},
        {"display", [](int X, int Y, Orientation) { return Display(X, Y); },
         [](ProgramState& s, const Part& p) {
             for (int k : {1, 3, 5}) // 1 + 4 + 16
                 s.circuit.P(p.in[static_cast<size_t>(k)].X, p.in[static_cast<size_t>(k)].Y).Value = kTrue;
         }},
        {"decoder", [](int X, int Y, auto o) { return symfix::Decoder(X, Y, o, false); }, none},
        {"decoder_clock", [](int X, int Y, auto o) { return symfix::Decoder(X, Y, o, true); }, none},
        {"multiplexer", [](int X, int Y, auto o) { return symfix::Multiplexer(X, Y, o); }, none},
        {"flipflop_set_negated_clock", [](int X, int Y, auto o) { return symfix::FlipFlop(X, Y, o); },
         [](ProgramState& s, const Part& p) {
             s.circuit.Elements[static_cast<size_t>(p.nr)].State = kTrue;
             s.circuit.P(p.in[1].X, p.in[1].Y).Marker = -1;
         }},
        {"shiftregister", [](int X, int Y, auto o) { return Adder(ShiftRegister, X, Y, o); },
         [](ProgramState& s, const Part& p) {
             auto& w = s.circuit.Elements[static_cast<size_t>(p.nr)].StageWords;
             w[1] = w[3] = w[6] = kTrue;
         }},
        {"timer", [](int X, int Y, auto o) { return Timer(X, Y, o); }, none},
        {"timer_selected", [](int X, int Y, auto o) { return Timer(X, Y, o); }, none, true},
    };
}

QString GalleryDir()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/symbol_gallery");
}

} // namespace

TEST(SymbolGallery, EveryComponentInFourOrientationsAtZoomOneAndTwo)
{
    ASSERT_TRUE(QDir().mkpath(GalleryDir()));
    constexpr int kGap = 2;  // free cells around each symbol
    for (const Entry& e : Entries()) {
        // Where each orientation's footprint lies around its anchor.
        std::vector<Part> probes;
        int width = 0;
        int height = 0;
        for (Orientation o : kOrientations) {
            probes.push_back(e.make(100, 100, o));
            width += probes.back().x2 - probes.back().x1 + 1 + 2 * kGap;
            height = std::max(height, probes.back().y2 - probes.back().y1 + 1 + 2 * kGap);
        }
        for (float zoom : {1.0f, 2.0f}) {
            ProgramState s;
            Sheet(s, width - 1, height - 1);
            s.GridMode = zoom;
            const int cell = static_cast<int>(14 * zoom);
            PainterSurface picGrid(width * cell, height * cell);
            picGrid.Cls();
            std::vector<Part> parts;
            std::vector<std::pair<int, int>> columns;
            int left = 0;
            for (const Part& probe : probes) {
                const int x = left + kGap + (100 - probe.x1);
                const int y = kGap + (100 - probe.y1);
                parts.push_back(e.make(x, y, probe.orientation));
                Put(s, parts.back());
                e.dress(s, parts.back());
                const int next = left + probe.x2 - probe.x1 + 1 + 2 * kGap;
                columns.emplace_back(left * cell, next * cell);
                left = next;
            }
            DrawGrid(s.circuit, picGrid, s.CellSize, s.GridMode, s.ShowGrid != 0);
            clsGrafik g(s, &picGrid);
            for (const Part& p : parts)
                Draw(g, p, false, e.selected);

            // Something was drawn in each orientation's slot.
            const QImage& image = picGrid.Image();
            for (size_t o = 0; o < columns.size(); ++o) {
                int inked = 0;
                for (int x = columns[o].first; x < columns[o].second; ++x)
                    for (int y = 0; y < image.height(); ++y) {
                        const QRgb c = image.pixel(x, y) & 0xFFFFFF;
                        if (c != 0xFFFFFF && c != 0x808080)
                            ++inked;
                    }
                EXPECT_GT(inked, 20 * zoom * zoom) << e.name << " orientation " << o + 1;
            }
            const QString file = QStringLiteral("%1/%2_zoom%3.png")
                                     .arg(GalleryDir(), QLatin1String(e.name))
                                     .arg(static_cast<int>(zoom));
            EXPECT_TRUE(image.save(file)) << file.toStdString();
        }
    }
}
