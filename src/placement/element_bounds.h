#pragma once
// The cells an element covers as the editor walks them, and the selection
// marker over it: both fall back on or write the editor's fields (the cursor,
// the markers' positions).
#include <cstdint>

struct CircuitRun;
struct ProgramState;

// Bounding column or row of element c, walked through P from its first input
// pin. For c < 1: the cursor's column or row, which the caller passes.
int16_t GetElementLeft(const CircuitRun& s, int16_t c, int16_t cursorX);
int16_t GetElementTop(const CircuitRun& s, int16_t c, int16_t cursorY);
int16_t GetElementRight(const CircuitRun& s, int16_t c, int16_t cursorX);
int16_t GetElementBottom(const CircuitRun& s, int16_t c, int16_t cursorY);

// Where the selection marker k goes over element c. Width and height are not
// rounded: the marker widget takes them as they come.
struct SelLabelRect {
    int16_t Left = 0;
    int16_t Top = 0;
    double Width = 0;
    double Height = 0;
};
// Computes the marker rectangle of element c and stores its left and top in
// SelLabelPos(k), growing the table when k is beyond it.
SelLabelRect PositionSelLabel(ProgramState& s, int16_t c, int16_t k);
