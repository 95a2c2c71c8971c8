#pragma once
// What the main window's file commands run.
#include <QString>
#include <functional>

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
// At start-up: loads the command-line file LadeDatei, if any, and clears it.
void LoadStartupFile(ProgramState& s, UserDialogs& dialogs, QString& LadeDatei);

// The question asked when a changed circuit is about to be replaced or
// closed; path is the current circuit's file, empty when it was never saved.
QString SaveQuestion(const QString& path);
// Whether a changed circuit may be replaced or closed. An unchanged circuit
// may at once; a changed one asks Yes / No / Cancel. Yes saves (save() returns
// false when the user cancelled its dialog or the write failed); Cancel or a
// save that did not happen keeps everything as it was.
bool ConfirmClose(ProgramState& s, UserDialogs& dialogs, const QString& path, const std::function<bool()>& save);
// The same question before a command replaces the circuit, saving to the
// circuit's own file on Yes.
bool ConfirmReplace(ProgramState& s, UserDialogs& dialogs);
