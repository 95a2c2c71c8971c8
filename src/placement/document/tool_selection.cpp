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

void SaveToolSelection(ToolSelection& s, const ToolPort* window)
{
    s.SavedToolMode = s.ToolMode;
    s.SavedToolKey = kConductorToolKey;
    s.SavedToolIndex = kConductorToolIndex;
    if (!window)
        return;
    s.SavedMousePointer = s.WorksheetMousePointer;
    if (!s.PressedToolKey.isEmpty()) {
        s.SavedToolKey = s.PressedToolKey;
        s.SavedToolIndex = s.PressedToolIndex;
    }
}

void RestoreToolSelection(ToolSelection& s, ToolPort* window)
{
    s.ToolMode = s.SavedToolMode;
    if (!window)
        return;
    ToolPort& w = *window;
    SetWorksheetMousePointer(s, window, s.SavedMousePointer);
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

void SetWorksheetMousePointer(ToolSelection& s, ToolPort* window, int pointer)
{
    s.WorksheetMousePointer = pointer;
    if (window)
        window->SetWorksheetMousePointer(pointer);
}
