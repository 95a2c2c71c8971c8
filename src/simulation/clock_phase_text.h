#pragma once
// How the clock panel's phase labels show a slider position.
#include <QString>

// Slider0 (low phase) and Slider1 (high phase) run from 0 to this.
inline constexpr int kPhaseSliderMax = 10000;

// A slider position as lbl0/lbl1 show it: the phase (10000 - position ms)
// cut to tenths of a second, "0.5s", "1s", "0.0s".
QString PhaseSliderText(int position);
