#pragma once
// The engine bound to the program state: the one place that knows which
// parts of the whole state the engine works on. It lives with the editor,
// the lowest of the folders that drive the engine, not with the drawing.
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
                      .saveTool = [](void* p) {
                          auto& s = *static_cast<ProgramState*>(p);
                          SaveToolSelection(s, s.ports.tools);
                      },
                      .setPointer =
                          [](void* p, int pointer) {
                              auto& s = *static_cast<ProgramState*>(p);
                              SetWorksheetMousePointer(s, s.ports.tools, pointer);
                          }}};
}
