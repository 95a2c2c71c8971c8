#pragma once
// Flags through which the rest of the program starts, pauses, stops and
// watches the engine, and the engine's queues. The step limit AutoStop is
// kept with the settings.
#include <QString>
#include <cstdint>
#include <vector>

#include "model/records.h"

// One queued event. Coordinates and level are full integers so that no grid
// size or level count wraps them.
struct SimEvent {
    int X = 0;
    int Y = 0;
    uint8_t Dir = 0; // 1 left, 2 right, 3 up, 4 down; 0 used up
    int16_t Value = 0; // -1 High, 0 Low
    int Level = 0;
    // Passes the event still waits before it is dispatched. Each event
    // waits on its own, so later events from one source never overtake it.
    int16_t Hold = 0;
};

// Pins of one element, parsed once per power-on.
struct CachedPins {
    bool valid = false;
    int16_t InputCount = 0;
    int16_t OutputCount = 0;
    PinTable In{};
    PinTable Out{};
};

struct EngineState {
    int16_t PowerFlag = 0;
    int16_t EngineBusy = 0;
    int16_t PausedFlag = 0;
    int16_t AbortFlag = 0;
    // Wide so that long delayed runs cannot wrap it.
    int32_t StepCount = 0;
    int16_t DelaySetting = 0;
    int16_t InnerLevelShown = 0;
    int16_t SwitchingOff = 0;
    int16_t InitDepth = 0;
    // What the power panel shows of the run: its status text and the pause
    // button's caption ("&Pause" or "&Continue").
    QString OnOffText;
    QString PauseCaption;

    // Entry 0 of each queue is never used; the vectors keep their capacity.
    std::vector<SimEvent> PendingEvents{SimEvent{}};
    std::vector<SimEvent> CurrentEvents{SimEvent{}};

    // PinCache[level][element]; ScratchPins serves while the power is off.
    std::vector<std::vector<CachedPins>> PinCache;
    CachedPins ScratchPins;
    // Counts power-ons, so that a switch-on interrupted by a power cycle in
    // one of its waits notices it.
    uint32_t PowerCycle = 0;
};
