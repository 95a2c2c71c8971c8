#pragma once
// The cells an element covers as the editor walks them, and the selection
// marker over it: both fall back on or write the editor's fields (the cursor,
// the markers' positions).
#include <cstdint>

struct ProgramState;

// Bounding column or row of element c, walked through P from its first input
// pin. For c < 1: CursorX or CursorY.
int16_t GetElementLeft(ProgramState& s, int16_t c);
int16_t GetElementTop(ProgramState& s, int16_t c);
int16_t GetElementRight(ProgramState& s, int16_t c);
int16_t GetElementBottom(ProgramState& s, int16_t c);

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
