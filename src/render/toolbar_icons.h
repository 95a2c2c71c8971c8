#pragma once
// Pictures for the main window's toolbar buttons and the settings dialog's
// switches, drawn in code so the program ships no image files.
#include <QIcon>
#include <QString>

// The picture of button key on the named toolbar, in 24 and 48 pixel
// versions; a null icon when that toolbar has no such button. The settings
// dialog's pictures that no button shows are filed under "frmOptions".
QIcon ToolbarIcon(const QString& toolbar, const QString& key);
