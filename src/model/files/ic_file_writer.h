#pragma once
// Writing the IC being defined as an IC definition file.
#include <QByteArray>

struct Circuit;
struct CellRect;
struct ProgramState;
class UserDialogs;

// The file's bytes: the cells and elements of the worksheet relative to the
// crop box (the used area), the connectors, outline, graphic connectors,
// nested ICs, tags and notes.
QByteArray ICFileBytes(const Circuit& s, const CellRect& crop);
// Writes the IC being defined as IC directory + ICName + ".icd", which then
// becomes CircuitFilePath. The caller has computed the crop box and shifted
// the element pins. A name that is no plain file name, or a failed write, is
// reported and leaves any old file unchanged; false then.
bool SaveIC(ProgramState& s, UserDialogs& dialogs);
