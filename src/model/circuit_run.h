#pragma once
// A circuit with what running it keeps beside it: the engine's state and the
// pin tables the pin-list parsers fill. The routines that read an element's
// pins as the engine sees them (the level's copy while the power is on) take
// this rather than the whole program state.
#include "model/circuit.h"
#include "model/engine_state.h"
#include "model/records.h"

struct CircuitRun {
    Circuit circuit;
    EngineState engine;
    // Filled by the pin-list parsers (ParseInputPins, ParseOutputPins).
    PinTable InputPins{};
    PinTable OutputPins{};
    int16_t InputPinCount = 0;
    int16_t OutputPinCount = 0;
};
