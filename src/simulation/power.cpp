#include <algorithm>
#include <climits>
#include <QString>
#include <vector>

#include "model/circuit_tables.h"
#include "model/field_list.h"
#include "model/geometry.h"
#include "model/ports/all_ports.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/timers.h"
#include "simulation/engine.h"
#include "simulation/evaluator_support.h"

using evaluators::StepX;
using evaluators::StepY;

namespace {

constexpr int kCustomPointer = 99;
constexpr int kArrowPointer = 1;


void PumpEvents(const Engine& en)
{
    if (en.context.waitHooks.pumpEvents)
        en.context.waitHooks.pumpEvents();
}

// The whole of level n shown: drawn at once, before anything changes further.
void ShowWhole(const Engine& en, int16_t n)
{
    if (en.Changes.Watched()) {
        en.Changes.Level(n);
        en.Changes.Flush();
    } else if (en.ports.worksheet) {
        en.ports.worksheet->RedrawAllElements();
    }
}

// Latches, stages and held-back events belong to one power-on; the IC levels
// outlive it, so they are cleared in every level when the power comes on.
void ClearRunState(const Engine& en)
{
    for (LevelRecord& lv : en.circuit.Levels) {
        for (int x = 0; x <= lv.Field.UBoundX(); ++x)
            for (int y = 0; y <= lv.Field.UBoundY(); ++y)
                lv.Field(x, y).PostponeCount = 0;
        for (ElementRecord& r : lv.Elements) {
            r.StageWords.fill(0);
            r.State = 0;
        }
    }
}

// The cells of a level that hold anything: conductors, markers, components.
size_t CellsInUse(const LevelRecord& lv)
{
    size_t n = 0;
    for (int x = 0; x <= lv.Field.UBoundX(); ++x)
        for (int y = 0; y <= lv.Field.UBoundY(); ++y)
            n += lv.Field(x, y).Type != 0 ? 1 : 0;
    return n;
}

void StopTimers(const Engine& en)
{
    for (ClockSlot& c : en.circuit.Clocks)
        c.ClockTrigger = kFalse;
    if (en.context.Timer1)
        en.context.Timer1->setEnabled(false);
}

// One component's pin cell at power-on, as its initialiser sees it.
struct PowerOnCell {
    int x = 0;
    int y = 0;
    int type = 0;
    int level = 0;
    Orientation o = Orientation::None; // the component's orientation
    evaluators::Step step;
    const CachedPins& pins;
    int inPin = 0;  // 1-based number of the input pin on (x, y); 0 when none
    int outPin = 0; // the same for the outputs
};

GridCell* CellOf(const Engine& en, const PowerOnCell& p, int cx, int cy)
{
    LevelRecord& level = en.circuit.Levels[static_cast<size_t>(p.level)];
    return level.Field.Contains(cx, cy) ? &level.Field(cx, cy) : nullptr;
}

// Drives the first output to `high` in the orientation's direction.
void DriveFirstOutput(const Engine& en, const PowerOnCell& p, bool high)
{
    if (p.pins.OutputCount >= 1)
        SetWireSignal(en.circuit, p.level, p.pins.Out[0].X, p.pins.Out[0].Y, Toward(p.o), high ? kTrue : kFalse);
}

// The inverter drives its output High from its unconnected input.
void InitInverter(const Engine& en, const PowerOnCell& p)
{
    if (p.inPin != 1)
        return;
    const int v = CellOf(en, p, p.x, p.y)->Value != kTrue ? 1 : 0;
    if (GridCell* out = CellOf(en, p, p.x + p.step.dx, p.y + p.step.dy))
        out->Value = v ? kTrue : kFalse;
    QueueEvent(en.engine, p.x + 2 * p.step.dx, p.y + 2 * p.step.dy, Toward(p.o), v, p.level);
    DriveFirstOutput(en, p, v != 0);
    Simulate(en);
}

// The decoder's first output, seen from its third input, by orientation.
evaluators::Step DecoderOutputOffset(Orientation o)
{
    switch (o) {
    case Orientation::Left: return {-3, -4};
    case Orientation::Right: return {3, -4};
    case Orientation::Up: return {4, -3};
    case Orientation::Down: return {4, 3};
    default: return {};
    }
}

// The decoder selects its first output while its first address input is Low.
void InitDecoder(const Engine& en, const PowerOnCell& p)
{
    if (p.inPin != 3 || p.pins.InputCount < 3)
        return;
    const GridCell* a0 = CellOf(en, p, p.pins.In[0].X, p.pins.In[0].Y);
    const int v = (a0 && a0->Value == kTrue) ? 0 : 1;
    if (v == 1 && p.pins.OutputCount >= 1)
        if (GridCell* out = CellOf(en, p, p.pins.Out[0].X, p.pins.Out[0].Y))
            out->Value = kTrue;
    const evaluators::Step d = DecoderOutputOffset(p.o);
    QueueEvent(en.engine, p.x + d.dx, p.y + d.dy, Toward(p.o), v, p.level);
    DriveFirstOutput(en, p, v != 0);
    Simulate(en);
}

// AND, OR and XOR: a negated input or output is evaluated once.
void InitGate(const Engine& en, const PowerOnCell& p)
{
    const GridCell* c = CellOf(en, p, p.x, p.y);
    if (p.inPin > 0 && c->Marker == kTrue) {
        QueueEvent(en.engine, p.x, p.y, Toward(p.o), c->Value == kTrue ? 1 : 0, p.level);
        Simulate(en);
        en.engine.InitDepth = 0;
    } else if (p.outPin == 1 && c->Marker == kTrue) {
        const int v = c->Value != c->Marker ? 1 : 0;
        SetWireSignal(en.circuit, p.level, p.x, p.y, Toward(p.o), v ? kTrue : kFalse);
        if (p.pins.InputCount >= 1) {
            const PinPos in = p.pins.In[0];
            const GridCell* in1 = CellOf(en, p, in.X, in.Y);
            if (Evaluator f = en.context.evaluators[static_cast<size_t>(p.type)])
                f(en, in.X, in.Y, Toward(p.o), (in1 && in1->Value == kTrue) ? 1 : 0, p.level);
        }
        Simulate(en);
    }
}

// The flip-flop starts with its second output High; negated inputs are evaluated once.
void InitFlipFlop(const Engine& en, const PowerOnCell& p)
{
    GridCell* c = CellOf(en, p, p.x, p.y);
    if (p.outPin == 2) {
        c->Value = kTrue;
        if (evaluators::FlagOnSide(*c, Toward(p.o))) {
            QueueEvent(en.engine, p.x + p.step.dx, p.y + p.step.dy, Toward(p.o), 1, p.level);
            SetWireSignal(en.circuit, p.level, p.x, p.y, Toward(p.o), kTrue);
            Simulate(en);
        }
    } else if (p.inPin >= 1 && p.inPin <= 3 && c->Marker == kTrue) {
        QueueEvent(en.engine, p.x, p.y, Toward(p.o), 0, p.level);
        Simulate(en);
    }
}

// What power-on does for a pin cell of a component, by element type; the
// types without an entry start at rest.
using InitialOutput = void (*)(const Engine& en, const PowerOnCell& p);
constexpr TypeColumn<InitialOutput> kInitialOutputs = ColumnOf<InitialOutput>({
    {ElementType::Inverter, InitInverter},
    {ElementType::Decoder, InitDecoder},
    {ElementType::AND, InitGate},
    {ElementType::OR, InitGate},
    {ElementType::XOR, InitGate},
    {ElementType::FlipFlop, InitFlipFlop},
});

// The initial output of one component of level lv; CurrentLevel is left alone.
void CheckElementsAt(const Engine& en, int x, int y, int t, int lv)
{
    if (lv < 0 || static_cast<size_t>(lv) >= en.circuit.Levels.size())
        return;
    const InitialOutput init = kInitialOutputs[static_cast<uint8_t>(t)];
    LevelRecord& L = en.circuit.Levels[static_cast<size_t>(lv)];
    if (init == nullptr || !L.Field.Contains(x, y))
        return;
    const int n = L.Field(x, y).ElementNr;
    if (n <= 0 || static_cast<size_t>(n) >= L.Elements.size())
        return;
    const Orientation o = L.Elements[static_cast<size_t>(n)].Orientation;
    const CachedPins pins = ParsePinsCached(en.circuit, en.engine, n, lv);
    en.engine.StepCount = 0;
    init(en, PowerOnCell{.x = x,
                         .y = y,
                         .type = t,
                         .level = lv,
                         .o = o,
                         .step = evaluators::OrientationStep(o),
                         .pins = pins,
                         .inPin = evaluators::PinNumber(pins.In, pins.InputCount, x, y),
                         .outPin = evaluators::PinNumber(pins.Out, pins.OutputCount, x, y)});
}

// Whether the power-on that counted `cycle` has been cut short by a power
// cycle in one of its waits.
bool Interrupted(const EngineState& g, uint32_t cycle)
{
    return g.PowerFlag == 0 || g.PowerCycle != cycle;
}

// The initial outputs of the components in column x of level lv at nesting
// depth d; false when the power-on ends here (interrupted or aborted).
bool InitialiseColumn(const Engine& en, int lv, int d, int x, uint32_t cycle)
{
    EngineState& g = en.engine;
    // The empty cells of level 0 lose their grid dots, a column at a time up
    // to each component whose first output it draws.
    int dotsFrom = -1;
    auto dotsUpTo = [&](int last) {
        if (dotsFrom >= 0 && g.InnerLevelShown == 0)
            en.Changes.GridDots(x, dotsFrom, last);
        dotsFrom = -1;
    };
    for (int y = 0;; ++y) {
        if (Interrupted(g, cycle))
            return false;
        const LevelRecord& L = en.circuit.Levels[static_cast<size_t>(lv)];
        if (y > L.Height) {
            dotsUpTo(y - 1);
            return true;
        }
        if (!L.Field.Contains(x, y))
            continue;
        const uint8_t type = L.Field(x, y).Type;
        if (lv == 0 && type == 0 && dotsFrom < 0)
            dotsFrom = y;
        if (kInitialOutputs[type] == nullptr)
            continue;
        dotsUpTo(y - 1);
        g.InitDepth = static_cast<int16_t>(d);
        if (g.InnerLevelShown == 0)
            en.CurrentLevel = static_cast<int16_t>(lv);
        CheckElementsAt(en, x, y, type, lv);
        if (g.AbortFlag != 0) {
            if (en.ports.power)
                en.ports.power->SwitchPowerOff();
            return false;
        }
    }
}

// Whether level lv is initialised at nesting depth d: level 0 last, each IC
// level one depth below its nesting level, the most deeply nested first.
bool LevelAtDepth(const CircuitTables& t, int lv, int d)
{
    if (lv == 0)
        return d == 0;
    return static_cast<size_t>(lv) < t.ICInstances.size() && !t.Levels[static_cast<size_t>(lv)].Name.isEmpty()
        && t.ICInstances[static_cast<size_t>(lv)].NestingLevel + 1 == d;
}

// The initial outputs of every level, the most deeply nested first; false
// when the power-on ends early.
bool InitialiseLevels(const Engine& en, uint32_t cycle)
{
    const CircuitTables& t = en.circuit;
    const int ub = t.LevelUBound();
    for (int d = LowestLevel(t); d >= 0; --d) {
        en.engine.InitDepth = static_cast<int16_t>(d);
        for (int lv = 0; lv <= ub && static_cast<size_t>(lv) < t.Levels.size(); ++lv) {
            if (!LevelAtDepth(t, lv, d))
                continue;
            for (int x = 0;; ++x) {
                if (Interrupted(en.engine, cycle))
                    return false;
                if (x > t.Levels[static_cast<size_t>(lv)].Width)
                    break;
                if (!InitialiseColumn(en, lv, d, x, cycle))
                    return false;
            }
        }
    }
    return true;
}

void PowerOn(const Engine& en)
{
    EngineState& g = en.engine;
    if (en.ports.worksheet)
        en.ports.worksheet->CommitLabelEdit();
    PumpEvents(en);
    if (en.editor.saveTool)
        en.editor.saveTool(en.editor.editor);

    g.PowerFlag = kTrue;
    const uint32_t cycle = ++g.PowerCycle;
    g.AbortFlag = kFalse;
    StopTimers(en);
    SetRunState(en.engine, en.ports.power, RunState::SwitchingOn);
    if (en.ports.power)
        en.ports.power->ShowPowerPanel();
    if (en.ports.worksheet)
        en.ports.worksheet->SelectNone();
    if (en.ports.power)
        en.ports.power->ChangeGUI(false);
    en.ToolMode = ToolCode::SimulationRunning;
    if (en.editor.setPointer)
        en.editor.setPointer(en.editor.editor, kCustomPointer);
    en.CurrentLevel = 0;

    Copy_P_to_Field(en.circuit);
    const size_t cellsInUse = CellsInUse(en.circuit.Levels[0]);
    ClearPinCache(en.engine);
    ClearRunState(en);
    g.EventLimit = EventLimit(en.circuit);
    PumpEvents(en);
    StartRunTime(en);
    g.PendingEvents.resize(1);
    g.CurrentEvents.resize(1);

    // The many short runs of the initialisation are drawn once, at its end:
    // a power-on that ends in the abort draws none of them.
    en.Changes.Bound(HeldChangesBound(cellsInUse));
    en.Changes.Hold(true);
    const bool initialised = InitialiseLevels(en, cycle);
    en.Changes.Hold(false);
    if (!initialised)
        return;

    en.Changes.Flush();
    en.Changes.Bound(ChangesBound(cellsInUse));
    if (g.InnerLevelShown == 0)
        en.CurrentLevel = 0;
    g.InitDepth = 0;
    if (ProbePort* probes = en.ports.probes)
        probes->ClearAnalyserTraces();
    // A pause made during the switch-on holds the rest of it until Continue.
    if (g.PausedFlag()) {
        if (en.ports.power)
            en.ports.power->SetPauseEnabled(true);
        return;
    }
    if (en.ports.power)
        en.ports.power->SetRunLamp(false);
    SetRunState(en.engine, en.ports.power, RunState::Ready);
}

// Every signal of level lv at rest (and of the sheet, for level 0), and the
// levels its IC connectors recorded forgotten.
void ClearSignals(const Engine& en, size_t lv)
{
    LevelRecord& L = en.circuit.Levels[lv];
    for (int x = 0; x <= L.Width; ++x) {
        for (int y = 0; y <= L.Height; ++y) {
            if (!L.Field.Contains(x, y))
                continue;
            GridCell& c = L.Field(x, y);
            c.Value = kFalse;
            c.WireSignalH = kFalse;
            c.WireSignalV = kFalse;
            if (lv != 0 || !en.circuit.P.Contains(x, y))
                continue;
            GridCell& p = en.circuit.P(x, y);
            p.Value = kFalse;
            p.WireSignalH = kFalse;
            p.WireSignalV = kFalse;
            // The flip-flop at rest.
            if (c.Type == ElementType::FlipFlop && en.Changes.Watched()) {
                const CachedPins& pins = ParsePinsCached(en.circuit, en.engine, c.ElementNr, 0);
                if (pins.InputCount >= 2 && evaluators::SamePos(pins.In[1], x, y) && c.ElementNr > 0
                    && static_cast<size_t>(c.ElementNr) < en.circuit.Elements.size())
                    en.Changes.Element(ElementType::FlipFlop, x, y,
                                       en.circuit.Elements[static_cast<size_t>(c.ElementNr)].Orientation);
            }
        }
    }
    if (lv < en.circuit.ICInstances.size()) {
        ICInstanceRecord& ic = en.circuit.ICInstances[lv];
        for (int k = 1; k <= ic.PinCount && k < ic.PinStates.size(); ++k) {
            const QString& ps = ic.PinStates[k];
            ic.PinStates[k] = GetField(ps, 1) + u';' + GetField(ps, 2) + u';' + GetField(ps, 3) + u';';
        }
    }
}

void PowerOff(const Engine& en)
{
    EngineState& g = en.engine;
    if (g.EngineBusy != 0)
        ClearQueues(en.engine);
    // A pause does not outlive the power.
    SetRunState(en.engine, en.ports.power, RunState::SwitchingOff);
    if (en.ports.power) {
        en.ports.power->SetPauseEnabled(false);
        en.ports.power->SetStopEnabled(false);
    }
    if (en.CurrentLevel > 0 || g.InnerLevelShown != 0)
        ShowLevel(en, 0);
    en.CurrentLevel = 0;
    g.PowerFlag = kFalse;
    en.ToolMode = ToolCode::Select;
    if (en.editor.setPointer)
        en.editor.setPointer(en.editor.editor, kArrowPointer);
    g.SwitchingOff = kTrue;

    if (en.context.Timer2) {
        for (auto& t : *en.context.Timer2) {
            if (t) {
                t->setEnabled(false);
                t->Tag = QStringLiteral("Stop");
            }
        }
    }
    StopTimers(en);
    if (en.ports.power)
        en.ports.power->ChangeGUI(true);
    g.CurrentEvents.resize(1);
    g.PendingEvents.resize(1);

    for (size_t lv = 0; lv < en.circuit.Levels.size(); ++lv)
        if (lv == 0 || !en.circuit.Levels[lv].Name.isEmpty())
            ClearSignals(en, lv);

    LevelRecord& L0 = en.circuit.Levels[0];
    L0.Field.Redim(0, 0);
    SetElementCount(L0, 0);
    L0.Elements[0] = ElementRecord{};
    L0.Width = 0;
    L0.Height = 0;
    ClearPinCache(en.engine);

    g.SwitchingOff = kFalse;
    // A run that was waiting or paused has ended with the power: the panel
    // shows the engine at rest (the abort puts its own text back).
    SetRunState(en.engine, en.ports.power, RunState::Off);
    if (en.ports.power)
        en.ports.power->SetRunLamp(false);
    // The whole redraw paints every cell afresh: what the last run changed
    // need not be drawn first.
    en.Changes.Discard();
    ShowWhole(en, 0);
    en.Changes.Bound(0);
}

} // namespace

void PowerOnOff(const Engine& en)
{
    if (en.circuit.Levels.empty())
        en.circuit.Levels.resize(1);
    if (en.engine.PowerFlag == 0)
        PowerOn(en);
    else if (en.engine.PowerFlag == kTrue)
        PowerOff(en);
    en.Changes.Flush();
}

void Copy_P_to_Field(Circuit& c)
{
    if (c.Levels.empty())
        c.Levels.resize(1);
    LevelRecord& L = c.Levels[0];
    L.Field.Redim(c.MaxX + 1, c.MaxY + 1);
    L.Width = c.MaxX;
    L.Height = c.MaxY;
    for (int x = 0; x <= c.MaxX; ++x)
        for (int y = 0; y <= c.MaxY; ++y)
            if (c.P.Contains(x, y) && c.P(x, y).Type != 0)
                L.Field(x, y) = c.P(x, y);
    L.Elements.clear();
    SetElementCount(L, c.ElementCount());
    for (int i = 1; i <= c.ElementCount() && static_cast<size_t>(i) < c.Elements.size(); ++i)
        L.Elements[static_cast<size_t>(i)] = c.Elements[static_cast<size_t>(i)];
}

void CheckElements(const Engine& en, int x, int y, int t)
{
    CheckElementsAt(en, x, y, t, en.CurrentLevel);
}

int LowestLevel(const CircuitTables& t)
{
    int deepest = -1;
    const int ub = t.LevelUBound();
    for (int i = 0; i <= ub && static_cast<size_t>(i) < t.ICInstances.size(); ++i)
        deepest = std::max<int>(deepest, t.ICInstances[static_cast<size_t>(i)].NestingLevel);
    return deepest < 0 ? 1 : deepest + 1;
}

void ShowLevel(const Engine& en, int16_t n)
{
    if (n < 0 || static_cast<size_t>(n) >= en.circuit.Levels.size())
        return;
    const LevelRecord& L = en.circuit.Levels[static_cast<size_t>(n)];
    if (en.ports.levels) {
        en.ports.levels->SetLevelLabel(n == 0 ? LoadResString(2543)
                                      : (static_cast<size_t>(n) < en.circuit.ICInstances.size()
                                             ? en.circuit.ICInstances[static_cast<size_t>(n)].Name
                                             : QString()));
    }
    en.circuit.P.Redim(L.Width + 1, L.Height + 1);
    for (int x = 0; x <= L.Width; ++x)
        for (int y = 0; y <= L.Height; ++y)
            if (L.Field.Contains(x, y))
                en.circuit.P(x, y) = L.Field(x, y);
    en.circuit.MaxX = L.Width;
    en.circuit.MaxY = L.Height;
    const size_t count = static_cast<size_t>(std::max<int>(L.ElementCount(), 0)) + 1;
    en.circuit.Elements.assign(L.Elements.begin(), L.Elements.begin() + static_cast<std::ptrdiff_t>(std::min(count, L.Elements.size())));
    SetElementCount(en.circuit, static_cast<int16_t>(std::max<size_t>(en.circuit.Elements.size(), 1) - 1));

    if (ICViewPort* v = en.ports.icView) {
        v->UnloadICConnectorLabels();
        if (static_cast<size_t>(n) < en.circuit.ICInstances.size()) {
            const ICInstanceRecord& ic = en.circuit.ICInstances[static_cast<size_t>(n)];
            for (int k = 1; k <= ic.PinCount && k < ic.PinStates.size(); ++k)
                v->LoadICConnectorLabel(k, GetField(ic.PinStates[k], 3));
        }
    }

    en.CurrentLevel = n;
    en.engine.InnerLevelShown = kTrue;
    ShowWhole(en, n);
    en.CurrentLevel = n;
    if (n == 0)
        en.engine.InnerLevelShown = kFalse;
}

void RefreshTreeView(const Engine& en, int16_t& first, int16_t& last)
{
    LevelPort* w = en.ports.levels;
    if (!w)
        return;
    // The tree's keys are kept here, so that nothing asks the tree what it holds.
    auto addNode = [&en, w](const QString& parent, const QString& key, const QString& text) {
        en.LevelTreeKeys.append(key);
        w->AddLevelNode(parent, key, text);
    };
    const QString root = LoadResString(2543);
    if (first < 1 || last < 1) {
        w->ClearLevelTree();
        en.LevelTreeKeys.clear();
        first = 1;
        last = en.circuit.LevelUBound();
        addNode(QString(), root, root);
    }
    std::vector<bool> marked(en.circuit.ICInstances.size() + 1, false);
    auto mark = [&](int i) {
        if (i >= 0 && static_cast<size_t>(i) < marked.size())
            marked[static_cast<size_t>(i)] = true;
    };
    auto isMarked = [&](int i) { return i >= 0 && static_cast<size_t>(i) < marked.size() && marked[static_cast<size_t>(i)]; };
    auto key = [](int i) { return QStringLiteral("IC") + NumToStr(i); };
    auto name = [&](int i) {
        return static_cast<size_t>(i) < en.circuit.ICInstances.size() ? en.circuit.ICInstances[static_cast<size_t>(i)].Name : QString();
    };

    for (int n = first; n <= last; ++n) {
        if (static_cast<size_t>(n) >= en.circuit.Levels.size() || static_cast<size_t>(n) >= en.circuit.ICInstances.size())
            break;
        const LevelRecord& L = en.circuit.Levels[static_cast<size_t>(n)];
        if (L.Width < 1 || L.Height < 1)
            continue;
        if (en.circuit.ICInstances[static_cast<size_t>(n)].NestingLevel == 0 && !en.LevelTreeKeys.contains(key(n))) {
            addNode(root, key(n), name(n));
            mark(n);
        }
        for (int x = 0; x <= L.Width; ++x) {
            for (int y = 0; y <= L.Height; ++y) {
                if (!L.Field.Contains(x, y))
                    continue;
                const int m = L.Field(x, y).ICLink;
                if (m == 0 || isMarked(m) || en.LevelTreeKeys.contains(key(m)))
                    continue;
                mark(m);
                addNode(key(n), key(m), name(m));
            }
        }
    }
    w->ExpandAndSelectLevelRoot();
}

bool ExistKey(const Engine& en, const QString& key)
{
    return en.ports.levels && en.LevelTreeKeys.contains(key);
}

int16_t LevelOfTreeKey(const QString& key)
{
    const double v = Val(key.mid(2));
    if (!(v >= 0) || v > INT16_MAX)
        return 0;
    return static_cast<int16_t>(v);
}

void LevelTreeClick(const Engine& en, const QString& key)
{
    // While the power is off level 0 is empty and the worksheet holds the
    // only copy of the circuit: showing any level would replace it.
    if (en.engine.PowerFlag == 0)
        return;
    ShowLevel(en, LevelOfTreeKey(key));
}
