#include "model/pin_lists.h"
#include "model/ports/worksheet_port.h"
#include "platform/timers.h"
#include "simulation/evaluators.h"

namespace {

// What a left click on a component of one type does while the power is on:
// n the element number on the shown sheet, (x, y) the clicked cell.
using ClickRoutine = void (*)(const Engine& en, int16_t n, int x, int y);

// An IC opens its interior, found through the level link of its first pin.
void OpenIC(const Engine& en, int16_t n, int, int)
{
    if (en.engine.EngineBusy != 0)
        return;
    // While an inner level is shown, Elements holds that level's copy.
    const bool ownTable = en.engine.PowerFlag != 0 && en.engine.InnerLevelShown == 0;
    const auto& table = ownTable && static_cast<size_t>(en.CurrentLevel) < en.circuit.Levels.size()
        ? en.circuit.Levels[static_cast<size_t>(en.CurrentLevel)].Elements
        : en.circuit.Elements;
    if (n <= 0 || static_cast<size_t>(n) >= table.size())
        return;
    PinTable in{};
    if (ParsePinList(table[static_cast<size_t>(n)].InPinList, in) < 1 || !en.circuit.P.Contains(in[0].X, in[0].Y))
        return;
    const int link = en.circuit.P(in[0].X, in[0].Y).ICLink;
    if (link > 0)
        ShowLevel(en, static_cast<int16_t>(link));
}

// A clock generator becomes the one the clock panel shows.
void ChooseClock(const Engine& en, int16_t n, int, int)
{
    // Generators belong to the main circuit; the slots name its elements.
    if (en.engine.InnerLevelShown != 0)
        return;
    const auto& clocks = en.circuit.Clocks;
    const size_t members = en.context.Timer2 ? en.context.Timer2->size() : clocks.size();
    for (size_t i = 0; i < members && i < clocks.size(); ++i) {
        if (clocks[i].ClockElement == n) {
            SelectTimer(en, static_cast<int16_t>(i));
            en.SelectedClock = static_cast<int16_t>(i);
            ChangeToolbar3(en);
        }
    }
}

// The click routines by element type; types without one ignore the click.
constexpr TypeColumn<ClickRoutine> kClickRoutines = ColumnOf<ClickRoutine>({
    {ElementType::IC, OpenIC},
    {ElementType::FlipFlop, ClickFlipFlop},
    {ElementType::ShiftRegister, ClickSRegister},
    {ElementType::ClockGenerator, ChooseClock},
});

void Click(const Engine& en, int button, int x, int y)
{
    if (en.ToolMode != ToolCode::SimulationRunning || !en.circuit.P.Contains(x, y))
        return;
    const GridCell& cell = en.circuit.P(x, y);
    const int t = cell.Type;
    const int16_t n = cell.ElementNr;

    if (button == 2) {
        const auto& ics = en.circuit.ICInstances;
        if (en.CurrentLevel > 0 && static_cast<size_t>(en.CurrentLevel) < ics.size())
            ShowLevel(en, ics[static_cast<size_t>(en.CurrentLevel)].ParentLevel);
        return;
    }
    if (button != 1)
        return;

    if (t <= ElementType::Conductor || t == ElementType::Switch) {
        if (en.CurrentLevel == 0)
            InitSwitchOn(en, x, y);
        if (en.ports.worksheet)
            en.ports.worksheet->SelectNone();
    }
    if (ClickRoutine r = kClickRoutines[static_cast<size_t>(t)])
        r(en, n, x, y);
}

} // namespace

void SimulationMouseDown(const Engine& en, int button, int x, int y)
{
    Click(en, button, x, y);
    // What a click changes shows at once, also while a run waits.
    en.Changes.Flush();
}
