#include <QApplication>
#include <QStringList>

#include "model/files/file_commands.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "platform/qt_user_dialogs.h"
#include "platform/registry.h"
#include "platform/timers.h"
#include "settings/settings_store.h"
#include "shell/frmGatrel.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gatrel"));

    ProgramState s;
    s.settings.registryFiles = DefaultRegistryLocations();
    const QString key = QString::fromLatin1(kSettingsKey);
    const auto root = ChooseRegRoot(RegKeyExists(s.settings.registryFiles, RegistryRoot::CurrentUser, key),
                                    RegKeyExists(s.settings.registryFiles, RegistryRoot::LocalMachine, key));
    s.settings.RegRoot = root.value_or(RegistryRoot::CurrentUser);

    QtUserDialogs dialogs;
    QtTimerHost timers;
    frmGatrel window(s, dialogs, timers);
    dialogs.SetParent(&window);
    LoadSettings(s);
    window.objUndo().SetUndos(s.settings.DummyUndo);
    s.ShowGrid = kTrue; // the grid is always shown at start
    window.RedrawAllElements();
    window.show();
    QString ladeDatei = QCoreApplication::arguments().value(1);
    LoadStartupFile(s, dialogs, ladeDatei);

    const int rc = app.exec();
    SaveSettings(s, window.objUndo().Undos());
    return rc;
}
