#pragma once
// The status bar and the progress bar, and whether the window takes input.
#include <QString>

class StatusPort {
public:
    virtual ~StatusPort() = default;
    // Panel 0 carries the status text, panel 1 the redraw texts.
    virtual void SetStatusPanel(int panel, const QString& text) = 0;
    virtual void SetProgress(int value) = 0;
    virtual void EnableMainWindow(bool enabled) = 0;
};
