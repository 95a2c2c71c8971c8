#include "settings/directory_choice.h"

#include <QDir>
#include <QFileInfo>

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
