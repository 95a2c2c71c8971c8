#pragma once
// What a circuit file holds, as one value: the grid with its conductor runs,
// the element table, the IC instances with their levels, the clock slots,
// and the tables of an IC definition. The program state holds the circuit
// in use; a scratch Circuit can stand beside it (a file being read, a preview).
#include <QString>
#include <QStringList>
#include <cstddef>
#include <memory>
#include <vector>

#include "model/records.h"

// The tables beside the grid: what an area delete changes beyond the cells,
// and what its undo puts back.
struct CircuitTables {
    std::vector<ElementRecord> Elements; // record 0 is always empty
    int16_t ElementCount() const { return ElementsAfterRecord0(Elements); }

    std::vector<LevelRecord> Levels;
    std::vector<ICInstanceRecord> ICInstances;
    // The slots in use are the levels 1.. that carry a name; a slot opened
    // for a load, or freed, has none. Both counts are read from the table.
    int16_t ICCount() const;
    int16_t LevelUBound() const { return ICCount(); }

    // Clock-generator slots, indexed 0..ClockCount-1 (slot 0 always exists).
    std::vector<ClockSlot> Clocks;
    uint8_t ClockCount = 0;
};

// Whether index i (taken from an int) lies inside v: compared in bytes,
// since the element count costs a division when the element's size is not a
// power of two.
template <typename V>
inline bool Holds(const V& v, size_t i)
{
    const auto bytes = static_cast<size_t>(reinterpret_cast<const char*>(std::to_address(v.end()))
                                           - reinterpret_cast<const char*>(v.data()));
    return i * sizeof(typename V::value_type) < bytes;
}

// Level `level` of the level table; null outside it.
inline LevelRecord* LevelAt(CircuitTables& t, int level)
{
    if (level < 0 || !Holds(t.Levels, static_cast<size_t>(level)))
        return nullptr;
    return &t.Levels[level];
}

// The cell (x, y) of `grid`; an empty cell outside it.
inline const GridCell& CellOr(const Grid& grid, int x, int y)
{
    static const GridCell empty;
    return grid.Contains(x, y) ? grid(x, y) : empty;
}

// Element e of the table; an empty record outside it.
inline const ElementRecord& ElementOr(const CircuitTables& t, int e)
{
    static const ElementRecord empty;
    return e >= 0 && Holds(t.Elements, static_cast<size_t>(e)) ? t.Elements[static_cast<size_t>(e)] : empty;
}

// The IC being defined (an IC definition file) or chosen for placing.
struct ICDefinition {
    QString ICName;
    int16_t ICWidth = 0;
    int16_t ICHeight = 0;
    QStringList ICPins{QString()};
    QStringList ICGraphicPins{QString()};
    int16_t ICPinCount = 0;
    QString ICNotes;
    // Tags of the IC window's connector labels ([Tags] lines), entry i for connector i.
    QStringList ICTags{QString()};
};

struct Circuit : CircuitTables, ICDefinition {
    int16_t MaxX = 50;
    int16_t MaxY = 30;
    // Worksheet grid, x 0..MaxX+1 and y 0..MaxY+1 (one spare column and row).
    Grid P;
    // The conductor runs found in the grid.
    Array2D<LineMapEntry> LineMap;
};
