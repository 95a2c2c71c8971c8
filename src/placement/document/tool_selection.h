#pragma once
// The chosen tool as the windows show it: the pressed element-tool button,
// the worksheet's pointer, and saving and restoring them around a mode.
#include <QString>

#include "model/records.h"

struct ProgramState;

// The conductor tool's button of the element toolbar.
inline const QString kConductorToolKey = QStringLiteral("cmdLeitungen");
constexpr int kConductorToolIndex = 3;

// The select and conductor tools, and the tools whose components have one
// orientation only: the orientation buttons rest while they are chosen.
bool OrientationFixed(ToolCode tool);

// The worksheet's mouse pointer: kept in the state and shown by the window.
void SetWorksheetMousePointer(ProgramState& s, int pointer);

// Saves ToolMode, the worksheet pointer and the pressed element-tool button.
void SaveToolSelection(ProgramState& s);
// Restores what SaveToolSelection saved and updates the toolbars and the
// property panel.
void RestoreToolSelection(ProgramState& s);
