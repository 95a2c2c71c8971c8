#pragma once
// The IC directory as the IC manager and the main window's IC chooser list
// it: one entry per IC definition file, with the last line of its notes.
#include <QList>
#include <QString>
#include <optional>

struct ICListEntry {
    QString name;  // the file name less ".icd"
    QString notes; // the last line of its [Notizen] section; empty without one
};

// The files of icDir whose names end in exactly ".icd", by name. A file that
// cannot be read is listed without notes.
QList<ICListEntry> ReadICList(const QString& icDir);

// The last line of the [Notizen] section of the file at path, an empty line
// included; nothing when the file has no such section or cannot be read.
std::optional<QString> LastNotesLine(const QString& path);

// The definition file of IC name in icDir.
QString ICFilePath(const QString& icDir, const QString& name);
