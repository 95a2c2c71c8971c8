#pragma once
// Start-up checks before the main window, the working folder and directory
// check while it loads, and the save question when it closes.
#include <QString>
#include <functional>
#include <optional>

#include "settings/settings.h"

struct ProgramState;
class UserDialogs;

// The settings root, or the message 1203 and nothing when neither root has
// the key (the program must then end with a failure status).
std::optional<RegistryRoot> FindSettingsRoot(const RegistryLocations& where, UserDialogs& dialogs);

// Message 1207 when one of the two icon files is missing; start-up goes on.
void CheckIconFiles(const QString& gatrelIco, const QString& icIco, UserDialogs& dialogs);

// The default working folder, ending in "/Gatrel/": below documentsFolder
// (created when missing), or below programFolder (never created) when the
// shell gave no documents folder.
QString DefaultWorkingFolder(const QString& documentsFolder, const QString& programFolder);

// Each of the three directories that is empty, or set but missing (message
// 2504 titled 2503), becomes defaultFolder.
void CheckDirectories(ProgramState& s, UserDialogs& dialogs, const QString& defaultFolder);

// The question asked when a changed circuit is about to be closed; path is the
// current circuit's file, empty when it was never saved.
QString SaveQuestion(const QString& path);

// Whether the window may close. An unchanged circuit closes at once; a
// changed one asks Yes / No / Cancel. Yes saves (save() returns false when
// the user cancelled its dialog or the write failed); Cancel or a save that
// did not happen keeps the window open.
bool ConfirmClose(ProgramState& s, UserDialogs& dialogs, const QString& path, const std::function<bool()>& save);
