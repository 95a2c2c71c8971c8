#pragma once
// The clock-generator page: its toolbar, cycle count, phase sliders and the
// mark of the selected generator.
#include <QString>

class ClockPanelPort {
public:
    virtual ~ClockPanelPort() = default;
    virtual void SetClockButtonEnabled(const QString& key, bool enabled) = 0; // Toolbar3 button
    virtual void SetClockCyclesText(const QString& text) = 0;                 // txtAnzTakte
    virtual void SetClockSliders(int slider1, int slider0) = 0;               // Slider1, Slider0
    virtual void SetClockPhaseLabels(const QString& lbl1, const QString& lbl0) = 0;
    virtual void SetClockTitle(const QString& text) = 0;                      // lblTaktgeber
    virtual void SetClockLinkChecked(bool checked) = 0;                       // chkLink
    virtual void HideSelectedClockFrame() = 0;                                // shpSelectedTimer
};
