#include "settings/directory_choice.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

#include "model/file_names.h"
#include "platform/string_table.h"

QString NearestExistingDirectory(const QString& path)
{
    if (path.isEmpty() || QDir::isRelativePath(path))
        return QDir::rootPath();
    QString dir = QDir::cleanPath(path);
    while (!DirExists(dir)) {
        const QString parent = QFileInfo(dir).path();
        if (parent == dir)
            return QDir::rootPath();
        dir = parent;
    }
    return dir;
}

QStringList MountedDrives()
{
    // Package images, container layers and memory file systems hold no
    // folders of the user's own; the root reaches them anyway.
    static const QList<QByteArray> kSkipped{"squashfs", "overlay", "tmpfs", "devtmpfs"};
    QStringList drives{QDir::rootPath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (kSkipped.contains(volume.fileSystemType()))
            continue;
        if (volume.isValid() && volume.isReady() && QFileInfo(root).isDir() && !drives.contains(root))
            drives.append(root);
    }
    std::sort(drives.begin() + 1, drives.end());
    return drives;
}

QString DriveOf(const QString& dir, const QStringList& drives)
{
    QString best = drives.value(0);
    for (const QString& root : drives) {
        const QString prefix = root.endsWith(u'/') ? root : root + u'/';
        if ((dir == root || dir.startsWith(prefix)) && root.size() > best.size())
            best = root;
    }
    return best;
}

bool NewDirectoryNameAllowed(const QString& name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(QChar(0)) && name != QLatin1String(".") &&
           name != QLatin1String("..");
}

QString NewDirectoryPrompt(const QString& parent)
{
    return LoadResString(4406).replace(QStringLiteral("%1"), QStringLiteral("\n") + parent + QStringLiteral("\n\n"));
}

std::optional<QString> CreateSubdirectory(const QString& parent, const QString& name)
{
    if (!NewDirectoryNameAllowed(name) || !DirExists(parent))
        return std::nullopt;
    QDir dir(parent);
    if (!dir.mkdir(name))
        return std::nullopt;
    return QDir::cleanPath(dir.filePath(name));
}
