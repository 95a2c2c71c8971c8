#pragma once
// The simulation engine: event queues, the pass loop, dispatch and conductor
// propagation, power on and off, levels, inputs, pause and clock ticks.
//
// Every routine takes the Engine: the parts of the program the engine reads
// and writes, named one by one, so that a routine's reach is the engine's and
// no more. Nothing here draws: what changes on the shown sheet goes into the
// change record (en.Changes), which the engine has its view draw before each
// wait of a delayed run and at the end of every run. Evaluators all have the
// Evaluator signature below and are found through EngineContext::evaluators
// by the cell's element type.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "model/circuit.h"
#include "model/engine_state.h"
#include "model/pin_cache.h"
#include "model/ports/ports.h"
#include "model/records.h"
#include "model/sheet_changes.h"
#include "platform/wait.h"

class PlatformTimer;
class PowerPort;
class UserDialogs;
struct Engine;

// One component's event handler: (x, y) the cell the event is for, dir its
// travel direction, value 1 High or 0 Low, level the index into Levels.
using Evaluator = void (*)(const Engine& en, int x, int y, Direction dir, int value, int level);
// A column of routines keyed by element type: one entry per type code, null
// where a type has no routine. Built from (type, routine) rows.
template <typename Routine>
using TypeColumn = std::array<Routine, 256>;
template <typename Routine>
constexpr TypeColumn<Routine> ColumnOf(std::initializer_list<std::pair<uint8_t, Routine>> rows)
{
    TypeColumn<Routine> column{};
    for (const auto& [type, routine] : rows)
        column[type] = routine;
    return column;
}

// Indexed by the cell's Type; an empty entry ends the event.
using EvaluatorTable = TypeColumn<Evaluator>;

// What the engine needs beyond the program's tables. The main window fills one
// from its own objects; tests fill one with fakes. Every member may be left
// empty: nothing is asked or timed then.
struct EngineContext {
    // Asks the abort question (the step-limit message).
    UserDialogs* dialogs = nullptr;
    // The delay wait and "let pending window events run"; its clock also
    // times each run for the run-time label.
    WaitHooks waitHooks = RealWaitHooks();
    // When a run without delay lets the window events run next.
    EventBreaks breaks;
    // The step timer and the clock generators' timers (member i for slot i).
    PlatformTimer* Timer1 = nullptr;
    std::vector<std::unique_ptr<PlatformTimer>>* Timer2 = nullptr;
    // Component evaluators by element type; StandardEvaluators() (evaluators.h)
    // gives the full table.
    EvaluatorTable evaluators{};
};

// What switching the power asks of the editor around the engine: routines
// on the editor's state, each handed `editor` back; each may be null. Plain
// pointers, so that binding the engine for a clock tick costs nothing.
struct EditorCalls {
    // The editor's state; only the binding knows its type.
    void* editor = nullptr;
    // Keeps the chosen tool for the time after the power.
    void (*saveTool)(void* editor) = nullptr;
    // The worksheet's mouse pointer.
    void (*setPointer)(void* editor, int pointer) = nullptr;
};

// The parts of the program the engine works on. Built where the whole program
// state is known (EngineOf, editing/engine_binding.h); tests may build one from
// parts of their own. The members the pass loop reads come first.
struct Engine {
    // The level table, and the sheet shown while the power is on (P, Elements).
    Circuit& circuit;
    EngineState& engine;
    SheetChanges& Changes;
    EngineContext& context;
    const Ports& ports;
    // The step limit (passes of a run without delay).
    const int16_t& AutoStop;
    // The level shown while the power is on, and the chosen clock generator.
    int16_t& CurrentLevel;
    int16_t& SelectedClock;
    // Simulation mode while the power is on.
    ToolCode& ToolMode;
    // The nodes of the level tree.
    QStringList& LevelTreeKeys;
    EditorCalls editor;
};

// ---- Queues and the pass loop ----

// Appends one event to PendingEvents. No check of any kind is made.
[[gnu::always_inline]] inline void QueueEvent(EngineState& g, int x, int y, Direction dir, int value, int level, int hold = 0)
{
    g.PendingEvents.push_back(SimEvent{.X = x,
                                       .Y = y,
                                       .Dir = dir,
                                       .Hold = static_cast<uint8_t>(hold),
                                       .Value = static_cast<int16_t>(value != 0 ? kTrue : kFalse),
                                       .Level = level});
}
// An event that still waits goes to the next pass one pass closer to its
// turn; true when it was held.
inline bool HoldEvent(EngineState& g, const SimEvent& ev)
{
    if (ev.Hold <= 0)
        return false;
    SimEvent later = ev;
    --later.Hold;
    g.PendingEvents.push_back(later);
    return true;
}
// Empties both queues and ends the run (EngineBusy false).
void ClearQueues(EngineState& g);
// 1: events of the pass being worked off, 2: events pending, else 0.
int QueueCount(const EngineState& g, int which);
// Runs passes until nothing is pending, the engine is paused, or the step
// limit or the limit of events waiting for a pass aborts the run (power off
// and the abort message).
void Simulate(const Engine& en);
// The most events a run of the circuit may hold for its next pass: more end
// the run through the abort. Taken at each power-on.
size_t EventLimit(const CircuitTables& t);
// Starts a run when the engine is idle (pass count reset first); while a run
// is under way or paused it does nothing, and that run takes the queued events.
void RunIfIdle(const Engine& en);
// A run without delay starts from a window event: it may hold the window for
// the breaks' interval before it lets the events run.
inline void StartRunTime(const Engine& en)
{
    en.context.breaks.Restart();
}

// ---- Dispatch and conductors ----

void DispatchEvent(const Engine& en, int x, int y, Direction dir, int v, int level);
void PropagateConductor(const Engine& en, int x, int y, Direction dir, int v, int level);
void ContinueConductor(const Engine& en, int x, int y, Direction dir, int v, int level);
// dir left or right sets WireSignalH, up or down WireSignalV; value is -1 High or 0 Low.
// A cell outside the level's grid is left alone.
void SetWireSignal(CircuitTables& t, int level, int x, int y, Direction dir, int16_t value);
// Value of the neighbour of (x, y) in direction dir; false outside the grid.
bool GetNeighbourValue(const CircuitTables& t, int x, int y, Direction dir, int level);
// mode 1: from an IC element's pin cell into the IC; mode 2: from a connector
// cell inside an IC out to its parent level.
void TransferICSignal(const Engine& en, int x, int y, Direction dir, int v, int level, int mode);
// The cells the engine handles itself before any evaluator, by element type:
// sensors, 7-segment displays and the pin cells of ICs.
const EvaluatorTable& EngineCells();
// The 7-segment display: redrawn on level 0, nothing else.
void EvalZAnzeige(const Engine& en, int x, int y, Direction dir, int v, int level);

// Whether changes of `level` show on the sheet now (a view watches, the power
// is on and level 0 is shown); only then are they recorded.
inline bool SheetShows(const Engine& en, int level)
{
    return level == 0 && en.Changes.Watched() && en.engine.PowerFlag != 0 && en.engine.InnerLevelShown == 0;
}
// The conductor piece that a signal reaching (x, y) of level 0 in direction
// dir changed, with the levels of its two cells now.
void RecordPiece(const CircuitTables& t, SheetChanges& changes, int x, int y, Direction dir, int v);


// ---- Power and levels ----

void PowerOnOff(const Engine& en);
void Copy_P_to_Field(Circuit& c);
// Initial output of the component of type t at (x, y) of level CurrentLevel.
void CheckElements(const Engine& en, int x, int y, int t);
int LowestLevel(const CircuitTables& t);
void ShowLevel(const Engine& en, int16_t n);
void RefreshTreeView(const Engine& en, int16_t& first, int16_t& last);
bool ExistKey(const Engine& en, const QString& key);
// Level number of a level tree key ("Root layer" 0, "IC3" 3).
int16_t LevelOfTreeKey(const QString& key);
// tvwLevel_NodeClick: shows the level of the clicked node.
void LevelTreeClick(const Engine& en, const QString& key);

// ---- Inputs, pause and clocks ----

// The run state is the engine's; the power panel shows it.
void SetRunState(EngineState& g, PowerPort* power, RunState state);
// Whether the pause button offers to pause (rather than to continue).
bool PauseOffersPause(const EngineState& g);

// A click on the worksheet's cell (x, y) while simulating at level 0.
void InitSwitchOn(const Engine& en, int x, int y);
// The pause button: pauses a running engine or resumes a paused one.
void Pause(const Engine& en);
// The stop button (cmdStop_Click).
void StopEngine(const Engine& en);
void Timer1_Timer(const Engine& en);
void Timer2_Timer(const Engine& en, int16_t index);
void ClockTick(const Engine& en, int16_t i);
void SelectTimer(const Engine& en, int16_t i);
void ChangeToolbar3(const Engine& en);
// The clock panel's toolbar: "cmdDauertakt", "cmdEinzeltakt", "cmdStop", "cmdFullStop".
void Toolbar3_ButtonClick(const Engine& en, const QString& key);
void timPort_Timer();

// picGrid_MouseDown on cell (x, y) while the simulation runs (ToolMode 99):
// button 1 toggles an input, clicks a flip-flop or shift
// register, selects a clock generator or opens an IC; button 2 returns from
// an IC's interior to its parent level.
void SimulationMouseDown(const Engine& en, int button, int x, int y);
