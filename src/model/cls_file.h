#pragma once
#include <QString>

// Name and folder of the open circuit file.
class clsFile {
public:
    QString FileName; // full path; empty for a new circuit
    QString FilePath; // its folder, ending with the separator
    bool Changed = false;

    // False for an empty name; otherwise whether a file of that name exists.
    bool ExistFile(const QString& name) const;
};
