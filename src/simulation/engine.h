#pragma once
// The simulation engine: event queues, the pass loop, dispatch and conductor
// propagation, power on and off, levels, inputs, pause and clock ticks.
//
// Calling convention: routines that may run the engine or reach the window
// take (ProgramState& s, EngineContext& e, ...); the plain cell and queue
// helpers take only the state. Nothing here draws: what changes on the shown
// sheet goes into the change record (s.Changes), which the engine has its
// view draw before each wait of a delayed run and at the end of every run. Evaluators all have the Evaluator
// signature below and are found through EngineContext::evaluators by the
// cell's element type.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "model/pin_cache.h"
#include "model/state.h"
#include "platform/wait.h"

class PlatformTimer;
class UserDialogs;
struct EngineContext;

// One component's event handler: (x, y) the cell the event is for, dir its
// travel direction 1..4, value 1 High or 0 Low, level the index into Levels.
using Evaluator = void (*)(ProgramState& s, EngineContext& e, int x, int y, int dir, int value, int level);
// Indexed by the cell's Type; an empty entry ends the event.
using EvaluatorTable = std::array<Evaluator, 256>;

// What the engine needs beyond the program state. The main window fills one
// from its own objects; tests fill one with fakes. Every member may be left
// empty: nothing is asked or timed then.
struct EngineContext {
    // Asks the abort question (the step-limit message).
    UserDialogs* dialogs = nullptr;
    // The delay wait and "let pending window events run"; its clock also
    // times each run for the run-time label.
    WaitHooks waitHooks = RealWaitHooks();
    // The step timer and the clock generators' timers (member i for slot i).
    PlatformTimer* Timer1 = nullptr;
    std::vector<std::unique_ptr<PlatformTimer>>* Timer2 = nullptr;
    // Component evaluators by element type; StandardEvaluators() (evaluators.h)
    // gives the full table.
    EvaluatorTable evaluators{};
};

// ---- Queues and the pass loop ----

// Appends one event to PendingEvents. No check of any kind is made.
inline void QueueEvent(ProgramState& s, int x, int y, int dir, int value, int level, int hold = 0)
{
    s.engine.PendingEvents.push_back(SimEvent{.X = x,
                                              .Y = y,
                                              .Dir = static_cast<uint8_t>(dir),
                                              .Hold = static_cast<uint8_t>(hold),
                                              .Value = static_cast<int16_t>(value != 0 ? kTrue : kFalse),
                                              .Level = level});
}
// An event that still waits goes to the next pass one pass closer to its
// turn; true when it was held.
inline bool HoldEvent(ProgramState& s, const SimEvent& ev)
{
    if (ev.Hold <= 0)
        return false;
    SimEvent later = ev;
    --later.Hold;
    s.engine.PendingEvents.push_back(later);
    return true;
}
// Empties both queues and ends the run (EngineBusy false).
void ClearQueues(ProgramState& s);
// 1: events of the pass being worked off, 2: events pending, else 0.
int QueueCount(const ProgramState& s, int which);
// Runs passes until nothing is pending, the engine is paused, or the step
// limit or the limit of events waiting for a pass aborts the run (power off
// and the abort message).
void Simulate(ProgramState& s, EngineContext& e);
// The most events a run of the circuit may hold for its next pass: more end
// the run through the abort. Taken at each power-on.
size_t EventLimit(const ProgramState& s);
// Starts a run when the engine is idle (pass count reset first); while a run
// is under way or paused it does nothing, and that run takes the queued events.
void RunIfIdle(ProgramState& s, EngineContext& e);

// ---- Dispatch and conductors ----

void DispatchEvent(ProgramState& s, EngineContext& e, int x, int y, int dir, int v, int level);
void PropagateConductor(ProgramState& s, EngineContext& e, int x, int y, int dir, int v, int level);
void ContinueConductor(ProgramState& s, EngineContext& e, int x, int y, int dir, int v, int level);
// dir 1 or 2 sets WireSignalH, 3 or 4 WireSignalV; value is -1 High or 0 Low.
// A cell outside the level's grid is left alone.
void SetWireSignal(ProgramState& s, int level, int x, int y, int dir, int16_t value);
// Value of the neighbour of (x, y) in direction dir; false outside the grid.
bool GetNeighbourValue(const ProgramState& s, int x, int y, int dir, int level);
// mode 1: from an IC element's pin cell into the IC; mode 2: from a connector
// cell inside an IC out to its parent level.
void TransferICSignal(ProgramState& s, EngineContext& e, int x, int y, int dir, int v, int level, int mode);
// The 7-segment display: redrawn on level 0, nothing else.
void EvalZAnzeige(ProgramState& s, EngineContext& e, int x, int y, int dir, int v, int level);

// Whether changes of `level` show on the sheet now (a view watches, the power
// is on and level 0 is shown); only then are they recorded.
inline bool SheetShows(const ProgramState& s, int level)
{
    return level == 0 && s.Changes.Watched() && s.engine.PowerFlag != 0 && s.engine.InnerLevelShown == 0;
}
// The conductor piece that a signal reaching (x, y) of level 0 in direction
// dir changed, with the levels of its two cells now.
void RecordPiece(ProgramState& s, int x, int y, int dir, int v);


// ---- Power and levels ----

void PowerOnOff(ProgramState& s, EngineContext& e);
void Copy_P_to_Field(ProgramState& s);
// Initial output of the component of type t at (x, y) of level CurrentLevel.
void CheckElements(ProgramState& s, EngineContext& e, int x, int y, int t);
int LowestLevel(const ProgramState& s);
void ShowLevel(ProgramState& s, EngineContext& e, int16_t n);
void RefreshTreeView(ProgramState& s, int16_t& first, int16_t& last);
bool ExistKey(const ProgramState& s, const QString& key);
// Level number of a level tree key ("Root layer" 0, "IC3" 3).
int16_t LevelOfTreeKey(const QString& key);
// tvwLevel_NodeClick: shows the level of the clicked node.
void LevelTreeClick(ProgramState& s, EngineContext& e, const QString& key);

// ---- Inputs, pause and clocks ----

// The run state is the engine's; the power panel shows it.
void SetRunState(ProgramState& s, RunState state);
// Whether the pause button offers to pause (rather than to continue).
bool PauseOffersPause(const ProgramState& s);

// A click on the worksheet while simulating at level 0: cell (CursorX, CursorY).
void InitSwitchOn(ProgramState& s, EngineContext& e);
// The pause button: pauses a running engine or resumes a paused one.
void Pause(ProgramState& s, EngineContext& e);
// The stop button (cmdStop_Click).
void StopEngine(ProgramState& s, EngineContext& e);
void Timer1_Timer(ProgramState& s, EngineContext& e);
void Timer2_Timer(ProgramState& s, EngineContext& e, int16_t index);
void ClockTick(ProgramState& s, EngineContext& e, int16_t i);
void SelectTimer(ProgramState& s, EngineContext& e, int16_t i);
void ChangeToolbar3(ProgramState& s, EngineContext& e);
// The clock panel's toolbar: "cmdDauertakt", "cmdEinzeltakt", "cmdStop", "cmdFullStop".
void Toolbar3_ButtonClick(ProgramState& s, EngineContext& e, const QString& key);
void timPort_Timer();

// picGrid_MouseDown while the simulation runs (ToolMode 99), the cell being
// (CursorX, CursorY): button 1 toggles an input, clicks a flip-flop or shift
// register, selects a clock generator or opens an IC; button 2 returns from
// an IC's interior to its parent level.
void SimulationMouseDown(ProgramState& s, EngineContext& e, int button);
