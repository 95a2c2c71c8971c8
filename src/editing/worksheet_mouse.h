#pragma once
// The worksheet's mouse and key protocol while editing: the cursor cell,
// the pointer shape, and each press, move and release handed to the piece of
// the editor that the tool and the cell under the pointer call for.
#include <cstdint>

#include "editing/editor_context.h"
#include "model/records.h"

class AreaMove;
class ConductorBand;
class LabelEditor;
class ObjectMove;
class Selection;
struct EngineContext;

// What the protocol hands the presses, moves and releases to.
struct MouseTargets {
    Selection& selection;
    ConductorBand& band;
    AreaMove& area;
    ObjectMove& objects;
    LabelEditor& labels;
};

class WorksheetMouse {
public:
    // engine may be null: the worksheet then never works the simulation.
    WorksheetMouse(const EditorContext& e, EngineContext* engine, const MouseTargets& targets);

    // Buttons: 1 left, 2 right, 4 middle. Shift: 2 with Ctrl. x, y in picture pixels.
    void picGrid_MouseDown(int button, int shift, double x, double y);
    void picGrid_MouseMove(int buttons, int shift, double x, double y);
    void picGrid_MouseUp(int button, int shift, double x, double y);
    // On an open conductor end a switch, on a junction a juncture, on a gate's
    // pin a negation; while the power is on, a second press.
    void picGrid_DblClick();
    // Space pauses a running simulation.
    void picGrid_KeyPress(int keyAscii);

    // Hides the outline, decoder lines, the LED/switch box and the band:
    // on a tool change and when the pointer leaves the worksheet.
    void HidePlacementAids();
    // The pointer shape for the tool and the cell under the pointer.
    void ChangeMouseCursor(int button);
    // Cell under a picture position, clamped like a mouse move.
    void CellFromPixel(double x, double y);

private:
    // The cell a press lands on, as it was before the press changed anything.
    struct Press {
        ToolCode tool;
        int16_t x;
        int16_t y;
        int type;
        int16_t element;
    };
    // Each returns true when the press is fully handled.
    bool LeftDown(const Press& p, int shift, double x, double y);
    bool RightDown(const Press& p, double x, double y);
    void SelectToolDown(const Press& p, int shift, double x, double y);
    void SimulationDown(int button, double x, double y);
    void CheckMouseMode();
    void ShowBorder();

    EditorContext e_;
    EngineContext* engine_;
    MouseTargets targets_;
};
