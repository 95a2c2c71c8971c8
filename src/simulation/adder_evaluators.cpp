// Half-adder, full-adder, multiplexer and decoder.
#include "simulation/evaluators.h"

#include "simulation/evaluator_support.h"

using namespace evaluators;

namespace {

// An adder input counts as connected when the conductor outside it points at it.
bool InputConnected(const Engine& en, int level, PinPos pin, Orientation orientation)
{
    if (!ValidOrientation(orientation))
        return false;
    // The cell before the pin, against the orientation, with its flag toward the pin.
    const Step st = OrientationStep(orientation);
    const GridCell* c = CellAt(en, level, pin.X - st.dx, pin.Y - st.dy);
    return c != nullptr && FlagOnSide(*c, Toward(orientation));
}

// Sum on output 1, then carry on output 2. The events leave along the
// orientation: an input wired from the side must not send them across the
// output conductor.
void DriveAdderOutputs(const Engine& en, const CachedPins& p, Orientation orientation, bool sum, bool carry, int level)
{
    const Step st = OrientationStep(orientation);
    const bool levels[2] = {sum, carry};
    for (int k = 0; k < 2 && k < p.OutputCount; ++k) {
        const PinPos out = p.Out[static_cast<size_t>(k)];
        const bool v = levels[k];
        QueueIfInside(en, out.X + st.dx, out.Y + st.dy, Toward(orientation), v, level);
        if (GridCell* o = CellAt(en, level, out))
            o->Value = Level16(v);
        // Cleared on Low as the gates do: the redraw paints a conductor run red
        // when both its end cells say High, and a run may join two outputs.
        SetWireSignal(en.circuit, level, out.X, out.Y, Toward(orientation), Level16(v));
    }
}

int InputPin(const CachedPins& p, int x, int y, int first, int last)
{
    const int k = PinNumber(p.In, p.InputCount, x, y);
    return k >= first && k <= last ? k : 0;
}

} // namespace

void EvalHA(const Engine& en, int x, int y, Direction, int, int level)
{
    const Found f = FindElement(en, x, y, level);
    if (f.pins == nullptr || f.pins->InputCount < 2)
        return;
    const CachedPins& p = *f.pins;
    if (InputPin(p, x, y, 1, 3) == 0)
        return;
    const Orientation orientation = f.element->Orientation;
    if (!InputConnected(en, level, p.In[0], orientation) || !InputConnected(en, level, p.In[1], orientation))
        return;
    const bool a = IsHigh(CellAt(en, level, p.In[0]));
    const bool b = IsHigh(CellAt(en, level, p.In[1]));
    DriveAdderOutputs(en, p, orientation, a != b, a && b, level);
}

void EvalVA(const Engine& en, int x, int y, Direction, int, int level)
{
    const Found f = FindElement(en, x, y, level);
    if (f.pins == nullptr || f.pins->InputCount < 3)
        return;
    const CachedPins& p = *f.pins;
    const int own = InputPin(p, x, y, 1, 3);
    if (own == 0)
        return;
    const Orientation orientation = f.element->Orientation;
    bool connected[3];
    bool high[3];
    int count = 0;
    for (int k = 0; k < 3; ++k) {
        connected[k] = InputConnected(en, level, p.In[static_cast<size_t>(k)], orientation);
        high[k] = IsHigh(CellAt(en, level, p.In[static_cast<size_t>(k)]));
        count += connected[k] ? 1 : 0;
    }
    bool sum = false;
    bool carry = false;
    if (count == 2) {
        const bool a = high[own - 1];
        bool b = false;
        // An event at the unconnected input adds the last connected one.
        for (int k = 0; k < 3; ++k)
            if (connected[k] && k != own - 1)
                b = high[k];
        sum = a != b;
        carry = a && b;
    } else if (count == 3) {
        const int n = (high[0] ? 1 : 0) + (high[1] ? 1 : 0) + (high[2] ? 1 : 0);
        sum = (n % 2) == 1;
        carry = n >= 2;
    } else {
        return;
    }
    DriveAdderOutputs(en, p, orientation, sum, carry, level);
}

void EvalMultiplexer(const Engine& en, int x, int y, Direction, int, int level)
{
    const Found f = FindElement(en, x, y, level);
    if (f.pins == nullptr || f.pins->InputCount < 6 || f.pins->OutputCount < 1)
        return;
    const CachedPins& p = *f.pins;
    const bool s1 = IsHigh(CellAt(en, level, p.In[4]));
    const bool s0 = IsHigh(CellAt(en, level, p.In[5]));
    const int selected = (s1 ? 2 : 0) + (s0 ? 1 : 0);
    const bool d = IsHigh(CellAt(en, level, p.In[static_cast<size_t>(selected)]));
    const PinPos out = p.Out[0];
    // The selected level, which the coupling diode's neighbour test reads.
    if (GridCell* o = CellAt(en, level, out))
        o->Value = Level16(d);
    const Orientation orientation = f.element->Orientation;
    const Step st = OrientationStep(orientation);
    QueueIfInside(en, out.X + st.dx, out.Y + st.dy, Toward(orientation), d, level);
    if (ValidOrientation(orientation))
        SetWireSignal(en.circuit, level, out.X, out.Y, Toward(orientation), Level16(d));
}

void EvalDecoder(const Engine& en, int x, int y, Direction, int value, int level)
{
    const Found f = FindElement(en, x, y, level);
    if (f.pins == nullptr || f.pins->InputCount < 3)
        return;
    const CachedPins& p = *f.pins;
    ElementRecord& el = *f.element;
    const bool withClock = p.InputCount >= 4;
    const int pin = InputPin(p, x, y, 1, withClock ? 4 : 3);
    if (pin == 0)
        return;
    const bool clockEvent = pin == 4;

    if (clockEvent && value != 0) {
        for (int k = 0; k < 3; ++k)
            el.StageWords[static_cast<size_t>(k)] = Level16(IsHigh(CellAt(en, level, p.In[static_cast<size_t>(k)])));
        return;
    }
    // Without clock input every address event switches; with it only the falling clock.
    if (withClock && !clockEvent)
        return;

    int index = 0;
    for (int k = 0; k < 3; ++k) {
        const bool high = clockEvent ? el.StageWords[static_cast<size_t>(k)] != 0
                                     : IsHigh(CellAt(en, level, p.In[static_cast<size_t>(k)]));
        if (high)
            index += 1 << k;
    }

    const Orientation orientation = f.element->Orientation;
    const Step st = OrientationStep(orientation);
    const int outputs = p.OutputCount < 8 ? p.OutputCount : 8;
    if (index < outputs) {
        const PinPos out = p.Out[static_cast<size_t>(index)];
        if (GridCell* o = CellAt(en, level, out)) {
            o->Value = kTrue;
            if (Horizontal(orientation))
                o->WireSignalH = kTrue;
            else if (Vertical(orientation))
                o->WireSignalV = kTrue;
        }
        // The new High follows the Lows of the deselected outputs 20 passes later.
        if (ValidOrientation(orientation))
            AddPostpone(CellAt(en, level, out.X + st.dx, out.Y + st.dy), 20);
        QueueIfInside(en, out.X + st.dx, out.Y + st.dy, Toward(orientation), true, level);
    }
    for (int k = 0; k < outputs; ++k) {
        if (k == index)
            continue;
        const PinPos out = p.Out[static_cast<size_t>(k)];
        if (GridCell* o = CellAt(en, level, out))
            o->Value = kFalse;
        // Releases a High of an earlier selection still held there.
        if (ValidOrientation(orientation))
            if (GridCell* beyond = CellAt(en, level, out.X + st.dx, out.Y + st.dy))
                beyond->PostponeCount = 0;
        QueueIfInside(en, out.X + st.dx, out.Y + st.dy, Toward(orientation), false, level);
    }
}
