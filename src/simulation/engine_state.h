#pragma once
// Flags through which the rest of the program starts, pauses, stops and
// watches the engine. The step limit AutoStop is kept with the settings.
#include <cstdint>

struct EngineState {
    int16_t PowerFlag = 0;
    int16_t EngineBusy = 0;
    int16_t PausedFlag = 0;
    int16_t AbortFlag = 0;
    int16_t StepCount = 0;
    int16_t DelaySetting = 0;
    int16_t InnerLevelShown = 0;
    int16_t SwitchingOff = 0;
    int16_t InitDepth = 0;
};
