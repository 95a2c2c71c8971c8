#pragma once
// Turning the circuit's tables into the picture: one component, the whole
// worksheet, or a rectangle of cells, through the drawing object.
#include <cstdint>

struct Circuit;
struct ProgramState;
class clsGrafik;
class StatusPort;
class ICViewPort;

// Draws the component that covers cell (x, y); a text label only without noText.
// outline draws the gates, decoder, flip-flop and IC without their insides.
void DrawElement(ProgramState& s, clsGrafik& objGrafik, int16_t x, int16_t y, bool noText, bool outline);

// Clears and redraws the whole worksheet; with the power on the cell signals
// are taken from Levels(level) first. On the printer nothing is cleared or sized.
void RedrawAllElements(ProgramState& s, clsGrafik& objGrafik, int16_t level);

// Clears and redraws the cells x1..x2, y1..y2 (clamped into the grid; the
// clamped corners are written back). Each element is drawn once per call.
void RedrawArea(ProgramState& s, clsGrafik& objGrafik, int16_t& x1, int16_t& y1, int16_t& x2,
                int16_t& y2, bool noText);

// The parts of the full redraw, also for drawing the sheet elsewhere:
// the shown level's signals into the worksheet grid (power on);
void CopyLevelSignals(Circuit& c, int16_t level);
// conductor runs (from LineMap), grid dots, markers, switches and connector
// marks, column by column (progress and connector labels through the ports
// when given);
void DrawSheetCells(ProgramState& s, clsGrafik& objGrafik, StatusPort* status, ICViewPort* icView);
// and every component.
void DrawSheetElements(ProgramState& s, clsGrafik& objGrafik);
