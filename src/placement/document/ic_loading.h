#pragma once
// Loading an IC into the program's circuit: the slot is CurrentLevel, the
// files come from the IC directory, and the status bar and the worksheet's
// pointer tell of a long load.
#include <QString>
#include <cstdint>

#include "model/files/ic_file.h"

struct ProgramState;
class UserDialogs;

// LoadIC into slot CurrentLevel; leaves CurrentLevel at the last slot filled
// and counts the nested ICs on in ICLoadDepth.
bool LoadIC(ProgramState& s, UserDialogs* dialogs, const QString& name, uint8_t depth);
// LoadICStrict the same way.
bool LoadICStrict(ProgramState& s, UserDialogs* dialogs, const QString& name, uint8_t depth);
