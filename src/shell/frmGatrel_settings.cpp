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
    seams_.passwordCheck = [windows] { windows->PasswordCheck(); };
    seams_.passwordChange = [windows] { windows->PasswordChange(); };
    seams_.settingsDialog = [windows] { windows->SettingsDialog(); };
    seams_.numberConversion = [windows] { windows->NumberConversion(); };
    seams_.help = [windows] { windows->Help(); };
    seams_.about = [windows] { windows->About(); };
    seams_.webPage = [windows] { windows->WebPage(); };
    seams_.supportMail = [windows] { windows->SupportMail(); };
}
