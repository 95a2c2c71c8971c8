#pragma once
// Start-up checks before the main window, and the working folder and
// directory check while it loads.
#include <QString>
#include <array>
#include <optional>

#include "model/settings.h"

class UserDialogs;

// The settings root, or the message 1203 and nothing when neither root has
// the key (the program must then end with a failure status). A user who has
// no key of their own gets their own file made from the machine-wide one,
// which is then their root.
std::optional<RegistryRoot> FindSettingsRoot(const RegistryLocations& where, UserDialogs& dialogs);

// Whether the user's own settings file can be written (made from the
// machine-wide one when missing). When not, the user is told the file and
// why, now rather than when the settings are saved at the end.
void CheckOwnSettings(Settings& st, UserDialogs& dialogs);

// Message 1207 when one of the two icon files is missing; start-up goes on.
void CheckIconFiles(const QString& gatrelIco, const QString& icIco, UserDialogs& dialogs);

// The default working folder, ending in "/Gatrel/": below documentsFolder
// (created when missing), or below programFolder (never created) when the
// shell gave no documents folder.
QString DefaultWorkingFolder(const QString& documentsFolder, const QString& programFolder);

// Each of the three directories that is empty, or set but missing (message
// 2504 titled 2503), becomes defaultFolder.
void CheckDirectories(std::array<QString, 3>& directories, UserDialogs& dialogs, const QString& defaultFolder);
