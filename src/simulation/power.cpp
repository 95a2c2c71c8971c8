#include <algorithm>
#include <climits>
#include <QString>
#include <vector>

#include "model/circuit_tables.h"
#include "model/field_list.h"
#include "model/geometry.h"
#include "model/ports/all_ports.h"
#include "placement/document/tool_selection.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/timers.h"
#include "simulation/engine.h"

namespace {

constexpr int kCustomPointer = 99;
constexpr int kArrowPointer = 1;

inline int StepX(int dir) { return dir == 1 ? -1 : (dir == 2 ? 1 : 0); }
inline int StepY(int dir) { return dir == 3 ? -1 : (dir == 4 ? 1 : 0); }

void PumpEvents(EngineContext& e)
{
    if (e.waitHooks.pumpEvents)
        e.waitHooks.pumpEvents();
}

// The whole of level n shown: drawn at once, before anything changes further.
void ShowWhole(ProgramState& s, int16_t n)
{
    if (s.Changes.Watched()) {
        s.Changes.Level(n);
        s.Changes.Flush();
    } else if (s.ports.worksheet) {
        s.ports.worksheet->RedrawAllElements();
    }
}

bool SamePin(const PinPos& p, int x, int y) { return p.X == x && p.Y == y; }

int PinIndex(const PinTable& t, int count, int x, int y)
{
    for (int k = 0; k < count && k < kPinTableSize; ++k)
        if (SamePin(t[static_cast<size_t>(k)], x, y))
            return k + 1;
    return 0;
}

bool FlagOnSide(const GridCell& c, int side)
{
    switch (side) {
    case 1: return c.ConLeft != 0;
    case 2: return c.ConRight != 0;
    case 3: return c.ConUp != 0;
    case 4: return c.ConDown != 0;
    default: return false;
    }
}

// Latches, stages and held-back events belong to one power-on; the IC levels
// outlive it, so they are cleared in every level when the power comes on.
void ClearRunState(ProgramState& s)
{
    for (LevelRecord& lv : s.Levels) {
        for (int x = 0; x <= lv.Field.UBoundX(); ++x)
            for (int y = 0; y <= lv.Field.UBoundY(); ++y)
                lv.Field(x, y).PostponeCount = 0;
        for (ElementRecord& r : lv.Elements) {
            r.StageWords.fill(0);
            r.State = 0;
        }
    }
}

void StopTimers(ProgramState& s, EngineContext& e)
{
    for (ClockSlot& c : s.Clocks)
        c.ClockTrigger = kFalse;
    if (e.Timer1)
        e.Timer1->setEnabled(false);
}

// The initial output of one component of level lv; CurrentLevel is left alone.
void CheckElementsAt(ProgramState& s, EngineContext& e, int x, int y, int t, int lv)
{
    if (lv < 0 || static_cast<size_t>(lv) >= s.Levels.size())
        return;
    LevelRecord& L = s.Levels[static_cast<size_t>(lv)];
    if (!L.Field.Contains(x, y))
        return;
    const int n = L.Field(x, y).ElementNr;
    if (n <= 0 || static_cast<size_t>(n) >= L.Elements.size())
        return;
    const int o = L.Elements[static_cast<size_t>(n)].Orientation;
    const int sx = StepX(o), sy = StepY(o);
    const CachedPins pins = ParsePinsCached(s, n, lv);
    s.engine.StepCount = 0;

    auto cell = [&](int cx, int cy) -> GridCell* {
        LevelRecord& level = s.Levels[static_cast<size_t>(lv)];
        return level.Field.Contains(cx, cy) ? &level.Field(cx, cy) : nullptr;
    };
    const int inPin = PinIndex(pins.In, pins.InputCount, x, y);
    const int outPin = PinIndex(pins.Out, pins.OutputCount, x, y);

    switch (t) {
    case ElementType::Inverter: {
        if (inPin != 1)
            return;
        const GridCell* in = cell(x, y);
        const int v = in->Value != kTrue ? 1 : 0;
        if (GridCell* out = cell(x + sx, y + sy))
            out->Value = v ? kTrue : kFalse;
        QueueEvent(s, x + 2 * sx, y + 2 * sy, o, v, lv);
        if (pins.OutputCount >= 1)
            SetWireSignal(s, lv, pins.Out[0].X, pins.Out[0].Y, o, v ? kTrue : kFalse);
        Simulate(s, e);
        return;
    }
    case ElementType::Decoder: {
        if (inPin != 3 || pins.InputCount < 3)
            return;
        const GridCell* a0 = cell(pins.In[0].X, pins.In[0].Y);
        const int v = (a0 && a0->Value == kTrue) ? 0 : 1;
        if (v == 1 && pins.OutputCount >= 1)
            if (GridCell* out = cell(pins.Out[0].X, pins.Out[0].Y))
                out->Value = kTrue;
        int dx = 0, dy = 0;
        switch (o) {
        case 1: dx = -3; dy = -4; break;
        case 2: dx = 3; dy = -4; break;
        case 3: dx = 4; dy = -3; break;
        case 4: dx = 4; dy = 3; break;
        default: break;
        }
        QueueEvent(s, x + dx, y + dy, o, v, lv);
        if (pins.OutputCount >= 1)
            SetWireSignal(s, lv, pins.Out[0].X, pins.Out[0].Y, o, v ? kTrue : kFalse);
        Simulate(s, e);
        return;
    }
    case ElementType::AND:
    case ElementType::OR:
    case ElementType::XOR: {
        const GridCell* c = cell(x, y);
        if (inPin > 0 && c->Marker == kTrue) {
            QueueEvent(s, x, y, o, c->Value == kTrue ? 1 : 0, lv);
            Simulate(s, e);
            s.engine.InitDepth = 0;
        } else if (outPin == 1 && c->Marker == kTrue) {
            const int v = c->Value != c->Marker ? 1 : 0;
            SetWireSignal(s, lv, x, y, o, v ? kTrue : kFalse);
            if (pins.InputCount >= 1) {
                const GridCell* in1 = cell(pins.In[0].X, pins.In[0].Y);
                if (Evaluator f = e.evaluators[static_cast<size_t>(t)])
                    f(s, e, pins.In[0].X, pins.In[0].Y, o, (in1 && in1->Value == kTrue) ? 1 : 0, lv);
            }
            Simulate(s, e);
        }
        return;
    }
    case ElementType::FlipFlop: {
        GridCell* c = cell(x, y);
        if (outPin == 2) {
            c->Value = kTrue;
            if (FlagOnSide(*c, o)) {
                QueueEvent(s, x + sx, y + sy, o, 1, lv);
                SetWireSignal(s, lv, x, y, o, kTrue);
                Simulate(s, e);
            }
        } else if (inPin >= 1 && inPin <= 3 && c->Marker == kTrue) {
            QueueEvent(s, x, y, o, 0, lv);
            Simulate(s, e);
        }
        return;
    }
    default:
        return;
    }
}

void PowerOn(ProgramState& s, EngineContext& e)
{
    EngineState& g = s.engine;
    if (s.ports.worksheet)
        s.ports.worksheet->CommitLabelEdit();
    PumpEvents(e);
    SaveToolSelection(s);

    g.PowerFlag = kTrue;
    const uint32_t cycle = ++g.PowerCycle;
    g.PausedFlag = kFalse;
    g.AbortFlag = kFalse;
    StopTimers(s, e);
    SetRunState(s, RunState::SwitchingOn);
    if (s.ports.power)
        s.ports.power->ShowPowerPanel();
    if (s.ports.worksheet)
        s.ports.worksheet->SelectNone();
    if (s.ports.power)
        s.ports.power->ChangeGUI(false);
    s.ToolMode = ToolCode::SimulationRunning;
    SetWorksheetMousePointer(s, kCustomPointer);
    s.CurrentLevel = 0;

    Copy_P_to_Field(s);
    ClearPinCache(s);
    ClearRunState(s);
    g.EventLimit = EventLimit(s);
    PumpEvents(e);
    g.PendingEvents.resize(1);
    g.CurrentEvents.resize(1);

    auto interrupted = [&] { return g.PowerFlag == 0 || g.PowerCycle != cycle; };
    for (int d = LowestLevel(s); d >= 0; --d) {
        g.InitDepth = static_cast<int16_t>(d);
        for (int lv = 0; lv <= s.LevelUBound && static_cast<size_t>(lv) < s.Levels.size(); ++lv) {
            if (lv > 0) {
                if (static_cast<size_t>(lv) >= s.ICInstances.size() || s.Levels[static_cast<size_t>(lv)].Name.isEmpty()
                    || s.ICInstances[static_cast<size_t>(lv)].NestingLevel + 1 != d)
                    continue;
            } else if (d != 0) {
                continue;
            }
            for (int x = 0;; ++x) {
                if (interrupted())
                    return;
                if (x > s.Levels[static_cast<size_t>(lv)].Width)
                    break;
                // The empty cells of level 0 lose their grid dots, a column at
                // a time up to each component whose first output it draws.
                int dotsFrom = -1;
                auto dotsUpTo = [&](int last) {
                    if (dotsFrom >= 0 && g.InnerLevelShown == 0)
                        s.Changes.GridDots(x, dotsFrom, last);
                    dotsFrom = -1;
                };
                for (int y = 0;; ++y) {
                    if (interrupted())
                        return;
                    const LevelRecord& L = s.Levels[static_cast<size_t>(lv)];
                    if (y > L.Height) {
                        dotsUpTo(y - 1);
                        break;
                    }
                    if (!L.Field.Contains(x, y))
                        continue;
                    const uint8_t type = L.Field(x, y).Type;
                    if (lv == 0 && type == 0 && dotsFrom < 0)
                        dotsFrom = y;
                    if (type == ElementType::Inverter || type == ElementType::Decoder || type == ElementType::AND
                        || type == ElementType::OR || type == ElementType::XOR || type == ElementType::FlipFlop) {
                        dotsUpTo(y - 1);
                        g.InitDepth = static_cast<int16_t>(d);
                        if (g.InnerLevelShown == 0)
                            s.CurrentLevel = static_cast<int16_t>(lv);
                        CheckElementsAt(s, e, x, y, type, lv);
                        if (g.AbortFlag != 0) {
                            if (s.ports.power)
                                s.ports.power->SwitchPowerOff();
                            return;
                        }
                    }
                }
            }
        }
    }

    s.Changes.Flush();
    if (g.InnerLevelShown == 0)
        s.CurrentLevel = 0;
    g.InitDepth = 0;
    if (ProbePort* probes = s.ports.probes)
        probes->ClearAnalyserTraces();
    if (s.ports.power)
        s.ports.power->SetRunLamp(false);
    SetRunState(s, RunState::Ready);
}

void PowerOff(ProgramState& s, EngineContext& e)
{
    EngineState& g = s.engine;
    if (g.EngineBusy != 0)
        ClearQueues(s);
    // A pause does not outlive the power.
    g.PausedFlag = kFalse;
    SetRunState(s, RunState::SwitchingOff);
    if (s.ports.power) {
        s.ports.power->SetPauseEnabled(false);
        s.ports.power->SetStopEnabled(false);
    }
    if (s.CurrentLevel > 0 || g.InnerLevelShown != 0)
        ShowLevel(s, e, 0);
    s.CurrentLevel = 0;
    g.PowerFlag = kFalse;
    s.ToolMode = ToolCode::Select;
    SetWorksheetMousePointer(s, kArrowPointer);
    g.SwitchingOff = kTrue;

    if (e.Timer2) {
        for (auto& t : *e.Timer2) {
            if (t) {
                t->setEnabled(false);
                t->Tag = QStringLiteral("Stop");
            }
        }
    }
    StopTimers(s, e);
    if (s.ports.power)
        s.ports.power->ChangeGUI(true);
    g.CurrentEvents.resize(1);
    g.PendingEvents.resize(1);

    for (size_t lv = 0; lv < s.Levels.size(); ++lv) {
        if (lv != 0 && s.Levels[lv].Name.isEmpty())
            continue;
        LevelRecord& L = s.Levels[lv];
        for (int x = 0; x <= L.Width; ++x) {
            for (int y = 0; y <= L.Height; ++y) {
                if (!L.Field.Contains(x, y))
                    continue;
                GridCell& c = L.Field(x, y);
                c.Value = kFalse;
                c.WireSignalH = kFalse;
                c.WireSignalV = kFalse;
                if (lv != 0 || !s.P.Contains(x, y))
                    continue;
                GridCell& p = s.P(x, y);
                p.Value = kFalse;
                p.WireSignalH = kFalse;
                p.WireSignalV = kFalse;
                // The flip-flop at rest.
                if (c.Type == ElementType::FlipFlop && s.Changes.Watched()) {
                    const CachedPins& pins = ParsePinsCached(s, c.ElementNr, 0);
                    if (pins.InputCount >= 2 && SamePin(pins.In[1], x, y)
                        && c.ElementNr > 0 && static_cast<size_t>(c.ElementNr) < s.Elements.size())
                        s.Changes.Element(ElementType::FlipFlop, x, y,
                                          s.Elements[static_cast<size_t>(c.ElementNr)].Orientation);
                }
            }
        }
        if (lv < s.ICInstances.size()) {
            ICInstanceRecord& ic = s.ICInstances[lv];
            for (int k = 1; k <= ic.PinCount && k < ic.PinStates.size(); ++k) {
                const QString& ps = ic.PinStates[k];
                ic.PinStates[k] = GetField(ps, 1) + u';' + GetField(ps, 2) + u';' + GetField(ps, 3) + u';';
            }
        }
    }

    LevelRecord& L0 = s.Levels[0];
    L0.Field.Redim(0, 0);
    SetElementCount(L0, 0);
    L0.Elements[0] = ElementRecord{};
    L0.Width = 0;
    L0.Height = 0;
    ClearPinCache(s);

    g.SwitchingOff = kFalse;
    SetRunState(s, RunState::Off);
    ShowWhole(s, 0);
}

} // namespace

void PowerOnOff(ProgramState& s, EngineContext& e)
{
    if (s.Levels.empty())
        s.Levels.resize(1);
    if (s.engine.PowerFlag == 0)
        PowerOn(s, e);
    else if (s.engine.PowerFlag == kTrue)
        PowerOff(s, e);
    s.Changes.Flush();
}

void Copy_P_to_Field(ProgramState& s)
{
    if (s.Levels.empty())
        s.Levels.resize(1);
    LevelRecord& L = s.Levels[0];
    L.Field.Redim(s.MaxX + 1, s.MaxY + 1);
    L.Width = s.MaxX;
    L.Height = s.MaxY;
    for (int x = 0; x <= s.MaxX; ++x)
        for (int y = 0; y <= s.MaxY; ++y)
            if (s.P.Contains(x, y) && s.P(x, y).Type != 0)
                L.Field(x, y) = s.P(x, y);
    L.Elements.clear();
    SetElementCount(L, s.ElementCount());
    for (int i = 1; i <= s.ElementCount() && static_cast<size_t>(i) < s.Elements.size(); ++i)
        L.Elements[static_cast<size_t>(i)] = s.Elements[static_cast<size_t>(i)];
}

void CheckElements(ProgramState& s, EngineContext& e, int x, int y, int t)
{
    CheckElementsAt(s, e, x, y, t, s.CurrentLevel);
}

int LowestLevel(const ProgramState& s)
{
    int deepest = -1;
    for (int i = 0; i <= s.LevelUBound && static_cast<size_t>(i) < s.ICInstances.size(); ++i)
        deepest = std::max<int>(deepest, s.ICInstances[static_cast<size_t>(i)].NestingLevel);
    return deepest < 0 ? 1 : deepest + 1;
}

void ShowLevel(ProgramState& s, EngineContext&, int16_t n)
{
    if (n < 0 || static_cast<size_t>(n) >= s.Levels.size())
        return;
    const LevelRecord& L = s.Levels[static_cast<size_t>(n)];
    if (s.ports.levels) {
        s.ports.levels->SetLevelLabel(n == 0 ? LoadResString(2543)
                                      : (static_cast<size_t>(n) < s.ICInstances.size()
                                             ? s.ICInstances[static_cast<size_t>(n)].Name
                                             : QString()));
    }
    s.P.Redim(L.Width + 1, L.Height + 1);
    for (int x = 0; x <= L.Width; ++x)
        for (int y = 0; y <= L.Height; ++y)
            if (L.Field.Contains(x, y))
                s.P(x, y) = L.Field(x, y);
    s.MaxX = L.Width;
    s.MaxY = L.Height;
    const size_t count = static_cast<size_t>(std::max<int>(L.ElementCount(), 0)) + 1;
    s.Elements.assign(L.Elements.begin(), L.Elements.begin() + static_cast<std::ptrdiff_t>(std::min(count, L.Elements.size())));
    SetElementCount(s, static_cast<int16_t>(std::max<size_t>(s.Elements.size(), 1) - 1));

    if (ICViewPort* v = s.ports.icView) {
        v->UnloadICConnectorLabels();
        if (static_cast<size_t>(n) < s.ICInstances.size()) {
            const ICInstanceRecord& ic = s.ICInstances[static_cast<size_t>(n)];
            for (int k = 1; k <= ic.PinCount && k < ic.PinStates.size(); ++k)
                v->LoadICConnectorLabel(k, GetField(ic.PinStates[k], 3));
        }
    }

    s.CurrentLevel = n;
    s.engine.InnerLevelShown = kTrue;
    ShowWhole(s, n);
    s.CurrentLevel = n;
    if (n == 0)
        s.engine.InnerLevelShown = kFalse;
}

void RefreshTreeView(ProgramState& s, int16_t& first, int16_t& last)
{
    LevelPort* w = s.ports.levels;
    if (!w)
        return;
    // The tree's keys are kept here, so that nothing asks the tree what it holds.
    auto addNode = [&s, w](const QString& parent, const QString& key, const QString& text) {
        s.LevelTreeKeys.append(key);
        w->AddLevelNode(parent, key, text);
    };
    const QString root = LoadResString(2543);
    if (first < 1 || last < 1) {
        w->ClearLevelTree();
        s.LevelTreeKeys.clear();
        first = 1;
        last = s.LevelUBound;
        addNode(QString(), root, root);
    }
    std::vector<bool> marked(s.ICInstances.size() + 1, false);
    auto mark = [&](int i) {
        if (i >= 0 && static_cast<size_t>(i) < marked.size())
            marked[static_cast<size_t>(i)] = true;
    };
    auto isMarked = [&](int i) { return i >= 0 && static_cast<size_t>(i) < marked.size() && marked[static_cast<size_t>(i)]; };
    auto key = [](int i) { return QStringLiteral("IC") + NumToStr(i); };
    auto name = [&](int i) {
        return static_cast<size_t>(i) < s.ICInstances.size() ? s.ICInstances[static_cast<size_t>(i)].Name : QString();
    };

    for (int n = first; n <= last; ++n) {
        if (static_cast<size_t>(n) >= s.Levels.size() || static_cast<size_t>(n) >= s.ICInstances.size())
            break;
        const LevelRecord& L = s.Levels[static_cast<size_t>(n)];
        if (L.Width < 1 || L.Height < 1)
            continue;
        if (s.ICInstances[static_cast<size_t>(n)].NestingLevel == 0 && !s.LevelTreeKeys.contains(key(n))) {
            addNode(root, key(n), name(n));
            mark(n);
        }
        for (int x = 0; x <= L.Width; ++x) {
            for (int y = 0; y <= L.Height; ++y) {
                if (!L.Field.Contains(x, y))
                    continue;
                const int m = L.Field(x, y).ICLink;
                if (m == 0 || isMarked(m) || s.LevelTreeKeys.contains(key(m)))
                    continue;
                mark(m);
                addNode(key(n), key(m), name(m));
            }
        }
    }
    w->ExpandAndSelectLevelRoot();
}

bool ExistKey(const ProgramState& s, const QString& key)
{
    return s.ports.levels && s.LevelTreeKeys.contains(key);
}

int16_t LevelOfTreeKey(const QString& key)
{
    const double v = Val(key.mid(2));
    if (!(v >= 0) || v > INT16_MAX)
        return 0;
    return static_cast<int16_t>(v);
}

void LevelTreeClick(ProgramState& s, EngineContext& e, const QString& key)
{
    // While the power is off level 0 is empty and the worksheet holds the
    // only copy of the circuit: showing any level would replace it.
    if (s.engine.PowerFlag == 0)
        return;
    ShowLevel(s, e, LevelOfTreeKey(key));
}
