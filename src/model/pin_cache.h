#pragma once
// Pin lists of the elements, parsed once per power-on and kept per level.
#include "model/engine_state.h"

struct CircuitTables;
struct CircuitRun;

// Pins of element c of `level`, parsed once per power-on and kept. Also
// fills the shared tables InputPins/OutputPins and their counts, as the parsers do. While the power is on the pins always come
// from Levels(level), whatever level is shown; while it is off they are parsed
// from Elements each time. An element number outside the table leaves the
// shared tables alone and gives an empty entry.
const CachedPins& ParsePinsCached(CircuitRun& s, int c, int level);
// The same for the engine, leaving the shared tables alone: the cache while
// the power is on, the element table `t.Elements` parsed afresh while it is off.
const CachedPins& ParsePinsCached(const CircuitTables& t, EngineState& g, int c, int level);
// The cached pins of element c of `level` while the power is on, leaving the
// shared tables alone; null while it is off or for a number outside the table.
const CachedPins* PowerOnPins(CircuitRun& s, int c, int level);
const CachedPins* PowerOnPins(const CircuitTables& t, EngineState& g, int c, int level);
// The inner cell of connector k of IC level n: the column and row of its
// PinStates entry, read once per power-on while the power is on and afresh
// while it is off. k must be a valid connector number of that level.
CachedCell ConnectorCell(const CircuitTables& t, EngineState& g, int n, int k);
// Forgets every cached pin list and connector cell (power on and off do this).
void ClearPinCache(EngineState& g);
