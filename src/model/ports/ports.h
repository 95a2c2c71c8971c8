#pragma once
// What the core needs of the windows, split by role. The windows implement
// the ports and hand them to the program state; each is null where no window
// stands behind it (headless use, tests of the core).
class AnalyzerPort;
class ClockPanelPort;
class ClockTimerPort;
class DesktopPort;
class FilePort;
class ICManagerPort;
class ICViewPort;
class LevelPort;
class PowerPort;
class ProbePort;
class StatusPort;
class ToolPort;
class UndoPort;
class WorksheetPort;

struct Ports {
    StatusPort* status = nullptr;
    FilePort* files = nullptr;
    ToolPort* tools = nullptr;
    PowerPort* power = nullptr;
    ClockPanelPort* clockPanel = nullptr;
    ClockTimerPort* clockTimers = nullptr;
    LevelPort* levels = nullptr;
    ICViewPort* icView = nullptr;
    AnalyzerPort* analyzer = nullptr;
    WorksheetPort* worksheet = nullptr;
    UndoPort* undo = nullptr;
    ProbePort* probes = nullptr; // the engine's sensor events
    ICManagerPort* icManager = nullptr;
    DesktopPort* desktop = nullptr;
};
