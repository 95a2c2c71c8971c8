// The clocked components: JK master-slave flip-flop with set and reset, and
// the shift register of two 4-stage registers; with their click routines.
#include "simulation/evaluators.h"

#include "simulation/evaluator_support.h"

using namespace evaluators;

namespace {

constexpr size_t kLatchJ = 0;
constexpr size_t kLatchK = 2;
constexpr size_t kSerialA = 9;
constexpr size_t kSerialB = 10;

// Output k (1 Q, 2 Q inverted) of a flip-flop in level lv.
void SetOutput(EngineState& g, LevelRecord& lv, const CachedPins& p, Orientation orientation, int k, bool high,
               Direction travel, int level)
{
    if (k > p.OutputCount)
        return;
    const PinPos out = p.Out[static_cast<size_t>(k - 1)];
    const Step st = OrientationStep(orientation);
    const int nx = out.X + st.dx;
    const int ny = out.Y + st.dy;
    if (ValidDirection(travel) && lv.Field.Contains(nx, ny))
        QueueEvent(g, nx, ny, travel, high ? 1 : 0, level);
    if (!lv.Field.Contains(out.X, out.Y))
        return;
    GridCell& o = lv.Field(out.X, out.Y);
    o.Value = Level16(high);
    if (high && ValidOrientation(orientation)) {
        if (Horizontal(orientation))
            o.WireSignalH = kTrue;
        else
            o.WireSignalV = kTrue;
    }
}

// The symbols show the flip-flop's state and the register's stages.
void DrawFlipFlopAt(const Engine& en, const CachedPins& p, Orientation orientation, int level)
{
    if (p.InputCount >= 2 && SheetShows(en, level))
        en.Changes.Element(ElementType::FlipFlop, p.In[1].X, p.In[1].Y, orientation);
}

void DrawSRegisterAt(const Engine& en, PinPos at, Orientation orientation, int level)
{
    if (SheetShows(en, level))
        en.Changes.Element(ElementType::ShiftRegister, at.X, at.Y, orientation);
}

bool ClicksAllowed(const Engine& en)
{
    return en.engine.PowerFlag != 0 && en.CurrentLevel < 1 && en.engine.InnerLevelShown == 0 && !en.circuit.Levels.empty();
}

// A flip-flop being evaluated: its level, pins and record.
struct FlipFlopAt {
    const Engine& en;
    LevelRecord& lv;
    const CachedPins& p;
    ElementRecord& el;
    Orientation orientation = Orientation::None;
    int level = 0;

    GridCell* Cell(int x, int y) const { return lv.Field.Contains(x, y) ? &lv.Field(x, y) : nullptr; }
    GridCell* Pin(PinPos q) const { return Cell(q.X, q.Y); }
    // Output k (1 Q, 2 Q inverted) to `high`, its event leaving in `travel`.
    void Output(int k, bool high, Direction travel) const
    {
        SetOutput(en.engine, lv, p, orientation, k, high, travel, level);
    }
    // The state as Q shows it, and the symbol redrawn.
    void Show() const
    {
        if (const GridCell* q = Pin(p.Out[0]))
            el.State = q->Value;
        DrawFlipFlopAt(en, p, orientation, level);
    }
};

// An event on the set (pin 4) or reset (pin 5) input.
void SetOrReset(const FlipFlopAt& f, int pin, bool high)
{
    const CachedPins& p = f.p;
    const Direction travel = Toward(f.orientation);
    const bool setHigh = IsHigh(f.Pin(p.In[3]));
    const bool resetHigh = IsHigh(f.Pin(p.In[4]));
    const int k = pin == 4 ? 1 : 2;
    f.Output(k, true, travel);
    if (high) {
        f.Output(3 - k, false, travel);
    } else if (pin == 4 && resetHigh) {
        f.Output(2, true, travel);
        f.Output(1, false, travel);
    } else if (pin == 5 && setHigh) {
        f.Output(1, true, travel);
        f.Output(2, false, travel);
    }
    // Master preset of a flip-flop without J and K wiring.
    const GridCell* J = f.Pin(p.In[0]);
    const GridCell* K = f.Pin(p.In[2]);
    if (Connections(J) == 0 && Connections(K) == 0 && IsHigh(f.Pin(p.In[1])) && !IsHigh(J) && !IsHigh(K)) {
        f.el.StageWords[kLatchJ] = kTrue;
        f.el.StageWords[kLatchK] = kTrue;
    }
    f.Show();
}

// The falling clock edge: the slave acts on the latched J and K, its events
// leaving in the clock event's direction.
void ClockFalls(const FlipFlopAt& f, Direction dir)
{
    const bool j = f.el.StageWords[kLatchJ] != 0;
    const bool k = f.el.StageWords[kLatchK] != 0;
    if (!j && !k)
        return;
    if (j && !k) {
        f.el.State = kTrue;
        f.Output(1, true, dir);
        f.Output(2, false, dir);
    } else if (!j && k) {
        f.el.State = kFalse;
        f.Output(1, false, dir);
        f.Output(2, true, dir);
    } else if (IsHigh(f.Pin(f.p.Out[0]))) {
        f.Output(2, true, dir);
        f.Output(1, false, dir);
    } else {
        f.Output(1, true, dir);
        f.Output(2, false, dir);
    }
    f.Show();
}

} // namespace

void EvalFlipFlop(const Engine& en, int x, int y, Direction dir, int value, int level)
{
    const Found found = FindElement(en, x, y, level);
    if (found.pins == nullptr || found.pins->InputCount < 5 || found.pins->OutputCount < 2)
        return;
    const CachedPins& p = *found.pins;
    // The element was found, so its level exists; cells are read from it directly.
    const FlipFlopAt f{en, *LevelAt(en.circuit, level), p, *found.element, found.element->Orientation, level};
    const int pin = PinNumber(p.In, p.InputCount, x, y);
    if (pin == 0)
        return;
    GridCell* own = f.Cell(x, y);
    if (own == nullptr)
        return;
    // From here on the pin holds its effective level.
    if (own->Marker != 0)
        own->Value = Level16(own->Value == 0);

    const bool high = value != 0;
    if (pin == 4 || pin == 5) {
        SetOrReset(f, pin, high);
        return;
    }
    if (pin != 2 || IsHigh(f.Pin(p.In[3])) || IsHigh(f.Pin(p.In[4])))
        return;
    if (high) {
        // Rising edge: the master takes J and K; open inputs count as High.
        const GridCell* J = f.Pin(p.In[0]);
        const GridCell* K = f.Pin(p.In[2]);
        f.el.StageWords[kLatchJ] = Connections(J) == 0 ? kTrue : Level16(IsHigh(J));
        f.el.StageWords[kLatchK] = Connections(K) == 0 ? kTrue : Level16(IsHigh(K));
        return;
    }
    ClockFalls(f, dir);
}

void EvalSRegister(const Engine& en, int x, int y, Direction, int value, int level)
{
    const Found f = FindElement(en, x, y, level);
    if (f.pins == nullptr || f.pins->InputCount < 3)
        return;
    const CachedPins& p = *f.pins;
    // Only the clock acts; the serial inputs are read at its rising edge.
    if (!SamePos(p.In[2], x, y))
        return;
    ElementRecord& el = *f.element;
    auto& w = el.StageWords;
    if (value != 0) {
        w[kSerialA] = Level16(IsHigh(CellAt(en, level, p.In[0])));
        w[kSerialB] = Level16(IsHigh(CellAt(en, level, p.In[1])));
        return;
    }
    for (size_t i = 4; i > 1; --i) {
        w[i] = w[i - 1];
        w[i + 4] = w[i + 3];
    }
    w[1] = w[kSerialA];
    w[5] = w[kSerialB];

    const Orientation orientation = el.Orientation;
    const Step st = OrientationStep(orientation);
    const int16_t stage4[2] = {w[4], w[8]};
    for (int k = 0; k < 2 && k < p.OutputCount; ++k) {
        const PinPos out = p.Out[static_cast<size_t>(k)];
        const int16_t v = stage4[k];
        if (GridCell* o = CellAt(en, level, out))
            o->Value = v;
        QueueIfInside(en, out.X + st.dx, out.Y + st.dy, Toward(orientation), v != 0, level);
        if (ValidOrientation(orientation))
            SetWireSignal(en.circuit, level, out.X, out.Y, Toward(orientation), v);
    }
    DrawSRegisterAt(en, PinPos{static_cast<int16_t>(x), static_cast<int16_t>(y)}, orientation, level);
}

void ClickFlipFlop(const Engine& en, int16_t c, int x, int y)
{
    if (!ClicksAllowed(en))
        return;
    ElementRecord* el = ElementAt(en, 0, c);
    if (el == nullptr)
        return;
    const CachedPins p = ParsePinsCached(en.circuit, en.engine, c, 0);
    if (p.OutputCount < 2)
        return;
    const Orientation orientation = el->Orientation;
    if (!ValidOrientation(orientation))
        return;
    const Step st = OrientationStep(orientation);
    const PinPos q = p.Out[0];
    if (x != q.X - st.dx || y != q.Y - st.dy)
        return;

    el->State = el->State == kTrue ? kFalse : kTrue;
    const int16_t state = el->State;
    DrawFlipFlopAt(en, p, orientation, 0);

    const int16_t levels[2] = {state, Level16(state == 0)};
    for (int k = 0; k < 2; ++k) {
        const PinPos out = p.Out[static_cast<size_t>(k)];
        if (GridCell* o = CellAt(en, 0, out))
            o->Value = levels[k];
        QueueIfInside(en, out.X + st.dx, out.Y + st.dy, Toward(orientation), levels[k] != 0, 0);
        SetWireSignal(en.circuit, 0, out.X, out.Y, Toward(orientation), levels[k]);
    }
    RunIfIdle(en);
}

void ClickSRegister(const Engine& en, int16_t c, int x, int y)
{
    if (!ClicksAllowed(en))
        return;
    ElementRecord* el = ElementAt(en, 0, c);
    if (el == nullptr)
        return;
    const CachedPins p = ParsePinsCached(en.circuit, en.engine, c, 0);
    if (p.OutputCount < 2 || p.InputCount < 3)
        return;
    const Orientation orientation = el->Orientation;
    if (!ValidOrientation(orientation))
        return;
    const Step st = OrientationStep(orientation);

    // Stage 4, 3, 2, 1 of a register lies 1, 3, 5, 7 cells back from its output.
    int reg = -1;
    size_t word = 0;
    for (int r = 0; r < 2 && reg < 0; ++r) {
        const PinPos out = p.Out[static_cast<size_t>(r)];
        for (int stage = 4; stage >= 1; --stage) {
            const int back = 2 * (4 - stage) + 1;
            if (x == out.X - back * st.dx && y == out.Y - back * st.dy) {
                reg = r;
                word = static_cast<size_t>(4 * r + stage);
                break;
            }
        }
    }
    if (reg < 0)
        return;

    auto& w = el->StageWords;
    w[word] = w[word] == kTrue ? kFalse : kTrue;
    DrawSRegisterAt(en, p.In[2], orientation, 0);

    if (word == 4 || word == 8) {
        const PinPos out = p.Out[static_cast<size_t>(reg)];
        QueueIfInside(en, out.X + st.dx, out.Y + st.dy, Toward(orientation), w[word] != 0, 0);
        SetWireSignal(en.circuit, 0, out.X, out.Y, Toward(orientation), w[word]);
    }
    if (GridCell* o = CellAt(en, 0, p.Out[0]))
        o->Value = w[4];
    if (GridCell* o = CellAt(en, 0, p.Out[1]))
        o->Value = w[8];
    RunIfIdle(en);
}
