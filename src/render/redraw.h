#pragma once
// Turning the circuit's tables into the picture: one component, the whole
// worksheet, or a rectangle of cells, through the drawing object.
#include <cstdint>

struct Circuit;
struct CircuitRun;
struct ProgramState;
struct SheetScale;
class clsGrafik;
class StatusPort;
class ICViewPort;
class WorksheetPort;
struct Ports;

// What drawing the sheet reads of the editor beside the circuit run: the
// zoom, the level shown (the element pass sets it back to the worksheet
// unless an inner level is shown), the clock picked in the clock window,
// whether grid dots are shown, and the windows it reports to. The scale is
// the one the drawing object draws at (printing sets the page's zoom in it).
struct ShownSheet {
    SheetScale& scale;
    int16_t& level;
    int16_t selectedClock = 0;
    bool showGrid = false;
    Ports& ports;
};
// The editor's values for it.
ShownSheet ShownSheetOf(ProgramState& s);

// Element e is the clock generator selected (slot `selected`) while the power is on.
bool IsSelectedClock(const CircuitRun& s, int16_t selected, int16_t e);

// Draws the component that covers cell (x, y); a text label only without noText.
// outline draws the gates, decoder, flip-flop and IC without their insides.
void DrawElement(CircuitRun& run, const ShownSheet& shown, clsGrafik& objGrafik, int16_t x, int16_t y, bool noText,
                 bool outline);
void DrawElement(ProgramState& s, clsGrafik& objGrafik, int16_t x, int16_t y, bool noText, bool outline);

// Clears and redraws the whole worksheet; with the power on the cell signals
// are taken from Levels(level) first. On the printer nothing is cleared or sized.
void RedrawAllElements(ProgramState& s, clsGrafik& objGrafik, int16_t level);
void RedrawAllElements(CircuitRun& run, const ShownSheet& shown, clsGrafik& objGrafik, int16_t level);

// Clears and redraws the cells x1..x2, y1..y2 (clamped into the grid; the
// clamped corners are written back). Each element is drawn once per call.
void RedrawArea(ProgramState& s, clsGrafik& objGrafik, int16_t& x1, int16_t& y1, int16_t& x2,
                int16_t& y2, bool noText);
void RedrawArea(CircuitRun& run, const ShownSheet& shown, clsGrafik& objGrafik, int16_t& x1, int16_t& y1,
                int16_t& x2, int16_t& y2, bool noText);

// The parts of the full redraw, also for drawing the sheet elsewhere:
// the shown level's signals into the worksheet grid (power on);
void CopyLevelSignals(Circuit& c, int16_t level);
// conductor runs (from LineMap), grid dots, markers, switches and connector
// marks, column by column (progress and connector labels through the ports
// when given);
void DrawSheetCells(CircuitRun& run, const ShownSheet& shown, clsGrafik& objGrafik, StatusPort* status,
                    ICViewPort* icView);
// and every component.
void DrawSheetElements(CircuitRun& run, const ShownSheet& shown, clsGrafik& objGrafik);
