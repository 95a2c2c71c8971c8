#pragma once
// Opening and saving circuit files (an IC definition file opens for editing too).
#include <QString>

struct ProgramState;
class UserDialogs;

enum class LoadResult { Loaded, Cancelled, Failed };

// Loads the circuit or IC definition file at path; an empty path asks with
// the open dialog. A file that is missing, empty, unreadable as a circuit or
// lacks an IC is reported in one message and leaves the circuit in memory,
// its file names and the caption as they were. Redraws nothing: the caller
// does, once Loaded.
LoadResult LoadFile(ProgramState& s, UserDialogs& dialogs, const QString& path);

// Saves the circuit. quiet writes to the open file's name, and asks with the
// save dialog when the circuit has none; otherwise the save dialog always
// asks. A name without extension gets ".gtr". A failed write is reported and
// leaves the old file and FileSaved unchanged. False when nothing was saved.
bool SaveFile(ProgramState& s, UserDialogs& dialogs, bool quiet);
