#pragma once
// Worksheet size: applying the size typed in the size boxes, and the
// gate-input count box beside them.
#include <QString>
#include <cstdint>

struct Circuit;
struct ProgramState;

// A typed size box value held to 10..200 cells (text without a number counts as 0).
QString ClampSizeText(const QString& text);
// Resizes the worksheet grid of `c` to w x h cells keeping its contents. A
// shrink never drops an occupied cell: it is raised to keep one empty row or
// column after the last occupied one, or to the current size when that is
// the last one. False when nothing changed.
bool ResizeSheet(Circuit& c, int16_t w, int16_t h);
// ResizeSheet on the program's circuit; then fills the size boxes (also when
// the size was held) and redraws through the window.
bool SetNewSize(ProgramState& s, int16_t w, int16_t h);

// The texts of the width box txtX and the height box txtY.
struct SizeBoxTexts {
    QString txtX;
    QString txtY;
    bool operator==(const SizeBoxTexts&) const = default;
};
enum class SizeBox { Width, Height };

// Enter in a size box, or leaving it: that box's text held to 10..200, then
// both boxes applied. Returns what the boxes show afterwards: the applied
// size, or the texts as they were when the size did not change.
SizeBoxTexts CommitSizeBox(ProgramState& s, SizeBoxTexts boxes, SizeBox which);
// An up-down click: the box's value moved by step cells (-5 down, +5 up),
// then committed like Enter.
SizeBoxTexts StepSizeBox(ProgramState& s, SizeBoxTexts boxes, SizeBox which, int step);

// Enter in the gate-input box, or leaving it: the count held to 2..15 and
// written with a leading blank (" 2").
QString ValidateGateInputs(const QString& text);
// An up-down click on the gate-input count, after the up-down moved its own
// value: the value held to 2..15 and the box text it writes ("2").
struct GateInputsStep {
    int value = 2;
    QString text;
};
GateInputsStep GateInputsUpDown(int value);
