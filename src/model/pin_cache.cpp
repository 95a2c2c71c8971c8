#include "model/pin_cache.h"

#include "model/field_list.h"
#include "model/pin_lists.h"
#include "model/circuit_run.h"
#include "platform/numeric.h"

const CachedPins& ParsePinsCached(const CircuitTables& t, EngineState& g, int c, int level)
{
    static const CachedPins kNone{};
    if (g.PowerFlag == 0) {
        if (c <= 0 || static_cast<size_t>(c) >= t.Elements.size())
            return kNone;
        CachedPins& p = g.ScratchPins;
        const ElementRecord& r = t.Elements[static_cast<size_t>(c)];
        p.InputCount = ParsePinList(r.InPinList, p.In);
        p.OutputCount = ParsePinList(r.OutPinList, p.Out);
        p.Orientation = r.Orientation;
        p.valid = true;
        return p;
    }
    const CachedPins* cached = PowerOnPins(t, g, c, level);
    return cached != nullptr ? *cached : kNone;
}

const CachedPins& ParsePinsCached(CircuitRun& s, int c, int level)
{
    const CachedPins& p = ParsePinsCached(s.circuit, s.engine, c, level);
    // An element number outside the table leaves the shared tables alone.
    if (p.valid) {
        s.InputPins = p.In;
        s.InputPinCount = p.InputCount;
        s.OutputPins = p.Out;
        s.OutputPinCount = p.OutputCount;
    }
    return p;
}

const CachedPins* PowerOnPins(const CircuitTables& t, EngineState& g, int c, int level)
{
    if (g.PowerFlag == 0 || level < 0 || static_cast<size_t>(level) >= t.Levels.size())
        return nullptr;
    const LevelRecord& lv = t.Levels[static_cast<size_t>(level)];
    if (c <= 0 || static_cast<size_t>(c) >= lv.Elements.size())
        return nullptr;
    if (g.PinCache.size() <= static_cast<size_t>(level))
        g.PinCache.resize(static_cast<size_t>(level) + 1);
    auto& row = g.PinCache[static_cast<size_t>(level)];
    if (row.size() < lv.Elements.size())
        row.resize(lv.Elements.size());
    CachedPins& p = row[static_cast<size_t>(c)];
    if (!p.valid) {
        const ElementRecord& r = lv.Elements[static_cast<size_t>(c)];
        p.InputCount = ParsePinList(r.InPinList, p.In);
        p.OutputCount = ParsePinList(r.OutPinList, p.Out);
        p.Orientation = r.Orientation;
        p.valid = true;
    }
    return &p;
}

const CachedPins* PowerOnPins(CircuitRun& s, int c, int level)
{
    return PowerOnPins(s.circuit, s.engine, c, level);
}

CachedCell ConnectorCell(const CircuitTables& t, EngineState& g, int n, int k)
{
    auto read = [&] {
        const QString& ps = t.ICInstances[static_cast<size_t>(n)].PinStates[k];
        return CachedCell{true, static_cast<int>(Val(GetField(ps, 1))), static_cast<int>(Val(GetField(ps, 2)))};
    };
    if (g.PowerFlag == 0)
        return read();
    if (g.ConnectorCells.size() <= static_cast<size_t>(n))
        g.ConnectorCells.resize(static_cast<size_t>(n) + 1);
    auto& row = g.ConnectorCells[static_cast<size_t>(n)];
    if (row.size() <= static_cast<size_t>(k))
        row.resize(static_cast<size_t>(k) + 1);
    CachedCell& cell = row[static_cast<size_t>(k)];
    if (!cell.valid)
        cell = read();
    return cell;
}

void ClearPinCache(EngineState& g)
{
    g.PinCache.clear();
    g.ConnectorCells.clear();
}
