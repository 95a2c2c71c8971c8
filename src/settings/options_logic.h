#pragma once
// What the settings dialog shows and what its OK applies, free of widgets.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

struct ProgramState;
class UserDialogs;
class clsUndo;

// The dialog's controls as values.
struct OptionsForm {
    bool scroll = false;
    bool saveICs = false;
    bool splash = false;
    QString stopText;  // txtStop
    QString undosText; // txtUndos
    // Circuit, IC and bitmap directory as the boxes show them.
    std::array<QString, 3> directories;
    std::array<bool, 14> elements{};
    std::array<bool, 7> features{};
};

// The path without its trailing separators; the root "/" stays whole.
QString RemoveBackslash(const QString& path);

// The steps box on leaving it: below 250 gives "250", above 5000 "5000",
// otherwise the text stays. The number is the text's numeric prefix.
QString ClampStopText(const QString& text);
// The undo box on leaving it: 0 gives "1", above 99 "99".
QString ClampUndosText(const QString& text);

// The values the dialog opens with. The directories are display copies:
// the program's own keep their separator.
OptionsForm LoadOptionsForm(const ProgramState& s, int16_t undoSteps);

// What "Set My Files for all" puts into each directory box.
QString ResetDirectoryText(const QString& documentsFolder);

// What OK changes besides the program state.
struct OptionsTargets {
    clsUndo& undo;
    UserDialogs& dialogs;
    // The main window shows the component and feature switches again.
    std::function<void()> applySwitches;
};

// OK: applies the form to the settings, the undo history, the directories
// (created when missing; one that cannot be made keeps its old value and is
// reported), the switches and the stored permissions (a failed write is
// reported). False when the permissions could not be written.
bool ApplyOptionsForm(ProgramState& s, const OptionsForm& form, OptionsTargets& targets);
