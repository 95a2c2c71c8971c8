#include "support/circuit_driver.h"

#include <QColor>
#include <QImage>

#include "placement/document/circuit_file.h"
#include "model/geometry.h"
#include "simulation/evaluators.h"

CircuitDriver::CircuitDriver()
    : surface(1400, 1000, SurfaceKind::Worksheet), grafik(s, &surface), view(s, grafik, &surface)
{
    window.Attach(s);
    e.dialogs = &dialogs;
    e.evaluators = StandardEvaluators();
    e.waitHooks.now = [this] { return clock; };
    e.waitHooks.idle = [this](double seconds) {
        waits.push_back(seconds);
        clock += seconds + 1e-9;
    };
    e.waitHooks.pumpEvents = [this] {
        const int n = ++pumps;
        if (onPump)
            onPump(n);
    };
    timer1 = timers.CreateTimer([this] { Timer1_Timer(EngineOf(s, e)); });
    timer1->setInterval(1);
    e.Timer1 = timer1.get();
    e.Timer2 = &timer2;
    SyncClockTimers();
}

CircuitDriver::~CircuitDriver()
{
    s.ports = Ports{};
}

void CircuitDriver::SyncClockTimers()
{
    const size_t want = std::max<size_t>({1, s.circuit.Clocks.size(), static_cast<size_t>(window.clockTimerCount)});
    while (timer2.size() < want) {
        const int index = static_cast<int>(timer2.size());
        auto t = timers.CreateTimer([this, index] { Timer2_Timer(EngineOf(s, e), static_cast<int16_t>(index)); });
        t->setInterval(200);
        t->Tag = QStringLiteral("Stop");
        timer2.push_back(std::move(t));
    }
}

bool CircuitDriver::Load(const QString& path)
{
    const bool ok = LoadFile(s, dialogs, path) == LoadResult::Loaded;
    SyncClockTimers();
    return ok;
}

void CircuitDriver::PowerOn()
{
    SyncClockTimers();
    if (s.engine.PowerFlag == 0)
        PowerOnOff(EngineOf(s, e));
}

void CircuitDriver::PowerOff()
{
    if (s.engine.PowerFlag != 0)
        PowerOnOff(EngineOf(s, e));
}

void CircuitDriver::Click(int x, int y, int button)
{
    SimulationMouseDown(EngineOf(s, e), button, x, y);
}

const GridCell& CircuitDriver::Cell(int x, int y, int level) const
{
    if (s.engine.PowerFlag != 0)
        return s.circuit.Levels.at(static_cast<size_t>(level)).Field.at(x, y);
    return s.circuit.P.at(x, y);
}

int32_t CircuitDriver::PixelAtCell(int x, int y) const
{
    const QColor c = surface.Image().pixelColor(GridToPixel(s, static_cast<int16_t>(x)), GridToPixel(s, static_cast<int16_t>(y)));
    return (c.blue() << 16) | (c.green() << 8) | c.red();
}

void CircuitDriver::ClockCycles(int n)
{
    for (int i = 0; i < 2 * n; ++i) {
        Timer2_Timer(EngineOf(s, e), 0);
        Timer1_Timer(EngineOf(s, e));
    }
}
