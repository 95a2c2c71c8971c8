#include "settings/startup.h"

#include <QDir>

#include "model/file_names.h"
#include "placement/document/settings_store.h"
#include "model/state.h"
#include "platform/registry.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"

namespace {

QString ExpandLineBreaks(QString text, const QString& lineBreak)
{
    return text.replace(QStringLiteral("\\n"), lineBreak);
}

} // namespace

std::optional<RegistryRoot> FindSettingsRoot(const RegistryLocations& where, UserDialogs& dialogs)
{
    const QString key = QString::fromLatin1(kSettingsKey);
    const auto root = ChooseRegRoot(RegKeyExists(where, RegistryRoot::CurrentUser, key),
                                    RegKeyExists(where, RegistryRoot::LocalMachine, key));
    if (!root) {
        dialogs.ShowMessage(LoadResString(1203), MessageButtons::OK, MessageIcon::None, QString());
        return root;
    }
    // The machine-wide file holds the installation's defaults and stays as
    // installed: a user without a file of their own gets one made from it.
    // When that fails the defaults are read as they are, and the first save
    // says why it cannot keep anything.
    if (*root == RegistryRoot::LocalMachine && CreateUserSettings(where))
        return RegistryRoot::CurrentUser;
    return root;
}

void CheckOwnSettings(Settings& st, UserDialogs& dialogs)
{
    const QString& file = st.registryFiles.userFile;
    QString reason;
    if (file.isEmpty()
        || (UseOwnSettings(st, &reason) && RegRewrite(st.registryFiles, RegistryRoot::CurrentUser, &reason)))
        return;
    dialogs.ShowMessage(QStringLiteral("The settings cannot be saved to '%1'.\n%2\n"
                                       "Settings changed from now on are lost when Gatrel ends.")
                            .arg(file, reason),
                        MessageButtons::OK, MessageIcon::Exclamation, LoadResString(1533));
    st.UnsavableTold = true;
}

void CheckIconFiles(const QString& gatrelIco, const QString& icIco, UserDialogs& dialogs)
{
    if (gatrelIco.isEmpty() || icIco.isEmpty() || !FileExists(gatrelIco) || !FileExists(icIco))
        dialogs.ShowMessage(LoadResString(1207), MessageButtons::OK, MessageIcon::None, QString());
}

QString DefaultWorkingFolder(const QString& documentsFolder, const QString& programFolder)
{
    if (documentsFolder.isEmpty())
        return QDir::cleanPath(programFolder) + QStringLiteral("/Gatrel/");
    const QString folder = QDir::cleanPath(documentsFolder) + QStringLiteral("/Gatrel");
    if (!DirExists(folder))
        QDir().mkpath(folder); // a folder that cannot be made shows up in the directory check
    return folder + u'/';
}

void CheckDirectories(std::array<QString, 3>& directories, UserDialogs& dialogs, const QString& defaultFolder)
{
    for (QString& dir : directories) {
        if (dir.isEmpty()) {
            dir = defaultFolder;
        } else if (!DirExists(dir)) {
            dialogs.ShowMessage(ExpandLineBreaks(LoadResString(2504), QStringLiteral("\n")).arg(dir),
                                MessageButtons::OK, MessageIcon::Exclamation, LoadResString(2503));
            dir = defaultFolder;
        }
    }
}
