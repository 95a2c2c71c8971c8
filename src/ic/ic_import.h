#pragma once
// Copying an IC definition file from elsewhere into the IC directory.
#include <QString>

enum class ImportOutcome {
    Imported,
    Missing, // no such file
    Empty,   // "Invalid file type."
    Exists,  // an IC of that name, in any letter case: "IC already exists."
    Failed,  // not read or not written; reason says why
};

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::Missing;
    QString name;   // the IC's name: the file name less its extension
    QString reason; // the system's reason of a failure
};

// The IC name a file is imported as: its name less ".icd" in any case, else
// less its last extension.
QString ImportedICName(const QString& sourcePath);

// Copies the file at sourcePath into icDir as "<name>.icd", unless it is
// empty, its name is one a circuit file cannot keep (the reason says why),
// or an IC of that name is there already. The copy is written whole or not
// at all.
ImportResult ImportICFile(const QString& icDir, const QString& sourcePath);
