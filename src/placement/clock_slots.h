#pragma once
// Clock generators and their slots. Each generator owns one slot of the
// circuit's Clocks and one member of the main window's timer array Timer2; the
// slots stay in the order of their generators' element numbers. While a
// generator is removed for undo, its slot is kept in its Label as seven
// fields: slot;high;low;linked;cycles;output-high;timer interval;
#include <cstdint>

struct Circuit;
class ClockTimerPort;
struct PlacementContext;

// At most this many generators (ClockCount is a byte).
constexpr int kMaxClockGenerators = 255;

void SetTimer(PlacementContext& c);
void RemoveTimer(PlacementContext& c);
// Stores slot s in its generator's Label, closes the gap in the slots
// and drops the last timer member of timers (the first stays); without
// generators left, selectedClock goes back to 0. timers is null without a
// window.
void RemoveTimerSlot(Circuit& circuit, ClockTimerPort* timers, int16_t& selectedClock, int16_t slot);
// Re-creates the slot of re-inserted generator n from its Label at the stored
// slot number (a Label without the fields gives a fresh slot in element
// order) and empties the Label.
void RestoreTimer(Circuit& circuit, ClockTimerPort* timers, int16_t n);
