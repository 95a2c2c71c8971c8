#pragma once
// A tool window keeps its owner's window-wide shortcuts working while it is
// active, and where both windows give a command the same key, neither
// command runs. The active window's own command wins.
class QWidget;

// While toolWindow is the active window, the owner's commands whose keys
// toolWindow's own commands carry rest, and toolWindow's run.
void TakeOwnKeysWhileActive(QWidget* toolWindow, QWidget* owner);
