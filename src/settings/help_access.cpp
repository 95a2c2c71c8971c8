#include "settings/help_access.h"

#include <QDir>

#include "model/file_names.h"
#include "platform/data_paths.h"
#include "platform/user_dialogs.h"

namespace {

const QString kTitle = QStringLiteral("HTML Help Class");

void Warn(UserDialogs& dialogs, const QString& text)
{
    dialogs.ShowMessage(text, MessageButtons::OK, MessageIcon::Exclamation, kTitle);
}

} // namespace

QString HelpContentsFile(const QStringList& dataDirs)
{
    const QString name = QString::fromLatin1(kHelpContentsName);
    const QString found = FindDataFile(name, dataDirs);
    if (!found.isEmpty() || dataDirs.isEmpty())
        return found.isEmpty() ? name : found;
    return QDir::cleanPath(dataDirs.last() + u'/' + name);
}

QString CheckHelpFile(const QString& file, const QString& programFolder, UserDialogs& dialogs)
{
    if (!file.endsWith(QLatin1String("htm"), Qt::CaseInsensitive) &&
        !file.endsWith(QLatin1String("html"), Qt::CaseInsensitive)) {
        Warn(dialogs, file + QStringLiteral(" is not a valid HTML Help file."));
        return QString();
    }
    const QString path = file.contains(u'/') ? file : QDir::cleanPath(programFolder + u'/' + file);
    if (!FileExists(path)) {
        Warn(dialogs, QStringLiteral("The file ") + path + QStringLiteral(" does not exist.\n") +
                          QStringLiteral("Please make sure the correct path and file name have been specified."));
        return QString();
    }
    return path;
}
