#include "placement/document/tool_selection.h"

#include "model/ports/tool_port.h"
#include "model/state.h"

bool OrientationFixed(ToolCode tool)
{
    switch (tool) {
    case ToolCode::Select:
    case ToolCode::Conductor:
    case ToolCode::LED:
    case ToolCode::Switch:
    case ToolCode::SevenSegment:
    case ToolCode::IC: return true;
    default: return false;
    }
}

void SaveToolSelection(ProgramState& s)
{
    s.SavedToolMode = s.ToolMode;
    s.SavedToolKey = kConductorToolKey;
    s.SavedToolIndex = kConductorToolIndex;
    if (!s.ports.tools)
        return;
    s.SavedMousePointer = s.WorksheetMousePointer;
    if (!s.PressedToolKey.isEmpty()) {
        s.SavedToolKey = s.PressedToolKey;
        s.SavedToolIndex = s.PressedToolIndex;
    }
}

void RestoreToolSelection(ProgramState& s)
{
    s.ToolMode = s.SavedToolMode;
    if (!s.ports.tools)
        return;
    ToolPort& w = *s.ports.tools;
    SetWorksheetMousePointer(s, s.SavedMousePointer);
    const bool alreadyPressed = !s.PressedToolKey.isEmpty()
        && (s.PressedToolKey == s.SavedToolKey || s.PressedToolIndex == s.SavedToolIndex);
    if (!alreadyPressed)
        w.PressToolButton(s.SavedToolKey, s.SavedToolIndex);
    const bool fixed = OrientationFixed(s.ToolMode);
    if (s.OrientationToolbarEnabled == fixed) {
        s.OrientationToolbarEnabled = !fixed;
        w.SetOrientationToolbarEnabled(!fixed);
    }
    w.ChangePropertyWindow(s.PropertyWindowState);
}

void SetWorksheetMousePointer(ProgramState& s, int pointer)
{
    s.WorksheetMousePointer = pointer;
    if (s.ports.tools)
        s.ports.tools->SetWorksheetMousePointer(pointer);
}
