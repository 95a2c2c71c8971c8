#pragma once
// Writing a whole file so that a failure never leaves it truncated or empty.
#include <QByteArray>
#include <QString>

// Writes bytes to a temporary file beside path and renames it over path.
// ownerOnly makes the new file readable and writable by its owner alone.
// False when anything fails, a full disk included; the old file is then
// unchanged and error (when given) holds the system's reason.
bool ReplaceFileContents(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                         bool ownerOnly = false);
