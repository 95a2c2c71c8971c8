#pragma once
// The power panel and the mode switch it drives. The run state behind the
// texts is the engine's own (EngineState); the panel only shows it.
#include <QString>

#include "model/engine_state.h"

class PowerPort {
public:
    virtual ~PowerPort() = default;
    // Edit mode (true) or simulation mode (false).
    virtual void ChangeGUI(bool edit) = 0;
    // The program's own switch-off (a new circuit, the engine's abort, leaving
    // the IC view): the power goes off at once, in quick help too, which
    // swallows only the user's clicks on the power buttons.
    virtual void SwitchPowerOff() = 0;
    virtual void ShowPowerPanel() = 0;                  // picEinAus
    // lblOnOff and cmdPause's caption, as the run state has them.
    virtual void ShowRunState(RunState state) = 0;
    virtual void SetRunLamp(bool red) = 0;              // picRot shown and picGrün hidden, or the reverse
    virtual void SetPauseEnabled(bool enabled) = 0;     // cmdPause
    virtual void SetStopEnabled(bool enabled) = 0;      // cmdStop
    virtual void SetTimeLabel(const QString& text) = 0; // lblTime
};
