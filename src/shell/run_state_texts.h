#pragma once
// The power panel's texts for the engine's run state.
#include <QString>

#include "model/engine_state.h"

// The status line lblOnOff; empty while the power goes off, where the panel
// keeps what it shows. With the power off nothing runs: "Ready", as after a
// run.
QString RunStateText(RunState state);
// cmdPause offers to continue a paused run and to pause any other.
QString PauseCaptionFor(RunState state);
