#pragma once
// Runs a circuit through the routines the main window calls: load a file or
// take the worksheet as built, switch the power, click cells, let the clock
// timers run on a virtual clock, read the cells. Waits are scripted: every
// delay wait advances a virtual clock and calls onPump once.
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "model/state.h"
#include "platform/painter_surface.h"
#include "platform/timers.h"
#include "render/clsGrafik.h"
#include "render/sheet_view.h"
#include "editing/engine_binding.h"
#include "simulation/engine.h"
#include "support/fake_main_window.h"
#include "support/scripted_user_dialogs.h"

class CircuitDriver {
public:
    // A worksheet of the default size, the power off, every evaluator installed.
    CircuitDriver();
    ~CircuitDriver();
    CircuitDriver(const CircuitDriver&) = delete;
    CircuitDriver& operator=(const CircuitDriver&) = delete;

    ProgramState s;
    FakeMainWindow window;
    ScriptedUserDialogs dialogs;
    VirtualTimerHost timers;
    PainterSurface surface;
    clsGrafik grafik;
    // Draws what the engine changes on the surface.
    SheetView view;
    EngineContext e;
    std::unique_ptr<PlatformTimer> timer1;
    std::vector<std::unique_ptr<PlatformTimer>> timer2;

    // Scripted waits: the virtual clock in seconds, the seconds each delay
    // wait asked for (each wait pumps once), and a hook run once per pump with its running number
    // (from 1). Power-on pumps twice before its first run.
    double clock = 0;
    std::vector<double> waits;
    int pumps = 0;
    std::function<void(int)> onPump;

    // LoadFile with the given path; the clock timers follow the loaded slots.
    bool Load(const QString& path);
    // Clock timers for every slot, as loading or placing makes them.
    void SyncClockTimers();

    void PowerOn();
    void PowerOff();
    // The power buttons: on when off, off when on.
    void TogglePower() { PowerOnOff(EngineOf(s, e)); }
    // A left (1) or right (2) click on cell (x, y) while the simulation runs.
    void Click(int x, int y, int button = 1);
    // n cycles of clock generator 0 ticked by hand: its tick, then a run of the
    // step timer, twice a cycle.
    void ClockCycles(int n);
    // Moves the virtual timer clock on, firing clock and step-timer ticks.
    void Advance(int ms) { timers.Advance(ms); }

    // The cell as the engine holds it: Levels(level) while the power is on, P while it is off.
    const GridCell& Cell(int x, int y, int level = 0) const;
    bool High(int x, int y, int level = 0) const { return Cell(x, y, level).Value != 0; }
    // The worksheet's pixel colour at the centre of cell (x, y), as the
    // surfaces take colours (red in the low byte).
    int32_t PixelAtCell(int x, int y) const;
};
