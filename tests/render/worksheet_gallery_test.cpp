// Every component placed on a worksheet in its four orientations and drawn
// by the full redraw, at zoom 1 and 2, saved as pictures under the build
// folder (worksheet_gallery/) to be looked at; and the check that each
// component, drawn alone at any zoom, is drawn and stays inside its footprint.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <cstring>
#include <functional>

#include "model/geometry.h"
#include "platform/painter_surface.h"
#include "render/clsGrafik.h"
#include "render/redraw.h"
#include "render/sheet_builder.h"
#include "symbol_fixture.h"

namespace {

constexpr int kSlot = 20; // cells per orientation

// Places a component in the slot whose top-left cell is (left, 0).
using Placer = std::function<int16_t(ProgramState&, Orientation o, int left)>;

struct Component {
    const char* name;
    Placer place;
    bool turns = true; // false: one orientation only
    double spill = 0;  // as for the symbol kinds
};

// Anchor of a slot: the body extends along the outputs, so the anchor sits
// on the input side.
int AnchorX(Orientation o, int left) { return left + (o == Orientation::Right ? 5 : o == Orientation::Left ? 15 : 10); }
int AnchorY(Orientation o) { return o == Orientation::Down ? 5 : o == Orientation::Up ? 15 : 10; }

// Markers, values and states set after placing, to be seen in the pictures.
Placer Dressed(Placer place, std::function<void(ProgramState&, ElementRecord&, const PinTable& in)> dress)
{
    return [=](ProgramState& s, Orientation o, int left) {
        const int16_t n = place(s, o, left);
        ElementRecord& e = s.circuit.Elements[static_cast<size_t>(n)];
        PinTable in{};
        ParsePinList(e.InPinList, in);
        dress(s, e, in);
        return n;
    };
}

void NegateFirstInputAndOutput(ProgramState& s, ElementRecord& e, const PinTable& in)
{
    PinTable out{};
    ParsePinList(e.OutPinList, out);
    s.circuit.P(in[0].X, in[0].Y).Marker = -1;
    s.circuit.P(out[0].X, out[0].Y).Marker = -1;
}

// The symbol kinds at the slot's anchor.
Placer Placing(const char* kind)
{
    const auto& kinds = symfix::Kinds();
    const auto k =
        std::find_if(kinds.begin(), kinds.end(), [&](const auto& x) { return std::strcmp(x.name, kind) == 0; });
    return [k](ProgramState& s, Orientation o, int left) { return k->make(s, AnchorX(o, left), AnchorY(o), o).nr; };
}

std::vector<Component> Components()
{
    std::vector<Component> list;
    for (const symfix::Kind& k : symfix::Kinds())
        list.push_back({k.name, Placing(k.name), true, k.spill});
    const std::vector<Component> more = {
        {"AND2_negated", Dressed(Placing("AND2"), NegateFirstInputAndOutput)},
        {"ShiftRegister_words", Dressed(Placing("ShiftRegister"),
                                        [](ProgramState&, ElementRecord& e, const PinTable&) {
                                            e.StageWords[1] = e.StageWords[3] = e.StageWords[6] = kTrue;
                                        })},
        {"FlipFlop_set_negated_clock", Dressed(Placing("FlipFlop"),
                                               [](ProgramState& s, ElementRecord& e, const PinTable& in) {
                                                   e.State = kTrue;
                                                   s.circuit.P(in[1].X, in[1].Y).Marker = -1;
                                               }),
         true, 0.5},
        {"Display_21", Dressed(Placing("Display"),
                               [](ProgramState& s, ElementRecord&, const PinTable& in) {
                                   for (int k : {1, 3, 5}) // 1 + 4 + 16
                                       s.circuit.P(in[k].X, in[k].Y).Value = kTrue;
                               }),
         false},
        {"LED", [](ProgramState& s, Orientation, int l) { return sheet::LED(s, l + 10, 10); }, false},
        {"Sensor", [](ProgramState& s, Orientation, int l) {
             sheet::Wire(s, l + 7, 10, l + 13, 10);
             return sheet::Sensor(s, l + 10, 10, QStringLiteral("3"));
         }, false},
        {"Switch", [](ProgramState& s, Orientation, int l) {
             sheet::Wire(s, l + 10, 10, l + 13, 10);
             return sheet::Switch(s, l + 10, 10);
         }, false},
        {"IC", [](ProgramState& s, Orientation o, int l) {
             return sheet::IC(s, Code(o), l + 7, 8, 5, 4,
                              {QStringLiteral("0;1;A;"), QStringLiteral("0;3;B;"), QStringLiteral("5;2;Q;"),
                               QStringLiteral("2;0;C;"), QStringLiteral("3;4;R;")},
                              QStringLiteral("ALU"));
         }, false},
    };
    list.insert(list.end(), more.begin(), more.end());
    return list;
}

// The side of the footprint a pin lies on, as the step out of it.
QPoint Outwards(const QRect& f, PinPos p, Orientation o)
{
    const bool horizontalFirst = Horizontal(o);
    const QPoint left(-1, 0), right(1, 0), up(0, -1), down(0, 1);
    const std::vector<std::pair<bool, QPoint>> h{{p.X == f.left(), left}, {p.X == f.right(), right}};
    const std::vector<std::pair<bool, QPoint>> v{{p.Y == f.top(), up}, {p.Y == f.bottom(), down}};
    for (const auto& list : horizontalFirst ? std::vector{h, v} : std::vector{v, h})
        for (const auto& [on, step] : list)
            if (on)
                return step;
    return {};
}

QRect Footprint(const ProgramState& s, int16_t n)
{
    QRect r;
    for (int x = 0; x <= s.circuit.MaxX; ++x)
        for (int y = 0; y <= s.circuit.MaxY; ++y)
            if (s.circuit.P(x, y).ElementNr == n)
                r = r.isNull() ? QRect(x, y, 1, 1) : r.united(QRect(x, y, 1, 1));
    return r;
}

// A conductor of two cells leaving the pin.
void WirePin(ProgramState& s, const QRect& f, PinPos p, Orientation o)
{
    const QPoint d = Outwards(f, p, o);
    if (d.isNull())
        return;
    sheet::Wire(s, p.X, p.Y, p.X + 2 * d.x(), p.Y + 2 * d.y()); // the pin cell keeps its type
}

QString GalleryDir()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/worksheet_gallery");
}

// The box around the pixels that are not background, and their number.
QRect InkBox(const QImage& image, int& inked)
{
    QRect box;
    inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) & 0xFFFFFF;
            if (c != 0xFFFFFF) {
                box = box.isNull() ? QRect(x, y, 1, 1) : box.united(QRect(x, y, 1, 1));
                ++inked;
            }
        }
    return box;
}

// The component in its orientations, a conductor at its first input and output.
ProgramState Sheet(const Component& c, float zoom)
{
    ProgramState s;
    sheet::NewSheet(s, 4 * kSlot - 1, kSlot - 1);
    s.GridMode = zoom;
    for (const Orientation o : kOrientations) {
        if (!c.turns && o != Orientation::Left)
            continue;
        const int16_t n = c.place(s, o, (Code(o) - 1) * kSlot);
        const QRect f = Footprint(s, n);
        PinTable pins{};
        const int count = ParsePinList(s.circuit.Elements[static_cast<size_t>(n)].InPinList, pins);
        if (count > 0)
            WirePin(s, f, pins[0], o);
        const int outs = ParsePinList(s.circuit.Elements[static_cast<size_t>(n)].OutPinList, pins);
        if (outs > 0 && c.name != std::string("Switch"))
            WirePin(s, f, pins[0], o);
    }
    return s;
}

} // namespace

TEST(WorksheetGallery, EveryComponentRedrawnInFourOrientationsAtZoomOneAndTwo)
{
    ASSERT_TRUE(QDir().mkpath(GalleryDir()));
    for (const Component& c : Components()) {
        for (float zoom : {1.0f, 2.0f}) {
            ProgramState s = Sheet(c, zoom);
            const int cell = static_cast<int>(14 * zoom);
            PainterSurface picGrid(4 * kSlot * cell, kSlot * cell);
            clsGrafik g(s, &picGrid);
            RedrawAllElements(s, g, 0);
            const QString file = QStringLiteral("%1/%2_zoom%3.png")
                                     .arg(GalleryDir(), QLatin1String(c.name))
                                     .arg(static_cast<int>(zoom));
            EXPECT_TRUE(picGrid.Image().save(file)) << file.toStdString();
        }
    }
}

// Drawn alone, a component is drawn and keeps to the cells of its footprint:
// its stubs end at the footprint's edge and nothing is drawn beside it.
TEST(WorksheetGallery, EachComponentStaysInsideItsFootprint)
{
    for (const Component& c : Components()) {
        for (float zoom : {0.6f, 1.0f, 1.25f, 2.0f}) {
            for (const Orientation o : kOrientations) {
                if (!c.turns && o != Orientation::Left)
                    continue;
                ProgramState s;
                sheet::NewSheet(s, kSlot - 1, kSlot - 1);
                s.GridMode = zoom;
                const int16_t n = c.place(s, o, 0);
                const int cell = static_cast<int>(14 * zoom);
                PainterSurface pic(kSlot * cell, kSlot * cell);
                clsGrafik g(s, &pic);
                PinTable pins{};
                ParsePinList(s.circuit.Elements[static_cast<size_t>(n)].InPinList, pins);
                DrawElement(s, g, pins[0].X, pins[0].Y, false, false);
                int inked = 0;
                const QRect ink = InkBox(pic.Image(), inked);
                ASSERT_GT(inked, 20 * zoom * zoom) << c.name << " orientation " << Code(o) << " zoom " << zoom;
                const QRect f = Footprint(s, n);
                const double half = ZoomedCellSize(s) * (0.5 + c.spill);
                const QRect allowed(QPoint(static_cast<int>(GridToPixel(s, static_cast<int16_t>(f.left())) - half - 1),
                                           static_cast<int>(GridToPixel(s, static_cast<int16_t>(f.top())) - half - 1)),
                                    QPoint(static_cast<int>(GridToPixel(s, static_cast<int16_t>(f.right())) + half + 1),
                                           static_cast<int>(GridToPixel(s, static_cast<int16_t>(f.bottom())) + half + 1)));
                EXPECT_TRUE(allowed.contains(ink))
                    << c.name << " orientation " << Code(o) << " zoom " << zoom << ": ink (" << ink.left() << ","
                    << ink.top() << ")-(" << ink.right() << "," << ink.bottom() << ") allowed (" << allowed.left()
                    << "," << allowed.top() << ")-(" << allowed.right() << "," << allowed.bottom() << ")";
            }
        }
    }
}

// Conductors, junctures, coupling diodes, IC connector marks and the power-on
// colours in one picture per zoom, on the worksheet and on paper.
TEST(WorksheetGallery, ConductorsAndMarkers)
{
    ASSERT_TRUE(QDir().mkpath(GalleryDir()));
    for (float zoom : {1.0f, 2.0f}) {
        for (bool power : {false, true}) {
            ProgramState s;
            sheet::NewSheet(s, 24, 14);
            s.GridMode = zoom;
            sheet::Wire(s, 1, 2, 10, 2);   // a plain run
            sheet::Wire(s, 1, 4, 10, 4);   // a T with a juncture at (5, 4)
            sheet::Wire(s, 5, 4, 5, 8);
            sheet::Wire(s, 1, 6, 10, 6);   // crossing with a juncture at (5, 6)
            sheet::Wire(s, 1, 8, 10, 8);   // a T with a coupling diode at (8, 8)
            sheet::Wire(s, 8, 8, 8, 12);
            sheet::Wire(s, 12, 2, 12, 12); // crossing without juncture at (12, 6)
            sheet::Wire(s, 11, 6, 14, 6);
            sheet::Wire(s, 16, 3, 22, 3);  // an IC connector end at (16, 3)
            s.circuit.P(5, 4).Marker = -1;
            s.circuit.P(5, 6).Marker = -1;
            s.circuit.P(8, 8).Marker = 1;
            s.circuit.P(16, 3).ICConnector = 1;
            sheet::Wire(s, 16, 6, 20, 6);
            sheet::LED(s, 21, 6);
            s.circuit.P(20, 6).ConRight = kTrue;
            s.circuit.P(21, 6).ConLeft = kTrue;
            sheet::Wire(s, 16, 10, 19, 10);
            sheet::Switch(s, 16, 10);
            if (power) {
                s.engine.PowerFlag = kTrue;
                sheet::CopyToLevel0(s);
                Grid& f = s.circuit.Levels[0].Field;
                for (int x = 1; x <= 10; ++x) {
                    f(x, 4).WireSignalH = kTrue;
                    f(x, 4).Value = kTrue;
                }
                for (int y = 4; y <= 8; ++y)
                    f(5, y).WireSignalV = kTrue;
                for (int y = 2; y <= 12; ++y)
                    f(12, y).WireSignalV = kTrue;
                for (int x = 16; x <= 21; ++x)
                    f(x, 6).Value = f(x, 6).WireSignalH = kTrue;
                f(16, 10).Value = kTrue;
                for (int x = 16; x <= 19; ++x)
                    f(x, 10).WireSignalH = kTrue;
            }
            for (SurfaceKind kind : {SurfaceKind::Worksheet, SurfaceKind::Printer}) {
                const int cell = static_cast<int>(14 * zoom);
                PainterSurface pic(25 * cell, 15 * cell, kind);
                clsGrafik g(s, &pic);
                RedrawAllElements(s, g, 0);
                const QString file = QStringLiteral("%1/conductors_%2%3_zoom%4.png")
                                         .arg(GalleryDir(), kind == SurfaceKind::Printer ? QStringLiteral("paper")
                                                                                         : QStringLiteral("sheet"),
                                              power ? QStringLiteral("_power") : QString())
                                         .arg(static_cast<int>(zoom));
                EXPECT_TRUE(pic.Image().save(file));
            }
        }
    }
}
