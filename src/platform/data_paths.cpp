#include "platform/data_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString AppDir()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

} // namespace

QString InstallPrefix()
{
    const QString dir = AppDir();
    return dir.isEmpty() ? QString() : QDir::cleanPath(dir + QStringLiteral("/.."));
}

QStringList DataSearchDirs()
{
    const QString dir = AppDir();
    if (dir.isEmpty())
        return {};
    return {dir, QDir::cleanPath(dir + QStringLiteral("/../share/gatrel"))};
}

QString FindDataFile(const QString& name, const QStringList& dirs)
{
    if (name.isEmpty())
        return QString();
    for (const QString& dir : dirs) {
        const QFileInfo info(QDir(dir), name);
        if (info.isFile())
            return QDir::cleanPath(info.absoluteFilePath());
    }
    return QString();
}

QString FindDataFile(const QString& name)
{
    return FindDataFile(name, DataSearchDirs());
}

QString GetSpecialFolder(QStandardPaths::StandardLocation folder)
{
    return QStandardPaths::writableLocation(folder);
}
