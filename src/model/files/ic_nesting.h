#pragma once
// The check that every IC definition file an IC depends on, at any depth,
// is there; it must end for an IC that contains itself.
#include <QList>
#include <QString>
#include <QStringList>

struct ICNestingResult {
    // Every file found, no IC contains itself, and the IC fits the IC table.
    bool ICNestingOK = false;
    // Names of the files not found (or not readable, or not plain names), in
    // the order met; a name may repeat.
    QStringList MissingICs;
    // Each cycle as the chain of names from the IC met again to itself, e.g. A, B, A.
    QList<QStringList> Cycles;
    // More nested ICs than the IC table can hold; the walk stopped there.
    bool TooManyICs = false;
    // IC instances nested in the IC at every depth (one per [IC] line met).
    int NestedCount = 0;
};

// Walks the definition files of IC name in the IC directory icDir: each
// file's [IC] lines first, then each of them in turn.
ICNestingResult CheckICNesting(const QString& icDir, const QString& name);
