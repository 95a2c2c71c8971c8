#pragma once
// Saving the IC being defined: the checks before it, the crop box of the
// used worksheet area, and the write of a cropped copy, so that the circuit
// on the worksheet never moves and a failed write can simply be tried again.
#include <QString>
#include <QStringList>
#include <cstdint>

struct Circuit;
struct ProgramState;
class UserDialogs;

// The used area of the worksheet (cells whose type is not 0) with a margin
// of two cells, except where the worksheet ends.
struct CropBox {
    int16_t minX = 0, maxX = 0, minY = 0, maxY = 0;
};
CropBox CropICArea(const Circuit& s);

// The IC names the circuit uses at any depth: those loaded with it and those
// their definition files in `icDirectory` name now.
QStringList ICsUsedAtAnyDepth(const Circuit& s, const QString& icDirectory);

enum class SaveICOutcome {
    Saved,
    NotPlaced,       // no connector, or not every connector, on the outline
    ClockGenerator,  // the circuit holds a clock generator
    NoName,          // the name box is empty: the focus goes there
    BadName,         // the name is no plain file name
    ContainsItself,  // the circuit uses an IC of this name
    WriteFailed,     // reported by the writer
};

// The save command with the name in the name box: checks in order, each
// failure reported in a message; then writes a cropped copy of the circuit
// as IC directory + name + ".icd", reports success, and keeps the crop box
// and the file's path. The worksheet circuit is left as it was.
SaveICOutcome SaveICDefinition(ProgramState& s, UserDialogs& dialogs, const QString& name);

// The message of each outcome; empty for Saved and WriteFailed.
QString SaveICMessage(SaveICOutcome outcome, const QString& name);
