#include "model/pin_lists.h"
#include "model/ports/worksheet_port.h"
#include "platform/timers.h"
#include "simulation/evaluators.h"

namespace {

void Click(ProgramState& s, EngineContext& e, int button)
{
    if (s.ToolMode != ToolCode::SimulationRunning || !s.P.Contains(s.CursorX, s.CursorY))
        return;
    const GridCell& cell = s.P(s.CursorX, s.CursorY);
    const int t = cell.Type;
    const int16_t n = cell.ElementNr;

    if (button == 2) {
        if (s.CurrentLevel > 0 && static_cast<size_t>(s.CurrentLevel) < s.ICInstances.size())
            ShowLevel(s, e, s.ICInstances[static_cast<size_t>(s.CurrentLevel)].ParentLevel);
        return;
    }
    if (button != 1)
        return;

    if (t <= ElementType::Conductor || t == ElementType::Switch) {
        if (s.CurrentLevel == 0)
            InitSwitchOn(s, e);
        if (s.ports.worksheet)
            s.ports.worksheet->SelectNone();
    }
    switch (t) {
    case ElementType::IC:
        if (s.engine.EngineBusy == 0) {
            // While an inner level is shown, Elements holds that level's copy.
            const ElementPins in = InputPinsOf(s, n, s.CurrentLevel);
            if (in.count >= 1 && s.P.Contains(in.pin[0].X, in.pin[0].Y)) {
                const int link = s.P(in.pin[0].X, in.pin[0].Y).ICLink;
                if (link > 0)
                    ShowLevel(s, e, static_cast<int16_t>(link));
            }
        }
        break;
    case ElementType::FlipFlop:
        ClickFlipFlop(s, e, n);
        break;
    case ElementType::ShiftRegister:
        ClickSRegister(s, e, n);
        break;
    case ElementType::ClockGenerator: {
        // Generators belong to the main circuit; the slots name its elements.
        if (s.engine.InnerLevelShown != 0)
            break;
        const size_t members = e.Timer2 ? e.Timer2->size() : s.Clocks.size();
        for (size_t i = 0; i < members && i < s.Clocks.size(); ++i) {
            if (s.Clocks[i].ClockElement == n) {
                SelectTimer(s, e, static_cast<int16_t>(i));
                s.SelectedClock = static_cast<int16_t>(i);
                ChangeToolbar3(s, e);
            }
        }
        break;
    }
    default:
        break;
    }
}

} // namespace

void SimulationMouseDown(ProgramState& s, EngineContext& e, int button)
{
    Click(s, e, button);
    // What a click changes shows at once, also while a run waits.
    s.Changes.Flush();
}
