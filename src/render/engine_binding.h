#pragma once
// The engine bound to the program state: the one place that knows which
// parts of the whole state the engine works on. It lives here, in the lowest
// folder that sees both the program state and the engine.
#include "model/state.h"
#include "placement/document/tool_selection.h"
#include "simulation/engine.h"

inline Engine EngineOf(ProgramState& s, EngineContext& e)
{
    return Engine{.circuit = s.circuit,
                  .engine = s.engine,
                  .Changes = s.Changes,
                  .context = e,
                  .ports = s.ports,
                  .AutoStop = s.AutoStop,
                  .CurrentLevel = s.CurrentLevel,
                  .SelectedClock = s.SelectedClock,
                  .ToolMode = s.ToolMode,
                  .LevelTreeKeys = s.LevelTreeKeys,
                  .editor = EditorCalls{
                      .editor = &s,
                      .saveTool = [](void* p) { SaveToolSelection(*static_cast<ProgramState*>(p)); },
                      .setPointer = [](void* p, int pointer) { SetWorksheetMousePointer(*static_cast<ProgramState*>(p), pointer); }}};
}
