#pragma once
// The tool buttons, the Components menu, the orientation toolbar, the
// worksheet pointer and the property panel that follow the chosen tool.
// What they show is kept in the program state; these only show it.
#include <QString>
#include <array>
#include <cstdint>

#include "model/records.h"

class ToolPort {
public:
    virtual ~ToolPort() = default;
    virtual void ChangeSelPicture(ToolCode tool) = 0;
    virtual void ChangePropertyWindow(std::array<bool, 8> parts) = 0;
    virtual void CheckComponentMenuOnly(int item) = 0; // mBauteil(item) alone checked
    // Element toolbar (Toolbar2): the window records the pressed button in
    // PressedToolKey and PressedToolIndex.
    virtual void PressToolButton(const QString& key, int index) = 0;
    virtual void ReleaseToolButton(const QString& key) = 0;
    virtual void SetOrientationToolbarEnabled(bool enabled) = 0;
    virtual void SetWorksheetMousePointer(int pointer) = 0;
};
