#pragma once
// The Undo menu items and toolbar buttons, and the history the window holds.
#include <QString>

class UndoPort {
public:
    virtual ~UndoPort() = default;
    virtual void SetUndoMenu(bool enabled, const QString& caption) = 0; // mUndo
    virtual void SetUndoButtonsEnabled(bool enabled) = 0; // cmdUndo and cmdUndoList
    virtual void SetUndoListMenuEnabled(bool enabled) = 0; // mUndoList
    virtual void DeleteUndoData() = 0; // the history's stored steps
};
