// Properties every symbol keeps in every orientation and at every zoom; that
// each stays inside its footprint is checked on its pixels by the worksheet gallery.
#include <gtest/gtest.h>

#include <cmath>

#include "model/geometry.h"
#include "platform/numeric.h"
#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "symbol_fixture.h"

using namespace symfix;

namespace {

struct Case {
    ProgramState s;
    RecordingSurface rec{SurfaceKind::Worksheet, 2000, 2000};
    clsGrafik g{s, &rec};
    Part part;
    Case(const Kind& k, Orientation o, float zoom)
    {
        sheet::NewSheet(s, 40, 40);
        s.GridMode = zoom;
        part = k.make(s, 15, 15, o);
    }
    QStringList Drawn()
    {
        rec.ClearLog();
        Draw(g, part);
        return rec.Log();
    }
    double G(int i) const { return GridToPixel(s, static_cast<int16_t>(i)); }
    double Z() const { return CInt(14.0 * static_cast<double>(s.GridMode)); }
};

// The stub that leaves a pin cell towards its conductor.
bool HasStub(const std::vector<Prim>& prims, QPointF a, QPointF b)
{
    auto same = [](QPointF p, double x, double y) {
        return std::abs(p.x() - x) < 1e-9 && std::abs(p.y() - y) < 1e-9;
    };
    for (const Prim& p : prims) {
        if (p.kind != QLatin1String("Line") || p.mode != QLatin1String("Plain") || p.color != 0)
            continue;
        if ((same(a, p.v[0], p.v[1]) && same(b, p.v[2], p.v[3]))
            || (same(b, p.v[0], p.v[1]) && same(a, p.v[2], p.v[3])))
            return true;
    }
    return false;
}

struct PinStub {
    PinPos pin;
    int dx, dy;   // outwards
    bool drawn;   // the symbol has a stub there at all
};

std::vector<PinStub> Stubs(const Part& p)
{
    const int ox = DirX(p.orientation), oy = DirY(p.orientation);
    std::vector<PinStub> stubs;
    for (size_t i = 0; i < p.in.size(); ++i) {
        // The half-adder's middle input (pin 3) has no stub.
        const bool drawn = !(p.type == ElementType::HalfAdder && i == 2);
        stubs.push_back({p.in[i], -ox, -oy, drawn});
    }
    for (const PinPos& pin : p.out)
        stubs.push_back({pin, ox, oy, true});
    return stubs;
}

void SetOutwardFlag(GridCell& cell, int dx, int dy, int16_t v)
{
    if (dx < 0) cell.ConLeft = v;
    if (dx > 0) cell.ConRight = v;
    if (dy < 0) cell.ConUp = v;
    if (dy > 0) cell.ConDown = v;
}

} // namespace

TEST(SymbolProperties, StubsExactlyWhereNoConductorIsAttached)
{
    for (const Kind& k : Kinds()) {
        if (!k.stubsFollowConductors)
            continue;
        for (Orientation o : kOrientations) {
            for (float zoom : {1.0f, 1.25f}) {
                Case c(k, o, zoom);
                const double z = c.Z();
                const std::vector<PinStub> stubs = Stubs(c.part);
                auto stubOf = [&](const PinStub& st, const std::vector<Prim>& prims) {
                    const QPointF centre(c.G(st.pin.X), c.G(st.pin.Y));
                    return HasStub(prims, centre, centre + QPointF(st.dx * z / 2, st.dy * z / 2));
                };
                const std::vector<Prim> plain = ParseAll(c.Drawn());
                for (const PinStub& st : stubs)
                    EXPECT_EQ(stubOf(st, plain), st.drawn)
                        << k.name << " o=" << Code(o) << " pin " << st.pin.X << "," << st.pin.Y;
                for (const PinStub& attached : stubs) {
                    GridCell& cell = c.s.circuit.P(attached.pin.X, attached.pin.Y);
                    SetOutwardFlag(cell, attached.dx, attached.dy, kTrue);
                    const std::vector<Prim> prims = ParseAll(c.Drawn());
                    SetOutwardFlag(cell, attached.dx, attached.dy, 0);
                    for (const PinStub& st : stubs) {
                        const bool expected = st.drawn && !(st.pin == attached.pin);
                        EXPECT_EQ(stubOf(st, prims), expected)
                            << k.name << " o=" << Code(o) << " conductor at " << attached.pin.X << ","
                            << attached.pin.Y << ", stub of " << st.pin.X << "," << st.pin.Y;
                    }
                }
            }
        }
    }
}

TEST(SymbolProperties, FixedStubsIgnoreConductors)
{
    for (const Kind& k : Kinds()) {
        if (k.stubsFollowConductors)
            continue;
        for (Orientation o : kOrientations) {
            Case c(k, o, 1.0f);
            const QStringList plain = c.Drawn();
            std::vector<PinPos> pins = c.part.in;
            pins.insert(pins.end(), c.part.out.begin(), c.part.out.end());
            for (const PinPos& pin : pins) {
                GridCell& cell = c.s.circuit.P(pin.X, pin.Y);
                cell.ConLeft = cell.ConUp = cell.ConRight = cell.ConDown = kTrue;
            }
            EXPECT_EQ(c.Drawn(), plain) << k.name << " o=" << Code(o);
        }
    }
}

TEST(SymbolProperties, FillColoursBySurface)
{
    auto firstFill = [](const QStringList& log) -> int32_t {
        for (const QString& line : log) {
            const Prim p = Parse(line);
            if (p.fill >= 0 && p.style == 0)
                return p.fill;
        }
        return -1;
    };
    for (const Kind& k : Kinds()) {
        for (Orientation o : kOrientations) {
            Case c(k, o, 1.0f);
            EXPECT_EQ(firstFill(c.Drawn()), k.screenFill) << k.name << " o=" << Code(o) << " worksheet";
            c.rec.SetKind(SurfaceKind::Hidden);
            const int32_t hidden = k.paperFill == -1 ? -1 : k.screenFill;
            EXPECT_EQ(firstFill(c.Drawn()), hidden) << k.name << " o=" << Code(o) << " hidden";
            c.rec.SetKind(SurfaceKind::Printer);
            EXPECT_EQ(firstFill(c.Drawn()), k.paperFill) << k.name << " o=" << Code(o) << " printer";
        }
    }
}

TEST(SymbolProperties, FontSizesFollowTheSurfaceAndTheZoom)
{
    // The body label of the gates, adders, register and clock: 10 x zoom on the
    // worksheet, 1.2 x zoom elsewhere.
    for (const char* name : {"AND3", "HalfAdder", "ShiftRegister", "Timer"}) {
        const Kind& k = *std::find_if(Kinds().begin(), Kinds().end(),
                                      [&](const Kind& x) { return QLatin1String(x.name) == QLatin1String(name); });
        Case c(k, Orientation::Right, 1.25f);
        const QString sheet = c.Drawn().filter(QStringLiteral("Print ")).first();
        EXPECT_TRUE(sheet.contains(QStringLiteral(" size=12.5 "))) << sheet.toStdString();
        c.rec.SetKind(SurfaceKind::Hidden);
        const QString hidden = c.Drawn().filter(QStringLiteral("Print ")).first();
        EXPECT_TRUE(hidden.contains(QStringLiteral(" size=1.5 "))) << hidden.toStdString();
    }
}
