#pragma once
// All program-wide state in one owner, so that a test can start from a fresh one.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "model/circuit.h"
#include "model/circuit_run.h"
#include "model/cls_file.h"
#include "model/ports/ports.h"
#include "model/records.h"
#include "model/settings.h"
#include "model/sheet_changes.h"
#include "model/engine_state.h"
#include "model/geometry.h"

struct SelLabelPoint {
    int16_t Left = 0;
    int16_t Top = 0;
};

// The chosen tool, the one saved around a mode, and what the toolbars and the
// worksheet show of it (SaveToolSelection / RestoreToolSelection).
struct ToolSelection {
    ToolCode ToolMode = ToolCode::Conductor;
    ToolCode SavedToolMode = ToolCode::Conductor;
    int SavedMousePointer = 0;
    QString SavedToolKey;
    int SavedToolIndex = 0;
    QString PressedToolKey; // the pressed button of the element toolbar, empty when none
    int PressedToolIndex = 0;
    bool OrientationToolbarEnabled = true;
    int WorksheetMousePointer = 0;
    // The property panel parts last passed to ChangePropertyWindow.
    std::array<bool, 8> PropertyWindowState{};
};

// The recent-file list of the File menu and the captions its items show.
struct RecentFiles {
    std::array<QString, 4> LastFiles;
    std::array<QString, 4> UsedFileCaptions;
};

// Where and what the editor places next: the cell under the mouse, the
// level and clock shown, and the values the panels hold for the next component.
struct EditorCursor {
    int16_t CurrentLevel = 0;
    int16_t SelectedClock = 0;
    int16_t CursorX = 0;
    int16_t CursorY = 0;
    Orientation PlaceOrientation = Orientation::Right;
    int16_t DecoderClockInput = kFalse;
    // The last AND, OR or XOR placed had two inputs (its outline reads it).
    bool TwoInputGate = false;
    int32_t LEDColor = 255;
    int32_t LineColor = 0;
    int16_t LabelFontSize = 8;
};

// What the windows show, kept here so that no routine reads it back from a
// control. The windows write the fields a user changes in them.
struct WindowMirrors {
    // The file dialogs' current file name: the circuit file in use.
    struct {
        QString FileName;
    } CmDialog1;
    QString GateInputsText = QStringLiteral("2"); // txtAnschlüsse: inputs of the next AND, OR, XOR
    bool FormelPanelOpen = false;   // the command line is shown
    QStringList LevelTreeKeys;      // the nodes of the level tree
    // Left and top of each selection marker picBorder(k), in drawing units.
    std::vector<SelLabelPoint> SelLabelPos;
    int16_t ICPinIndex = 0; // the connector under the mouse or being named
    // The IC-definition view is open: the windows keep the IC manager and the
    // settings dialog out of reach, which would overwrite the IC being defined.
    bool ICViewOpen = false;
};

// The circuit with its run state (CircuitRun), the editor's and the windows'
// fields, and the program's options and document around them.
struct ProgramState : CircuitRun, SheetScale, ToolSelection, RecentFiles, EditorCursor, WindowMirrors {
    ProgramState();

    int16_t ShowGrid = kTrue;
    int16_t AutoJunction = kTrue;
    int16_t Scroll = kTrue;
    int16_t AutoStop = 1000;
    int16_t SaveICsWithFile = kFalse;
    int16_t FileSaved = kTrue;
    uint8_t ProbeCount = 0;
    QString CurrentProc;
    QString CircuitFilePath;
    std::array<QString, 3> Verzeichnisse; // circuit, IC and bitmap directories

    // Used area of the IC's circuit, found before it is saved.
    int16_t CropMinX = 0;
    int16_t CropMaxX = 0;
    int16_t CropMinY = 0;
    int16_t CropMaxY = 0;
    // Nested ICs loaded since the IC placer last reset it, and whether a long load showed progress.
    int16_t ICLoadDepth = 0;
    int16_t LongLoad = kFalse;

    // The zoom factor GridMode and the CellSize are the SheetScale; the zoom
    // belongs to the drawing object once it exists.

    Settings settings;
    clsFile objFile;

    // The windows as the core sees them; each null in headless use.
    Ports ports;
    // What changed on the shown sheet since its view last drew it.
    SheetChanges Changes;
};
