#pragma once
// Component evaluators and the click routines of the clocked components.
// Each evaluator has the Evaluator signature of engine.h and is reached
// through the dispatch table by the cell's Type. Evaluators take their pins
// from ParsePinsCached, record what changes on the shown sheet in s.Changes
// (only while SheetShows(s, level)), and queue with QueueEvent; they never
// draw and never run the engine themselves.
#include <cstdint>

#include "simulation/engine.h"

// Gates, LED and switch.
void EvalAND(ProgramState& s, EngineContext& e, int x, int y, int dir, int value, int level);       // type 6
void EvalOR(ProgramState& s, EngineContext& e, int x, int y, int dir, int value, int level);        // type 7
void EvalXOR(ProgramState& s, EngineContext& e, int x, int y, int dir, int value, int level);       // type 8
void EvalInverter(ProgramState& s, EngineContext& e, int x, int y, int dir, int value, int level);  // type 9
void EvalTriState(ProgramState& s, EngineContext& e, int x, int y, int dir, int value, int level);  // type 13
void EvalLED(ProgramState& s, EngineContext& e, int x, int y, int dir, int value, int level);       // type 4
void EvalSwitch(ProgramState& s, EngineContext& e, int x, int y, int dir, int value, int level);    // type 5

// Adders, multiplexer and decoder.
void EvalHA(ProgramState& s, EngineContext& e, int x, int y, int dir, int value, int level);          // type 11
void EvalVA(ProgramState& s, EngineContext& e, int x, int y, int dir, int value, int level);          // type 12
void EvalMultiplexer(ProgramState& s, EngineContext& e, int x, int y, int dir, int value, int level); // type 14
void EvalDecoder(ProgramState& s, EngineContext& e, int x, int y, int dir, int value, int level);     // type 16

// Flip-flop and shift register.
void EvalFlipFlop(ProgramState& s, EngineContext& e, int x, int y, int dir, int value, int level);  // type 17
void EvalSRegister(ProgramState& s, EngineContext& e, int x, int y, int dir, int value, int level); // type 18

// Clicks on a flip-flop or a shift-register stage while the power is on; c is
// the element number in level 0, the cell is (CursorX, CursorY). They act only
// while level 0 is shown, and end with RunIfIdle (engine.h), which resets the
// pass count before it starts a run.
void ClickFlipFlop(ProgramState& s, EngineContext& e, int16_t c);
void ClickSRegister(ProgramState& s, EngineContext& e, int16_t c);

// Every evaluator above plus the 7-segment display (EvalZAnzeige), by type.
EvaluatorTable StandardEvaluators();
