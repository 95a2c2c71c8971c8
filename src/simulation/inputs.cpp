#include <bit>
#include <cstdint>

#include "model/field_list.h"
#include "model/ports/all_ports.h"
#include "model/status_texts.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/timers.h"
#include "simulation/clock_phase_text.h"
#include "simulation/engine.h"
#include "simulation/evaluator_support.h"

using evaluators::StepX;
using evaluators::StepY;

namespace {


// Decimal text with seven significant digits and no digit before the point
// below 1 (0.5 gives ".5").
QString ShortNumber(double v)
{
    QString t = QString::number(v, 'g', 7);
    if (t.startsWith(QLatin1String("0.")))
        t.remove(0, 1);
    else if (t.startsWith(QLatin1String("-0.")))
        t.remove(1, 1);
    return t;
}

// The time label's text for a run of dt seconds. Runs without a delay mostly
// take no measurable time, so the text of the last duration is kept.
const QString& TimeLabelText(double dt)
{
    static bool known = false;
    static uint64_t lastBits = 0;
    static QString text;
    if (!known || std::bit_cast<uint64_t>(dt) != lastBits) {
        text = (dt >= 0 ? QStringLiteral(" ") : QString()) + ShortNumber(dt);
        lastBits = std::bit_cast<uint64_t>(dt);
        known = true;
    }
    return text;
}

// The waits' steady clock: cheap to read, and a run's duration never jumps
// when the time of day passes midnight or is set.
double TimerSeconds(const Engine& en)
{
    return en.context.waitHooks.now ? en.context.waitHooks.now() : 0.0;
}

PlatformTimer* ClockTimer(const Engine& en, int i)
{
    if (!en.context.Timer2 || i < 0 || static_cast<size_t>(i) >= en.context.Timer2->size())
        return nullptr;
    return (*en.context.Timer2)[static_cast<size_t>(i)].get();
}

bool ValidSlot(const Engine& en, int i)
{
    return i >= 0 && static_cast<size_t>(i) < en.circuit.Clocks.size();
}

// Starts a run for an input or a clock and shows its progress and duration.
void RunWithBracket(const Engine& en)
{
    PowerPort* w = en.ports.power;
    // A run without delay is over before anything could show it.
    const bool watched = en.engine.DelaySetting > 0;
    if (watched)
        SetRunState(en.engine, en.ports.power, RunState::Running);
    if (w && watched) {
        w->SetRunLamp(true);
        w->SetStopEnabled(true);
        w->SetPauseEnabled(true);
    }
    en.engine.StepCount = 0;
    // The run is timed only for the window's time label: reading the clock
    // costs about as much as a short run's events.
    StartRunTime(en);
    const double t1 = w ? TimerSeconds(en) : 0.0;
    Simulate(en);
    const double t2 = w ? TimerSeconds(en) : 0.0;
    // A pause, a stop or a power-off during the run's waits has shown its own state.
    if (en.engine.Run == RunState::Running)
        SetRunState(en.engine, en.ports.power, RunState::Ready);
    if (w) {
        if (en.engine.DelaySetting > 0)
            w->SetRunLamp(false);
        if (PauseOffersPause(en.engine))
            w->SetPauseEnabled(false);
        w->SetStopEnabled(false);
        w->SetTimeLabel(TimeLabelText(t2 - t1));
    }
    // EngineBusy is Simulate's alone: a run paused during its last wait stays busy.
}

void SetClockButtons(const Engine& en, bool running)
{
    ClockPanelPort* w = en.ports.clockPanel;
    if (!w)
        return;
    w->SetClockButtonEnabled(QStringLiteral("cmdStop"), running);
    w->SetClockButtonEnabled(QStringLiteral("cmdDauertakt"), !running);
    w->SetClockButtonEnabled(QStringLiteral("cmdEinzeltakt"), !running);
}

// Asks generator i to stop at its next low phase.
void AskClockToStop(const Engine& en, int i)
{
    if (!ValidSlot(en, i))
        return;
    ClockSlot& c = en.circuit.Clocks[static_cast<size_t>(i)];
    c.ClockCounter = static_cast<uint8_t>(2 * (c.ClockCycles + 1));
    if (PlatformTimer* t = ClockTimer(en, i))
        t->Tag = QStringLiteral("Stop");
}

} // namespace

void InitSwitchOn(const Engine& en, int x, int y)
{
    EngineState& g = en.engine;
    // Inputs are clicked in the main circuit only.
    if (g.PowerFlag == 0 || g.InnerLevelShown != 0 || en.circuit.Levels.empty())
        return;
    en.CurrentLevel = 0;
    LevelRecord& L0 = en.circuit.Levels[0];
    if (!en.circuit.P.Contains(x, y) || !L0.Field.Contains(x, y))
        return;
    const GridCell& c = en.circuit.P(x, y);
    // An open end has one connection; the signal leaves along it.
    Direction dir = Direction::None;
    if (evaluators::Connections(&c) == 1)
        for (Direction d : kDirections)
            if (evaluators::FlagOnSide(c, d))
                dir = d;
    if (dir == Direction::None) {
        ShowError(en.ports, nullptr, 1);
        return;
    }
    GridCell& lc = L0.Field(x, y);
    const int16_t level = lc.Value == 0 ? kTrue : kFalse;
    QueueEvent(en.engine, x + StepX(dir), y + StepY(dir), dir, level != 0 ? 1 : 0, 0);
    lc.Value = level;
    en.circuit.P(x, y).Value = level;
    SetWireSignal(en.circuit, 0, x, y, dir, level);
    if (g.EngineBusy == 0)
        RunWithBracket(en);
}

void Pause(const Engine& en)
{
    EngineState& g = en.engine;
    PowerPort* w = en.ports.power;
    if (g.PausedFlag()) {
        SetRunState(en.engine, en.ports.power, RunState::Running);
        if (w) {
            w->SetRunLamp(true);
            if (g.DelaySetting > 0)
                w->SetStopEnabled(true);
        }
        StartRunTime(en);
        Simulate(en);
        if (g.EngineBusy == 0 && g.PowerFlag != 0) {
            SetRunState(en.engine, en.ports.power, RunState::Ready);
            if (w)
                w->SetRunLamp(false);
        }
        return;
    }
    if (QueueCount(en.engine, 2) == 0 && g.EngineBusy == 0)
        return;
    SetRunState(en.engine, en.ports.power, RunState::Paused);
    if (w) {
        w->SetRunLamp(true);
        w->SetStopEnabled(false);
    }
}

void StopEngine(const Engine& en)
{
    ClearQueues(en.engine);
    // Ends a pause too.
    SetRunState(en.engine, en.ports.power, RunState::Ready);
    if (PowerPort* w = en.ports.power) {
        w->SetStopEnabled(false);
        w->SetPauseEnabled(false);
    }
}

void Timer1_Timer(const Engine& en)
{
    EngineState& g = en.engine;
    if (g.InnerLevelShown != 0)
        return;
    if (g.PowerFlag != 0 && g.EngineBusy == 0)
        RunWithBracket(en);
    if (en.context.Timer1)
        en.context.Timer1->setEnabled(false);
}

void Timer2_Timer(const Engine& en, int16_t index)
{
    EngineState& g = en.engine;
    if (g.PowerFlag == 0 || index < 0)
        return;
    g.StepCount = 0;
    if (g.InnerLevelShown != 0)
        return;
    // A member without a slot has nothing to tick.
    if (ValidSlot(en, index))
        en.circuit.Clocks[static_cast<size_t>(index)].ClockTrigger = kTrue;
    if (g.EngineBusy == 0 && en.context.Timer1)
        en.context.Timer1->setEnabled(true);
}

void ClockTick(const Engine& en, int16_t i)
{
    if (!ValidSlot(en, i) || en.circuit.Levels.empty())
        return;
    ClockSlot& c = en.circuit.Clocks[static_cast<size_t>(i)];
    LevelRecord& L0 = en.circuit.Levels[0];
    const int n = c.ClockElement;
    if (n <= 0 || static_cast<size_t>(n) >= L0.Elements.size())
        return;
    const CachedPins& pins = evaluators::EvaluatorPins(en.circuit, en.engine, n, 0);
    if (pins.OutputCount < 1)
        return;
    const int ox = pins.Out[0].X, oy = pins.Out[0].Y;
    if (!L0.Field.Contains(ox, oy))
        return;
    const Direction o = Toward(L0.Elements[static_cast<size_t>(n)].Orientation);
    const bool outputHigh = L0.Field(ox, oy).Value != 0;
    PlatformTimer* timer = ClockTimer(en, i);

    if (c.ClockCounter != 0) {
        c.ClockCounter = static_cast<uint8_t>(c.ClockCounter + 1);
        if (c.ClockCounter >= 2 * c.ClockCycles + 2 && !outputHigh) {
            c.ClockCounter = 0;
            if (timer)
                timer->setEnabled(false);
            SetClockButtons(en, false);
            return;
        }
    }

    auto stopButton = [&] {
        if (en.ports.power)
            en.ports.power->SetStopEnabled(en.engine.DelaySetting > 0);
    };
    if (!outputHigh) {
        if (timer)
            timer->setInterval(c.ClockHigh);
        c.ClockOutputHigh = kTrue;
        bool stopHigh = false;
        if (pins.InputCount >= 1 && L0.Field.Contains(pins.In[0].X, pins.In[0].Y))
            stopHigh = L0.Field(pins.In[0].X, pins.In[0].Y).Value != 0;
        if (!stopHigh) {
            QueueEvent(en.engine, ox, oy, o, 1, 0);
            QueueEvent(en.engine, ox + StepX(o), oy + StepY(o), o, 1, 0);
            en.engine.StepCount = 0;
            stopButton();
        }
    } else {
        c.ClockOutputHigh = kFalse;
        QueueEvent(en.engine, ox, oy, o, 0, 0);
        QueueEvent(en.engine, ox + StepX(o), oy + StepY(o), o, 0, 0);
        en.engine.StepCount = 0;
        stopButton();
        if (timer)
            timer->setInterval(c.ClockLow);
    }
}

void SelectTimer(const Engine& en, int16_t i)
{
    if (en.circuit.ClockCount == 0) {
        if (en.ports.clockPanel)
            en.ports.clockPanel->HideSelectedClockFrame();
        return;
    }
    auto draw = [&](int slot, bool marked) {
        if (!ValidSlot(en, slot))
            return;
        const int n = en.circuit.Clocks[static_cast<size_t>(slot)].ClockElement;
        if (n <= 0 || static_cast<size_t>(n) >= en.circuit.Elements.size())
            return;
        const CachedPins& pins = ParsePinsCached(en.circuit, en.engine, n, 0);
        if (pins.OutputCount < 1)
            return;
        // The generator's symbol stands three cells back from its output, on
        // a cell of its own; a damaged file's generator whose pin lies
        // elsewhere is left out, as the redraw leaves it out.
        const Orientation o = en.circuit.Elements[static_cast<size_t>(n)].Orientation;
        const int x = pins.Out[0].X - 3 * StepX(Toward(o));
        const int y = pins.Out[0].Y - 3 * StepY(Toward(o));
        const GridCell& anchor = CellOr(en.circuit.P, x, y);
        if (anchor.Type == ElementType::ClockGenerator && anchor.ElementNr == n)
            en.Changes.Element(ElementType::ClockGenerator, x, y, o, marked);
    };
    draw(en.SelectedClock, false);
    draw(i, true);
    en.Changes.Flush();
}

void ChangeToolbar3(const Engine& en)
{
    const int sc = en.SelectedClock;
    if (!ValidSlot(en, sc))
        return;
    const ClockSlot& c = en.circuit.Clocks[static_cast<size_t>(sc)];
    ClockPanelPort* w = en.ports.clockPanel;
    if (!w)
        return;
    const PlatformTimer* t = ClockTimer(en, sc);
    const QString tag = t ? t->Tag : QString();
    if (tag.isEmpty() || tag == QLatin1String("Stop"))
        SetClockButtons(en, false);
    else if (tag == QLatin1String("Dauertakt"))
        SetClockButtons(en, true);
    else if (tag == QLatin1String("Einzeltakt"))
        SetClockButtons(en, c.ClockOutputHigh != 0);
    w->SetClockCyclesText(NumToStr(c.ClockCycles));
    const int slider1 = 10000 - c.ClockHigh;
    const int slider0 = 10000 - c.ClockLow;
    w->SetClockSliders(slider1, slider0);
    w->SetClockPhaseLabels(PhaseSliderText(slider1), PhaseSliderText(slider0));
    w->SetClockTitle(QStringLiteral("Taktgeber: ") + QString::number(sc + 1));
    w->SetClockLinkChecked(c.ClockLinked != 0);
}

void Toolbar3_ButtonClick(const Engine& en, const QString& key)
{
    const int sc = en.SelectedClock;
    if (key == QLatin1String("cmdFullStop")) {
        for (int i = 0; ValidSlot(en, i); ++i)
            AskClockToStop(en, i);
        SetClockButtons(en, false);
        if (en.ports.clockPanel)
            en.ports.clockPanel->SetClockButtonEnabled(QStringLiteral("cmdFullStop"), false);
        return;
    }
    if (!ValidSlot(en, sc))
        return;
    ClockSlot& c = en.circuit.Clocks[static_cast<size_t>(sc)];
    if (key == QLatin1String("cmdStop")) {
        AskClockToStop(en, sc);
        SetClockButtons(en, false);
        // The all-stop button stays while another generator still runs.
        bool anyRunning = false;
        if (en.context.Timer2)
            for (const auto& t : *en.context.Timer2)
                anyRunning = anyRunning || (t && !t->Tag.isEmpty() && t->Tag != QLatin1String("Stop"));
        if (!anyRunning && en.ports.clockPanel)
            en.ports.clockPanel->SetClockButtonEnabled(QStringLiteral("cmdFullStop"), false);
        return;
    }
    const bool continuous = key == QLatin1String("cmdDauertakt");
    if (!continuous && key != QLatin1String("cmdEinzeltakt"))
        return;
    c.ClockCounter = continuous ? 0 : 1;
    if (PlatformTimer* t = ClockTimer(en, sc)) {
        t->Tag = continuous ? QStringLiteral("Dauertakt") : QStringLiteral("Einzeltakt");
        // The phase in progress runs out first.
        t->setInterval(c.ClockOutputHigh != 0 ? c.ClockHigh : c.ClockLow);
        t->setEnabled(true);
    }
    SetClockButtons(en, true);
    if (en.ports.clockPanel)
        en.ports.clockPanel->SetClockButtonEnabled(QStringLiteral("cmdFullStop"), true);
}

void timPort_Timer()
{
}
