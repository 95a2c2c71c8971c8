#pragma once
// Rewriting the notes of an IC definition file.
#include <QByteArray>
#include <QString>

// The file's bytes with everything after its "[Notizen]" line replaced by
// notes and a line end; every line before it stays as it was. A file
// without that line gets it appended, with the notes.
QByteArray WithNotes(const QByteArray& file, const QString& notes);

// Puts notes into the IC definition file at path, replacing the file whole
// or not at all. False, with the system's reason, when it could not be read
// or written; the file is then unchanged.
bool RewriteNotes(const QString& path, const QString& notes, QString* reason);
