#pragma once
// The placing rig with the IC definition files of tests/data/ic in a scratch
// IC directory, and short forms for the file and the history.
#include <QFile>
#include <QTemporaryDir>

#include "placing_fixture.h"

class UndoFixture : public Placing {
protected:
    UndoFixture()
    {
        s.Verzeichnisse[1] = icDir.path() + QLatin1Char('/');
        for (const char* name : {"HALF.icd", "FULL.icd"})
            QFile::copy(QStringLiteral(GATREL_TEST_DATA "/ic/") + QLatin1String(name),
                        icDir.filePath(QLatin1String(name)));
    }

    QByteArray File() { return FileBytes(); }
    QStringList Steps() const
    {
        QStringList lines;
        u.ListUndos(lines);
        return lines;
    }

    QTemporaryDir icDir;
    clsUndo& u = undo;
};
