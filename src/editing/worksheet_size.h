#pragma once
// Worksheet size: applying the size typed in the size boxes.
#include <QString>
#include <cstdint>

struct ProgramState;

// A typed size box value held to 10..200 cells (text without a number counts as 0).
QString ClampSizeText(const QString& text);
// Resizes the worksheet to w x h cells keeping its contents. A shrink never
// drops an occupied cell: it is raised to keep one empty row or column after
// the last occupied one, or to the current size when that is the last one.
// Fills the size boxes and redraws through the window. False when nothing changed.
bool SetNewSize(ProgramState& s, int16_t w, int16_t h);
