#pragma once
// What the main window's file commands run.
#include <QString>

struct ProgramState;
class UserDialogs;

// File > Open and the toolbar's Open: the open dialog, then the redraw.
void mOpen_Click(ProgramState& s, UserDialogs& dialogs);
// File > Save: to the open file, or through the save dialog for a new circuit.
void mSave_Click(ProgramState& s, UserDialogs& dialogs);
// File > Save as.
void mSaveAs_Click(ProgramState& s, UserDialogs& dialogs);
// Recent-file item index (0..3): loads LastFiles(index) and redraws.
void OpenRecentFile(ProgramState& s, UserDialogs& dialogs, int index);
// At start-up: loads the command-line file ladeDatei, if any, and clears it.
void LoadStartupFile(ProgramState& s, UserDialogs& dialogs, QString& ladeDatei);
