#include <QApplication>
#include <QDir>
#include <QStringList>
#include <memory>

#include "model/state.h"
#include "platform/data_paths.h"
#include "platform/qt_user_dialogs.h"
#include "platform/registry.h"
#include "platform/timers.h"
#include "settings/frmBevorStart.h"
#include "settings/startup.h"
#include "shell/frmGatrel.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gatrel"));
    QApplication::setApplicationVersion(QStringLiteral(GATREL_VERSION));

    ProgramState s;
    QtUserDialogs dialogs;
    s.settings.registryFiles = DefaultRegistryLocations();
    s.settings.OSName = GetOSName();

    frmBevorStart splash(FindDataFile(QStringLiteral("start.jpg")), s.settings.OSName);
    const auto root = FindSettingsRoot(s.settings.registryFiles, dialogs);
    if (!root)
        return 1; // nothing shown, nothing written
    s.settings.RegRoot = *root;
    CheckIconFiles(FindDataFile(QStringLiteral("gatrel.ico")), FindDataFile(QStringLiteral("ic.ico")), dialogs);
    // The whole command line after the program name is the file to open.
    const QString LadeDatei = QApplication::arguments().mid(1).join(u' ');

    QtTimerHost timers(&dialogs);
    std::unique_ptr<frmGatrel> window;
    QObject::connect(&splash, &frmBevorStart::Finished, &app, [&] {
        window = std::make_unique<frmGatrel>(s, dialogs, timers);
        dialogs.SetParent(window.get());
        // There is no documents folder common to all users here, so also a user whose
        // settings stay machine-wide (their own file cannot be made) works in their own.
        const QString documents = GetSpecialFolder(QStandardPaths::DocumentsLocation);
        const int failure = window->Form_Load(LadeDatei, documents, QApplication::applicationDirPath());
        if (failure != 0) {
            QCoreApplication::exit(failure);
            return;
        }
        window->show();
        window->Form_Activate();
    });
    splash.show();
    return app.exec();
}
