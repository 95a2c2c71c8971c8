#pragma once
// The simulation delay as the control panel steps, reads and shows it.
#include <QString>
#include <cstdint>

// One step up (+1) or down (-1), held within 0..100.
int16_t DelayStep(int16_t delay, int step);
// "Off" at 0, else the number followed by "ms".
QString DelayText(int16_t delay);

// The delay box's text as a setting 0..100: its numeric prefix, halves to
// the even neighbour; no number (as in "Off") is 0.
int16_t DelayFromText(const QString& text);
// Enter or leaving the delay box: sets the engine's delay setting from the
// text and returns the text the box shows afterwards.
QString ApplyDelayText(int16_t& delaySetting, const QString& text);

// Caption of lblDelay for a position of sldDelay, with its colour (&HBBGGRR).
struct DelaySliderCaption {
    QString text;
    int32_t colour = 0;
};
DelaySliderCaption DelaySliderLabel(int position);
