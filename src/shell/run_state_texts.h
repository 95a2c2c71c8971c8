#pragma once
// The power panel's texts for the engine's run state.
#include <QString>

#include "model/engine_state.h"

// The status line lblOnOff; empty where the panel keeps what it shows (the
// power is off or going off, so the last state stays readable).
QString RunStateText(RunState state);
// cmdPause offers to continue a paused run and to pause any other.
QString PauseCaptionFor(RunState state);
