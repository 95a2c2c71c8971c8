#pragma once
// File and folder names.
#include <QString>

// A regular file of that name exists.
bool FileExists(const QString& path);
// The path names a folder; false on any error.
bool DirExists(const QString& path);
// The part after the last "/" (or "\", as names in old files carry it).
QString GetFileName(const QString& path);
// The path with "." and extension added when its file name has no extension
// (a save dialog's typed name).
QString WithDefaultExtension(const QString& path, const QString& extension);
