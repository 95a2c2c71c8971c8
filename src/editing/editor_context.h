#pragma once
// What the pieces of the worksheet editor share: the circuit, the overlay
// they draw, the mouse protocol's state, and the window's hooks.
#include <QString>
#include <cstdint>
#include <functional>

#include "editing/component_popup.h"
#include "editing/worksheet_overlay.h"

struct PlacementContext;
struct ProgramState;

// What the window plugs into the editor; each may stay empty (tests, no window).
struct EditorHooks {
    // Whenever the overlay geometry or visibility changed, or the selection
    // count or the frame size that the select tool's page shows.
    std::function<void()> OverlayChanged;
    // Edit > Delete follows the selection: a selected component or area
    // enables it, clearing the selection disables it.
    std::function<void(bool)> SetDeleteEnabled;
    // Scrolling by the window's bars: at the edge while a button is held
    // (x, y in picture pixels) and by dragging with the right button.
    std::function<void(int x, int y)> AutoScroll;
    std::function<void(double x, double y)> MovePicGrid;
    // Opens the component popup menu (without waiting for it).
    std::function<void(const PopupItems&)> ShowPopupMenu;
    // The IC-definition view's connectors belong to the IC editor window:
    // where its find-next search resumes, and adding (or renaming) and
    // removing the connector at the cursor cell.
    std::function<void(int16_t nextX, int16_t nextY)> SetICSearchStart;
    std::function<void()> CreateICAnschluss;
    std::function<void()> DeleteICAnschluss;
    // Shows the quick-help box for the worksheet; the window has its texts.
    std::function<void()> ShowWorksheetQuickHelp;
    // The current text of the open label box.
    std::function<QString()> LabelBoxText;
};

struct EditorContext {
    PlacementContext& c;
    ProgramState& s;
    EditorState& st;
    WorksheetOverlay& overlay;
    const EditorHooks& hooks;

    void Changed() const
    {
        if (hooks.OverlayChanged)
            hooks.OverlayChanged();
    }
};

// Redraws the cells of r and one more on every side, held inside the worksheet.
void RedrawAround(PlacementContext& c, const CellBox& r);
