#pragma once
// The drawing column of the component table: for each element type the
// drawing object's symbol routine and what a redraw needs to call it.
#include <cstdint>

class clsGrafik;

// Where the full redraw puts a symbol's call, read from the component's pins.
enum class SymbolAnchor : uint8_t {
    None,          // no symbol drawn per element (conductor marks, text, the switch drawn with its cell)
    Cell,          // the cell asked for
    InputPin,      // input pin `pin`
    GateMiddle,    // a two-input gate's middle cell, else input pin 1
    MiddleOfThree, // the middle of the three cells from input pin 0
    ClockOutput,   // three cells back from the output pin, against the outputs
    IC,            // the cell, with the IC's link; only where the IC is shown
};

// What the routine's flag stands for.
enum class SymbolFlag : uint8_t { None, Outline, Selected };

struct SymbolCall {
    int16_t x = 0;
    int16_t y = 0;
    bool flag = false;   // outline, or the clock generator being the selected one
    int16_t icIndex = 0; // the IC's link
};

using SymbolRoutine = void (*)(clsGrafik&, const SymbolCall&);

struct SymbolRow {
    uint8_t type = 0;
    SymbolRoutine draw = nullptr;
    SymbolAnchor anchor = SymbolAnchor::None;
    uint8_t pin = 0; // for SymbolAnchor::InputPin
    SymbolFlag flag = SymbolFlag::None;
    // The routine reads the pins from the shared tables when its cell has no link.
    bool readsParsedPins = false;
};

// The row of `type`; an empty row (no routine, type 0) for codes that have none.
const SymbolRow& Symbol(uint8_t type);
