#pragma once
// Component evaluators and the click routines of the clocked components.
// Each evaluator has the Evaluator signature of engine.h and is reached
// through the dispatch table by the cell's Type. Evaluators take their pins
// from ParsePinsCached, record what changes on the shown sheet in en.Changes
// (only while SheetShows(en, level)), and queue with QueueEvent; they never
// draw and never run the engine themselves.
#include <cstdint>

#include "simulation/engine.h"

// Gates, LED and switch.
void EvalAND(const Engine& en, int x, int y, Direction dir, int value, int level);       // type 6
void EvalOR(const Engine& en, int x, int y, Direction dir, int value, int level);        // type 7
void EvalXOR(const Engine& en, int x, int y, Direction dir, int value, int level);       // type 8
void EvalInverter(const Engine& en, int x, int y, Direction dir, int value, int level);  // type 9
void EvalTriState(const Engine& en, int x, int y, Direction dir, int value, int level);  // type 13
void EvalLED(const Engine& en, int x, int y, Direction dir, int value, int level);       // type 4
void EvalSwitch(const Engine& en, int x, int y, Direction dir, int value, int level);    // type 5

// Adders, multiplexer and decoder.
void EvalHA(const Engine& en, int x, int y, Direction dir, int value, int level);          // type 11
void EvalVA(const Engine& en, int x, int y, Direction dir, int value, int level);          // type 12
void EvalMultiplexer(const Engine& en, int x, int y, Direction dir, int value, int level); // type 14
void EvalDecoder(const Engine& en, int x, int y, Direction dir, int value, int level);     // type 16

// Flip-flop and shift register.
void EvalFlipFlop(const Engine& en, int x, int y, Direction dir, int value, int level);  // type 17
void EvalSRegister(const Engine& en, int x, int y, Direction dir, int value, int level); // type 18

// Clicks on a flip-flop or a shift-register stage while the power is on; c is
// the element number in level 0, (x, y) the clicked cell. They act only
// while level 0 is shown, and end with RunIfIdle (engine.h), which resets the
// pass count before it starts a run.
void ClickFlipFlop(const Engine& en, int16_t c, int x, int y);
void ClickSRegister(const Engine& en, int16_t c, int x, int y);

// Every evaluator above, by type.
EvaluatorTable StandardEvaluators();
