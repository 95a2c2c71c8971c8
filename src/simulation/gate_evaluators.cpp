// AND, OR, XOR, inverter, TriState gate, LED and switch.
#include "simulation/evaluators.h"

#include "simulation/evaluator_support.h"

using namespace evaluators;

namespace {

enum class GateKind { And, Or, Xor };

void EvalGate(const Engine& en, int x, int y, int level, GateKind kind)
{
    const Found f = FindElement(en, x, y, level);
    if (f.pins == nullptr || f.pins->OutputCount < 1)
        return;
    const CachedPins& p = *f.pins;
    const PinPos out = p.Out[0];
    if (SamePos(out, x, y))
        return;

    int highs = 0;
    for (int k = 0; k < p.InputCount && k < kPinTableSize; ++k) {
        const GridCell* in = CellAt(en, level, p.In[static_cast<size_t>(k)]);
        if (in == nullptr)
            continue;
        const bool high = (in->Value != 0) != (in->Marker != 0);
        highs += high ? 1 : 0;
    }
    bool r = false;
    switch (kind) {
    case GateKind::And: r = highs == p.InputCount; break;
    case GateKind::Or: r = highs > 0; break;
    case GateKind::Xor: r = (highs % 2) == 1; break;
    }

    GridCell* o = CellAt(en, level, out);
    if (o == nullptr)
        return;
    if (o->Marker != 0)
        r = !r;
    const Orientation orientation = f.element->Orientation;
    o->Value = Level16(r);
    if (Horizontal(orientation))
        o->WireSignalH = Level16(r);
    else if (Vertical(orientation))
        o->WireSignalV = Level16(r);

    const Step st = OrientationStep(orientation);
    const int bx = out.X + st.dx;
    const int by = out.Y + st.dy;
    // A NAND switches one pass after an AND would. The event itself waits,
    // not the cell: a hold on the cell would also stop an earlier event of
    // this output still on its way, which then arrives last and leaves the
    // conductor at a stale level.
    const bool nand = kind == GateKind::And && o->Marker == -1;
    QueueIfInside(en, bx, by, Toward(orientation), r, level, nand ? 1 : 0);
}

} // namespace

void EvalAND(const Engine& en, int x, int y, Direction, int, int level)
{
    EvalGate(en, x, y, level, GateKind::And);
}

void EvalOR(const Engine& en, int x, int y, Direction, int, int level)
{
    EvalGate(en, x, y, level, GateKind::Or);
}

void EvalXOR(const Engine& en, int x, int y, Direction, int, int level)
{
    EvalGate(en, x, y, level, GateKind::Xor);
}

void EvalInverter(const Engine& en, int x, int y, Direction, int value, int level)
{
    // The hottest evaluator: one look-up of the level, then plain cell access.
    EngineState& g = en.engine;
    LevelRecord* lv = LevelAt(en.circuit, level);
    if (lv == nullptr || !lv->Field.Contains(x, y))
        return;
    const int c = lv->Field(x, y).ElementNr;
    if (c <= 0 || static_cast<size_t>(c) >= lv->Elements.size())
        return;
    const CachedPins& pins = EvaluatorPins(en.circuit, g, c, level);
    if (pins.InputCount < 1 || !SamePos(pins.In[0], x, y))
        return;
    // The output cell follows the orientation, not the event's travel: an
    // input wired from the side must still drive the output cell.
    // While the power is on the pins come with the element's orientation.
    const Orientation orientation =
        g.PowerFlag != 0 ? pins.Orientation : lv->Elements[static_cast<size_t>(c)].Orientation;
    if (!ValidOrientation(orientation))
        return;
    const Step st = OrientationStep(orientation);
    const int ox = x + st.dx;
    const int oy = y + st.dy;
    if (!lv->Field.Contains(ox, oy))
        return;
    GridCell& o = lv->Field(ox, oy);
    const bool r = value == 0;
    o.Value = Level16(r);
    if (Horizontal(orientation))
        o.WireSignalH = Level16(r);
    else
        o.WireSignalV = Level16(r);
    if (lv->Field.Contains(ox + st.dx, oy + st.dy))
        QueueEvent(g, ox + st.dx, oy + st.dy, Toward(orientation), r ? 1 : 0, level);
    if (SheetShows(en, level))
        RecordPiece(en.circuit, en.Changes, ox, oy, Toward(orientation), r ? 1 : 0);
}

void EvalTriState(const Engine& en, int x, int y, Direction, int, int level)
{
    const Found f = FindElement(en, x, y, level);
    if (f.pins == nullptr || f.pins->InputCount < 2 || f.pins->OutputCount < 1)
        return;
    const CachedPins& p = *f.pins;
    if (!SamePos(p.In[0], x, y) && !SamePos(p.In[1], x, y))
        return;
    const bool data = IsHigh(CellAt(en, level, p.In[0]));
    const bool enable = IsHigh(CellAt(en, level, p.In[1]));
    if (!enable)
        return; // a disabled gate stops driving; the conductor keeps its level
    const Orientation orientation = f.element->Orientation;
    if (!ValidOrientation(orientation))
        return;
    const PinPos out = p.Out[0];
    const Step st = OrientationStep(orientation);
    // The cell beyond the output lies along the orientation also for an
    // input wired from the side.
    QueueIfInside(en, out.X + st.dx, out.Y + st.dy, Toward(orientation), data, level);
    if (data)
        SetWireSignal(en.circuit, level, out.X, out.Y, Toward(orientation), kTrue);
    // The driven level, which the coupling diode's neighbour test reads.
    if (GridCell* o = CellAt(en, level, out))
        o->Value = Level16(data);
}

void EvalLED(const Engine& en, int x, int y, Direction dir, int value, int level)
{
    // The dispatcher has given the cell the event's level, which the LED shows.
    if (SheetShows(en, level))
        en.Changes.Element(ElementType::LED, x, y);
    PropagateConductor(en, x, y, dir, value, level);
}

void EvalSwitch(const Engine& en, int x, int y, Direction dir, int value, int level)
{
    if (SheetShows(en, level))
        en.Changes.Element(ElementType::Switch, x, y);
    PropagateConductor(en, x, y, dir, value, level);
}
