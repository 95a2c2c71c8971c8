#include "model/pin_cache.h"

#include "model/field_list.h"
#include "model/pin_lists.h"
#include "model/circuit_run.h"
#include "platform/numeric.h"

const CachedPins& ParsePinsCached(CircuitRun& s, int c, int level)
{
    static const CachedPins kNone{};
    EngineState& g = s.engine;
    if (g.PowerFlag == 0) {
        if (c <= 0 || static_cast<size_t>(c) >= s.Elements.size())
            return kNone;
        CachedPins& p = g.ScratchPins;
        const ElementRecord& r = s.Elements[c];
        p.InputCount = ParsePinList(r.InPinList, p.In);
        p.OutputCount = ParsePinList(r.OutPinList, p.Out);
        p.Orientation = r.Orientation;
        p.valid = true;
        s.InputPins = p.In;
        s.InputPinCount = p.InputCount;
        s.OutputPins = p.Out;
        s.OutputPinCount = p.OutputCount;
        return p;
    }
    const CachedPins* cached = PowerOnPins(s, c, level);
    if (!cached)
        return kNone;
    s.InputPins = cached->In;
    s.InputPinCount = cached->InputCount;
    s.OutputPins = cached->Out;
    s.OutputPinCount = cached->OutputCount;
    return *cached;
}

const CachedPins* PowerOnPins(CircuitRun& s, int c, int level)
{
    EngineState& g = s.engine;
    LevelRecord* lv = LevelAt(s, level);
    if (g.PowerFlag == 0 || !lv || c <= 0 || static_cast<size_t>(c) >= lv->Elements.size())
        return nullptr;
    if (g.PinCache.size() <= static_cast<size_t>(level))
        g.PinCache.resize(static_cast<size_t>(level) + 1);
    auto& row = g.PinCache[level];
    if (row.size() < lv->Elements.size())
        row.resize(lv->Elements.size());
    CachedPins& p = row[c];
    if (!p.valid) {
        const ElementRecord& r = lv->Elements[c];
        p.InputCount = ParsePinList(r.InPinList, p.In);
        p.OutputCount = ParsePinList(r.OutPinList, p.Out);
        p.Orientation = r.Orientation;
        p.valid = true;
    }
    return &p;
}

CachedCell ConnectorCell(CircuitRun& s, int n, int k)
{
    auto read = [&] {
        const QString& ps = s.ICInstances[n].PinStates[k];
        return CachedCell{true, static_cast<int>(Val(GetField(ps, 1))), static_cast<int>(Val(GetField(ps, 2)))};
    };
    EngineState& g = s.engine;
    if (g.PowerFlag == 0)
        return read();
    if (g.ConnectorCells.size() <= static_cast<size_t>(n))
        g.ConnectorCells.resize(static_cast<size_t>(n) + 1);
    auto& row = g.ConnectorCells[n];
    if (row.size() <= static_cast<size_t>(k))
        row.resize(static_cast<size_t>(k) + 1);
    CachedCell& cell = row[k];
    if (!cell.valid)
        cell = read();
    return cell;
}

void ClearPinCache(CircuitRun& s)
{
    s.engine.PinCache.clear();
    s.engine.ConnectorCells.clear();
}
