#pragma once
// Messages of the IC manager that report failures the string table has no
// text for.
#include <QString>

// The circuit on the worksheet uses IC name.
QString CircuitUsesICText(const QString& name);
// IC name could not be deleted; reason is the system's, possibly empty.
QString DeleteFailedText(const QString& name, const QString& reason);
// The file could not be imported into the IC directory.
QString ImportFailedText(const QString& path, const QString& reason);
// The notes of IC name could not be saved.
QString NotesFailedText(const QString& name, const QString& reason);
// The node text of an IC met again inside itself.
QString CycleNodeText(const QString& name);
// The heading of the nesting tree's group that names a damaged IC definition file.
QString DamagedGroupText();
