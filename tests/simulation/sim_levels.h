#pragma once
// IC levels for the engine tests, built with the worksheet builder in a
// scratch state and copied into a slot of the level table.
#include <QString>
#include <functional>

#include "model/state.h"
#include "render/sheet_builder.h"

namespace simlevels {

// Fills slot `slot` with the circuit `build` makes on a width x height sheet.
// connectors are the PinStates entries ("x;y;name;"), counted from 1.
inline void AddLevel(ProgramState& s, int slot, const QString& name, int nesting, int parent, int width,
                     int height, const std::function<void(ProgramState&)>& build,
                     const QStringList& connectors = {})
{
    ProgramState t;
    sheet::NewSheet(t, width, height);
    build(t);
    ICInstanceRecord& ic = sheet::ICSlot(s, slot);
    LevelRecord& L = s.circuit.Levels[static_cast<size_t>(slot)];
    L.Name = name;
    L.Width = t.circuit.MaxX;
    L.Height = t.circuit.MaxY;
    L.Field = t.circuit.P;
    L.Elements = t.circuit.Elements;
    ic.Name = name;
    ic.NestingLevel = static_cast<uint8_t>(nesting);
    ic.ParentLevel = static_cast<uint8_t>(parent);
    ic.PinStates = QStringList{QString()} + connectors;
    ic.PinCount = static_cast<int16_t>(connectors.size());
}

} // namespace simlevels
