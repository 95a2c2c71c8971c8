#pragma once
// The program's stored settings: loading at start-up, saving at shut-down,
// and the recent-file list of the File menu.
#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

#include "platform/registry.h"
#include "model/settings.h"

struct ProgramState;
class UserDialogs;
struct RecentFiles;
class FilePort;

inline constexpr char kSettingsKey[] = "Software\\Kestrun\\Gatrel\\1.0";

// The root whose settings key is used: the user's when it has the key,
// else the machine's; nothing when neither has it.
std::optional<RegistryRoot> ChooseRegRoot(bool keyInCurrentUser, bool keyInLocalMachine);

// The whole-number part of a numeric text when it is above 0, else "0".
// The text must be a number as a whole in the given locale.
QString PositiveIntString(const QString& text, const QLocale& locale = QLocale());

// Read rules for stored values. Numbers above 32767 do not fit the 16-bit
// settings and read as missing.
int16_t ReadNumber(const RegValue& v); // positive whole number, else 0
int16_t ReadFlag(const RegValue& v);   // -1 for a number of 1 or more, else 0
QString ReadText(const RegValue& v);   // numbers as their decimal text

// Caption of recent-file item index (0..3) for path; empty for an empty path.
QString UsedFileCaption(int index, const QString& path);

// Makes the user's own settings file from the machine-wide one, which is
// only read: every value but those that are one user's own (recent files,
// directories, Boolean terms, the IC manager's window). False, with the
// reason, when the user's file cannot be written.
bool CreateUserSettings(const RegistryLocations& where, QString* error = nullptr);
// From now on the settings are the user's own file: made from the
// machine-wide one when they were read from there (st.RegRoot). False,
// with the reason, when it cannot be made.
bool UseOwnSettings(Settings& st, QString* error = nullptr);

// Fills the settings from the store under s.settings.RegRoot. Closing the
// command line and laying out the side panels is left to the main window,
// which does it right after this returns.
void LoadSettings(ProgramState& s);
// Writes the settings back in one replacement of the user's own file (see
// UseOwnSettings); the machine-wide file is never written.
// undoSteps: the undo history's current number of steps. A write that fails
// leaves the old file as it was and is shown through dialogs (when given),
// naming the file and the reason, unless the start-up told it; false then. A store without a
// file (a fresh ProgramState) keeps nothing and reports nothing.
bool SaveSettings(ProgramState& s, int16_t undoSteps, UserDialogs* dialogs = nullptr);

// Captions and visibility of the recent-file menu items from LastFiles.
void RefreshUsedFilesMenu(RecentFiles& files, FilePort* menu);
// A circuit was opened or saved: a new path goes to the front, a known one
// stays where it is; then the menu is refreshed.
void AddToRecentFiles(RecentFiles& files, FilePort* menu, const QString& path);

// Creates the settings key in the installer's machine-wide file with a
// Permissions value that switches everything on and sets no password.
// False when the file cannot be written, with the reason in error.
bool WriteInstallSettings(const QString& machineFile, QString* error = nullptr);
