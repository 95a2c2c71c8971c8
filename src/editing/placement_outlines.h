#pragma once
// The outlines that follow the pointer while a placing tool is chosen: where
// the component would stand if placed at the cursor cell. The ShowRahmen
// functions only compute the geometry, in drawing units at the given zoom
// (the worksheet's cell size and zoom factor).
#include <array>
#include <cstdint>

#include "model/geometry.h"
#include "model/records.h"

struct ProgramState;
struct WorksheetOverlay;

struct OutlineRect {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    bool operator==(const OutlineRect&) const = default;
};

struct OutlineSegment {
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
    bool operator==(const OutlineSegment&) const = default;
};

// The cell the component is anchored at and the way it turns.
struct OutlineSpot {
    int X = 0;
    int Y = 0;
    ::Orientation Orientation = ::Orientation::Right;
};

// Two rows (or columns) and a half high, `length` cells long from the anchor
// away from the outputs.
OutlineRect ShowRahmenStrip(const SheetScale& scale, OutlineSpot at, int length);
OutlineRect ShowRahmenSRegister(const SheetScale& scale, OutlineSpot at);
// Clock generator and the adders.
OutlineRect ShowRahmenTimer(const SheetScale& scale, OutlineSpot at);
OutlineRect ShowRahmenFlipFlop(const SheetScale& scale, OutlineSpot at);
OutlineRect ShowRahmenMultiplexer(const SheetScale& scale, OutlineSpot at);
OutlineRect ShowRahmenInverter(const SheetScale& scale, OutlineSpot at);
// AND, OR, XOR and the tri-state gate with `inputs` inputs; two inputs take
// the rows of three.
OutlineRect ShowRahmenAndOrXor(const SheetScale& scale, OutlineSpot at, int inputs);
// The decoder's trapezium: its narrow and its wide side, then the two sides
// joining their ends.
std::array<OutlineSegment, 4> ShowRahmenDecoder(const SheetScale& scale, OutlineSpot at);
// IC and seven-segment display, w x h cells, centred on the anchor's row.
OutlineRect ShowRahmenIC(const SheetScale& scale, OutlineSpot at, int16_t w, int16_t h);

// The tool shows an outline while it is chosen.
bool HasPlacementOutline(ToolCode tool);

// Moves the outline of the current tool to the cursor cell: the area frame
// for the components, the decoder lines, or the box of the LED and switch
// tools. An outline hides where it would stand on a component, for the tools
// whose anchor is a single cell. Also notes whether the next gate has two
// inputs. False for a tool without an outline.
bool ShowPlacementOutline(ProgramState& s, WorksheetOverlay& o);
