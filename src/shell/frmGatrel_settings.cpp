// The Extras and Help menus' windows: settings behind the password lock,
// number conversion, help, about box, web page and support mail.
#include "shell/frmGatrel.h"

#include "model/state.h"
#include "platform/data_paths.h"
#include "settings/settings_windows.h"

void frmGatrel::WireSettingsWindows()
{
    auto* windows = new SettingsWindows(
        s_, dialogs_, *objUndo_, this,
        [this] {
            SetElementButtons();
            ShowPanels();
        },
        DataSearchDirs());
    windows->setObjectName(QStringLiteral("settingsWindows"));
    s_.ports.desktop = &windows->Desktop();
    settingsWindows_ = windows;
}
