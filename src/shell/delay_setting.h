#pragma once
// The simulation delay as the control panel steps and shows it.
#include <QString>
#include <cstdint>

// One step up (+1) or down (-1), held within 0..100.
int16_t DelayStep(int16_t delay, int step);
// "Off" at 0, else the number followed by "ms".
QString DelayText(int16_t delay);
