#pragma once
// The directory chooser's file-system rules, free of widgets.
#include <QString>
#include <QStringList>
#include <optional>

// The directory itself when it exists, else its nearest existing parent;
// the root for an empty or relative path.
QString NearestExistingDirectory(const QString& path);

// The roots of the mounted volumes, the file system's root first: the
// chooser's drives.
QStringList MountedDrives();
// The drive that holds dir: the longest of the roots that dir lies under,
// else the first.
QString DriveOf(const QString& dir, const QStringList& drives);

// A name that makes a directory inside the current one: not empty, no
// separator, no NUL, neither "." nor "..".
bool NewDirectoryNameAllowed(const QString& name);

// The text of the prompt for a new directory's name below parent.
QString NewDirectoryPrompt(const QString& parent);

// Makes parent/name; the new directory's path, or nothing when the name is
// refused or the directory cannot be made (it already exists, no rights).
std::optional<QString> CreateSubdirectory(const QString& parent, const QString& name);
