#pragma once
// All program-wide state in one owner, so that a test can start from a fresh one.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "model/cls_file.h"
#include "model/records.h"
#include "settings/settings.h"
#include "simulation/engine_state.h"

class MainWindowServices;

struct SelLabelPoint {
    int16_t Left = 0;
    int16_t Top = 0;
};

struct ProgramState {
    ProgramState();

    // Worksheet grid, x 0..MaxX+1 and y 0..MaxY+1 (one spare column and row).
    Grid P;
    std::vector<ElementRecord> Elements; // record 0 is always empty
    int16_t ElementCount = 0;

    std::vector<LevelRecord> Levels;
    std::vector<ICInstanceRecord> ICInstances;
    int16_t LevelUBound = 0;
    int16_t ICCount = 0;
    int16_t CurrentLevel = 0;

    Array2D<LineMapEntry> LineMap;

    PinTable InputPins{};
    PinTable OutputPins{};
    int16_t InputPinCount = 0;
    int16_t OutputPinCount = 0;

    // Clock-generator slots, parallel arrays indexed 0..ClockCount-1 (slot 0 always exists).
    std::vector<int16_t> ClockElement;
    std::vector<int16_t> ClockHigh;
    std::vector<int16_t> ClockLow;
    std::vector<int16_t> ClockLinked;
    std::vector<uint8_t> ClockCycles;
    std::vector<uint8_t> ClockCounter;
    std::vector<int16_t> ClockOutputHigh;
    std::vector<int16_t> ClockTrigger;
    uint8_t ClockCount = 0;
    int16_t SelectedClock = 0;

    int16_t MaxX = 50;
    int16_t MaxY = 30;
    uint8_t CellSize = 14;
    int16_t CursorX = 0;
    int16_t CursorY = 0;
    uint8_t ToolMode = ElementType::Conductor;
    uint8_t PlaceOrientation = Orientation::Right;
    int16_t DecoderClockInput = kFalse;
    // The last AND, OR or XOR placed had two inputs (its outline reads it).
    bool TwoInputGate = false;
    int32_t LEDColor = 255;
    int32_t LineColor = 0;
    int16_t LabelFontSize = 8;
    int16_t ShowGrid = kTrue;
    int16_t AutoJunction = kTrue;
    int16_t Scroll = kTrue;
    int16_t AutoStop = 1000;
    int16_t SaveICsWithFile = kFalse;
    int16_t FileSaved = kTrue;
    uint8_t ProbeCount = 0;
    QString CurrentProc;
    QString CircuitFilePath;
    std::array<QString, 4> LastFiles;
    std::array<QString, 3> Verzeichnisse; // circuit, IC and bitmap directories

    // The IC being defined or chosen for placing.
    QString ICName;
    int16_t ICWidth = 0;
    int16_t ICHeight = 0;
    QStringList ICPins{QString()};
    QStringList ICGraphicPins{QString()};
    int16_t ICPinCount = 0;
    int16_t ICPinIndex = 0; // the connector under the mouse or being named
    QString ICNotes;
    // Tags of the IC window's connector labels ([Tags] lines), entry i for connector i.
    QStringList ICTags{QString()};
    // Used area of the IC's circuit, found before it is saved.
    int16_t CropMinX = 0;
    int16_t CropMaxX = 0;
    int16_t CropMinY = 0;
    int16_t CropMaxY = 0;
    // Nested ICs loaded since the IC placer last reset it, and whether a long load showed progress.
    int16_t ICLoadDepth = 0;
    int16_t LongLoad = kFalse;

    // Zoom factor (1.0 at 100 %); belongs to the drawing object once it exists.
    float GridMode = 1.0f;

    // Left and top of each selection marker picBorder(k), in drawing units.
    std::vector<SelLabelPoint> SelLabelPos;

    // The property panel parts last passed to ChangePropertyWindow.
    std::array<bool, 8> PropertyWindowState{};

    // Saved tool selection (SaveToolSelection / RestoreToolSelection).
    uint8_t SavedToolMode = ElementType::Conductor;
    int SavedMousePointer = 0;
    QString SavedToolKey;
    int SavedToolIndex = 0;

    EngineState engine;
    Settings settings;
    clsFile objFile;

    // The main window as the model sees it; null in headless use.
    MainWindowServices* shell = nullptr;
};
