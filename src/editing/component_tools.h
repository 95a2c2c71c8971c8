#pragma once
// The editor's column of the component rows (model/components.h): how a
// click places a component of each kind at the cursor and removes one, and
// which of its pins take a negation marker and whether its popup edits it.
// Keyed by element type.
#include <cstdint>

struct PlacementContext;

// Places at (CursorX, CursorY) with PlaceOrientation; removes the element
// under the cursor (its pins parsed into the pin tables).
using PlaceRoutine = void (*)(PlacementContext&);
using RemoveRoutine = void (*)(PlacementContext&);

// Pins a negation marker can go on: none, every pin, or a flip-flop's J and K.
enum class NegatablePins : uint8_t { None, All, JAndK };

struct ComponentTools {
    PlaceRoutine place = nullptr;   // null: the placing tool does not place it by a click
    RemoveRoutine remove = nullptr; // null: no element record of it sits on a cell
    NegatablePins negatable = NegatablePins::None;
    bool editable = false; // its popup offers "Ändern" (the text label)
};

// The row of element type `type`; the empty row for other codes.
const ComponentTools& ToolsOf(uint8_t type);
