#include "model/field_list.h"
#include "model/ports/all_ports.h"
#include "model/status_texts.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/timers.h"
#include "simulation/clock_phase_text.h"
#include "simulation/engine.h"
#include "simulation/evaluator_support.h"

namespace {

inline int StepX(int dir) { return dir == 1 ? -1 : (dir == 2 ? 1 : 0); }
inline int StepY(int dir) { return dir == 3 ? -1 : (dir == 4 ? 1 : 0); }

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

// The waits' steady clock: cheap to read, and a run's duration never jumps
// when the time of day passes midnight or is set.
double TimerSeconds(const EngineContext& e)
{
    return e.waitHooks.now ? e.waitHooks.now() : 0.0;
}

PlatformTimer* ClockTimer(EngineContext& e, int i)
{
    if (!e.Timer2 || i < 0 || static_cast<size_t>(i) >= e.Timer2->size())
        return nullptr;
    return (*e.Timer2)[static_cast<size_t>(i)].get();
}

bool ValidSlot(const ProgramState& s, int i)
{
    return i >= 0 && static_cast<size_t>(i) < s.Clocks.size();
}

// Starts a run for an input or a clock and shows its progress and duration.
void RunWithBracket(ProgramState& s, EngineContext& e)
{
    PowerPort* w = s.ports.power;
    // A run without delay is over before anything could show it.
    const bool watched = s.engine.DelaySetting > 0;
    if (watched)
        SetRunState(s, RunState::Running);
    if (w && watched) {
        w->SetRunLamp(true);
        w->SetStopEnabled(true);
        w->SetPauseEnabled(true);
    }
    s.engine.StepCount = 0;
    // The run is timed only for the window's time label: reading the clock
    // costs about as much as a short run's events.
    const double t1 = w ? TimerSeconds(e) : 0.0;
    Simulate(s, e);
    const double t2 = w ? TimerSeconds(e) : 0.0;
    // A pause, a stop or a power-off during the run's waits has shown its own state.
    if (s.engine.Run == RunState::Running)
        SetRunState(s, RunState::Ready);
    if (w) {
        if (s.engine.DelaySetting > 0)
            w->SetRunLamp(false);
        if (PauseOffersPause(s))
            w->SetPauseEnabled(false);
        w->SetStopEnabled(false);
        const double dt = t2 - t1;
        w->SetTimeLabel((dt >= 0 ? QStringLiteral(" ") : QString()) + ShortNumber(dt));
    }
    // EngineBusy is Simulate's alone: a run paused during its last wait stays busy.
}

void SetClockButtons(ProgramState& s, bool running)
{
    ClockPanelPort* w = s.ports.clockPanel;
    if (!w)
        return;
    w->SetClockButtonEnabled(QStringLiteral("cmdStop"), running);
    w->SetClockButtonEnabled(QStringLiteral("cmdDauertakt"), !running);
    w->SetClockButtonEnabled(QStringLiteral("cmdEinzeltakt"), !running);
}

// Asks generator i to stop at its next low phase.
void AskClockToStop(ProgramState& s, EngineContext& e, int i)
{
    if (!ValidSlot(s, i))
        return;
    ClockSlot& c = s.Clocks[static_cast<size_t>(i)];
    c.ClockCounter = static_cast<uint8_t>(2 * (c.ClockCycles + 1));
    if (PlatformTimer* t = ClockTimer(e, i))
        t->Tag = QStringLiteral("Stop");
}

} // namespace

void InitSwitchOn(ProgramState& s, EngineContext& e)
{
    EngineState& g = s.engine;
    // Inputs are clicked in the main circuit only.
    if (g.PowerFlag == 0 || g.InnerLevelShown != 0 || s.Levels.empty())
        return;
    s.CurrentLevel = 0;
    const int x = s.CursorX, y = s.CursorY;
    LevelRecord& L0 = s.Levels[0];
    if (!s.P.Contains(x, y) || !L0.Field.Contains(x, y))
        return;
    const GridCell& c = s.P(x, y);
    const int flags = (c.ConLeft != 0) + (c.ConUp != 0) + (c.ConRight != 0) + (c.ConDown != 0);
    int dir = 0;
    if (flags == 1) {
        if (c.ConUp != 0)
            dir = 3;
        else if (c.ConRight != 0)
            dir = 2;
        else if (c.ConDown != 0)
            dir = 4;
        else
            dir = 1;
    }
    if (dir == 0) {
        ShowError(s.ports, nullptr, 1);
        return;
    }
    GridCell& lc = L0.Field(x, y);
    const int16_t level = lc.Value == 0 ? kTrue : kFalse;
    QueueEvent(s, x + StepX(dir), y + StepY(dir), dir, level != 0 ? 1 : 0, 0);
    lc.Value = level;
    s.P(x, y).Value = level;
    SetWireSignal(s, 0, x, y, dir, level);
    if (g.EngineBusy == 0)
        RunWithBracket(s, e);
}

void Pause(ProgramState& s, EngineContext& e)
{
    EngineState& g = s.engine;
    PowerPort* w = s.ports.power;
    if (g.PausedFlag != 0) {
        SetRunState(s, RunState::Running);
        if (w) {
            w->SetRunLamp(true);
            if (g.DelaySetting > 0)
                w->SetStopEnabled(true);
        }
        g.PausedFlag = kFalse;
        Simulate(s, e);
        if (g.EngineBusy == 0 && g.PowerFlag != 0) {
            SetRunState(s, RunState::Ready);
            if (w)
                w->SetRunLamp(false);
        }
        return;
    }
    if (QueueCount(s, 2) == 0 && g.EngineBusy == 0)
        return;
    SetRunState(s, RunState::Paused);
    if (w) {
        w->SetRunLamp(true);
        w->SetStopEnabled(false);
    }
    g.PausedFlag = kTrue;
}

void StopEngine(ProgramState& s, EngineContext& /*e*/)
{
    ClearQueues(s);
    s.engine.PausedFlag = kFalse;
    SetRunState(s, RunState::Ready);
    if (PowerPort* w = s.ports.power) {
        w->SetStopEnabled(false);
        w->SetPauseEnabled(false);
    }
}

void Timer1_Timer(ProgramState& s, EngineContext& e)
{
    EngineState& g = s.engine;
    if (g.InnerLevelShown != 0)
        return;
    if (g.PowerFlag != 0 && g.EngineBusy == 0)
        RunWithBracket(s, e);
    if (e.Timer1)
        e.Timer1->setEnabled(false);
}

void Timer2_Timer(ProgramState& s, EngineContext& e, int16_t index)
{
    EngineState& g = s.engine;
    if (g.PowerFlag == 0 || index < 0)
        return;
    g.StepCount = 0;
    if (g.InnerLevelShown != 0)
        return;
    // A member without a slot has nothing to tick.
    if (ValidSlot(s, index))
        s.Clocks[static_cast<size_t>(index)].ClockTrigger = kTrue;
    if (g.EngineBusy == 0 && e.Timer1)
        e.Timer1->setEnabled(true);
}

void ClockTick(ProgramState& s, EngineContext& e, int16_t i)
{
    if (!ValidSlot(s, i) || s.Levels.empty())
        return;
    ClockSlot& c = s.Clocks[static_cast<size_t>(i)];
    LevelRecord& L0 = s.Levels[0];
    const int n = c.ClockElement;
    if (n <= 0 || static_cast<size_t>(n) >= L0.Elements.size())
        return;
    const CachedPins& pins = evaluators::EvaluatorPins(s, n, 0);
    if (pins.OutputCount < 1)
        return;
    const int ox = pins.Out[0].X, oy = pins.Out[0].Y;
    if (!L0.Field.Contains(ox, oy))
        return;
    const int o = L0.Elements[static_cast<size_t>(n)].Orientation;
    const bool outputHigh = L0.Field(ox, oy).Value != 0;
    PlatformTimer* timer = ClockTimer(e, i);

    if (c.ClockCounter != 0) {
        c.ClockCounter = static_cast<uint8_t>(c.ClockCounter + 1);
        if (c.ClockCounter >= 2 * c.ClockCycles + 2 && !outputHigh) {
            c.ClockCounter = 0;
            if (timer)
                timer->setEnabled(false);
            SetClockButtons(s, false);
            return;
        }
    }

    auto stopButton = [&] {
        if (s.ports.power)
            s.ports.power->SetStopEnabled(s.engine.DelaySetting > 0);
    };
    if (!outputHigh) {
        if (timer)
            timer->setInterval(c.ClockHigh);
        c.ClockOutputHigh = kTrue;
        bool stopHigh = false;
        if (pins.InputCount >= 1 && L0.Field.Contains(pins.In[0].X, pins.In[0].Y))
            stopHigh = L0.Field(pins.In[0].X, pins.In[0].Y).Value != 0;
        if (!stopHigh) {
            QueueEvent(s, ox, oy, o, 1, 0);
            QueueEvent(s, ox + StepX(o), oy + StepY(o), o, 1, 0);
            s.engine.StepCount = 0;
            stopButton();
        }
    } else {
        c.ClockOutputHigh = kFalse;
        QueueEvent(s, ox, oy, o, 0, 0);
        QueueEvent(s, ox + StepX(o), oy + StepY(o), o, 0, 0);
        s.engine.StepCount = 0;
        stopButton();
        if (timer)
            timer->setInterval(c.ClockLow);
    }
}

void SelectTimer(ProgramState& s, EngineContext&, int16_t i)
{
    if (s.ClockCount == 0) {
        if (s.ports.clockPanel)
            s.ports.clockPanel->HideSelectedClockFrame();
        return;
    }
    auto draw = [&](int slot, bool marked) {
        if (!ValidSlot(s, slot))
            return;
        const int n = s.Clocks[static_cast<size_t>(slot)].ClockElement;
        if (n <= 0 || static_cast<size_t>(n) >= s.Elements.size())
            return;
        const CachedPins& pins = ParsePinsCached(s, n, 0);
        if (pins.OutputCount < 1)
            return;
        int x = pins.Out[0].X, y = pins.Out[0].Y;
        const int o = s.Elements[static_cast<size_t>(n)].Orientation;
        switch (o) {
        case 1: x += 3; break;
        case 2: x -= 3; break;
        case 3: y += 3; break;
        case 4: y -= 3; break;
        default: break;
        }
        s.Changes.Element(ElementType::ClockGenerator, x, y, static_cast<uint8_t>(o), marked);
    };
    draw(s.SelectedClock, false);
    draw(i, true);
    s.Changes.Flush();
}

void ChangeToolbar3(ProgramState& s, EngineContext& e)
{
    const int sc = s.SelectedClock;
    if (!ValidSlot(s, sc))
        return;
    const ClockSlot& c = s.Clocks[static_cast<size_t>(sc)];
    ClockPanelPort* w = s.ports.clockPanel;
    if (!w)
        return;
    const PlatformTimer* t = ClockTimer(e, sc);
    const QString tag = t ? t->Tag : QString();
    if (tag.isEmpty() || tag == QLatin1String("Stop"))
        SetClockButtons(s, false);
    else if (tag == QLatin1String("Dauertakt"))
        SetClockButtons(s, true);
    else if (tag == QLatin1String("Einzeltakt"))
        SetClockButtons(s, c.ClockOutputHigh != 0);
    w->SetClockCyclesText(NumToStr(c.ClockCycles));
    const int slider1 = 10000 - c.ClockHigh;
    const int slider0 = 10000 - c.ClockLow;
    w->SetClockSliders(slider1, slider0);
    w->SetClockPhaseLabels(PhaseSliderText(slider1), PhaseSliderText(slider0));
    w->SetClockTitle(QStringLiteral("Taktgeber: ") + QString::number(sc + 1));
    w->SetClockLinkChecked(c.ClockLinked != 0);
}

void Toolbar3_ButtonClick(ProgramState& s, EngineContext& e, const QString& key)
{
    const int sc = s.SelectedClock;
    if (key == QLatin1String("cmdFullStop")) {
        for (int i = 0; ValidSlot(s, i); ++i)
            AskClockToStop(s, e, i);
        SetClockButtons(s, false);
        if (s.ports.clockPanel)
            s.ports.clockPanel->SetClockButtonEnabled(QStringLiteral("cmdFullStop"), false);
        return;
    }
    if (!ValidSlot(s, sc))
        return;
    ClockSlot& c = s.Clocks[static_cast<size_t>(sc)];
    if (key == QLatin1String("cmdStop")) {
        AskClockToStop(s, e, sc);
        SetClockButtons(s, false);
        // The all-stop button stays while another generator still runs.
        bool anyRunning = false;
        if (e.Timer2)
            for (const auto& t : *e.Timer2)
                anyRunning = anyRunning || (t && !t->Tag.isEmpty() && t->Tag != QLatin1String("Stop"));
        if (!anyRunning && s.ports.clockPanel)
            s.ports.clockPanel->SetClockButtonEnabled(QStringLiteral("cmdFullStop"), false);
        return;
    }
    const bool continuous = key == QLatin1String("cmdDauertakt");
    if (!continuous && key != QLatin1String("cmdEinzeltakt"))
        return;
    c.ClockCounter = continuous ? 0 : 1;
    if (PlatformTimer* t = ClockTimer(e, sc)) {
        t->Tag = continuous ? QStringLiteral("Dauertakt") : QStringLiteral("Einzeltakt");
        // The phase in progress runs out first.
        t->setInterval(c.ClockOutputHigh != 0 ? c.ClockHigh : c.ClockLow);
        t->setEnabled(true);
    }
    SetClockButtons(s, true);
    if (s.ports.clockPanel)
        s.ports.clockPanel->SetClockButtonEnabled(QStringLiteral("cmdFullStop"), true);
}

void timPort_Timer()
{
}
