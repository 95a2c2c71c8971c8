#pragma once
// Saving the IC being defined as its definition file.
struct ProgramState;
class UserDialogs;

// Writes the IC being defined as IC directory + ICName + ".icd", which then
// becomes CircuitFilePath. The caller has computed the crop box and shifted
// the element pins. A name that is no plain file name, or a failed write, is
// reported and leaves any old file unchanged; false then.
bool SaveIC(ProgramState& s, UserDialogs& dialogs);
