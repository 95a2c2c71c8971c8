#pragma once
// Where the program's data files are: beside the executable, or in
// share/gatrel of the installation.
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// The folder above the executable's (cleaned); empty without an application object.
QString InstallPrefix();
// The executable's folder, then <prefix>/share/gatrel.
QStringList DataSearchDirs();
// Full path of the first existing file of that name in the folders, or empty.
QString FindDataFile(const QString& name, const QStringList& dirs);
QString FindDataFile(const QString& name);

// The user's folder of that kind (documents ...), or empty when the system
// names none; callers then fall back on a folder of their own.
QString GetSpecialFolder(QStandardPaths::StandardLocation folder);
