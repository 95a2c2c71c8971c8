#pragma once
// The nesting tree of one IC as the IC manager shows it: the ICs it
// contains, level by level, the definition files that are missing, and
// whether the IC may be placed.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "model/files/ic_definition_check.h"

struct NestingNode {
    QString key;       // "main", "entry<n>", "Fehler", "Fehler<i>", "Defekt", "Defekt1"
    QString text;
    QString parentKey; // empty for a top-level node
};

struct NestingTree {
    // In the order added; the group of missing ICs and its entries come last.
    QList<NestingNode> nodes;
    // Names of missing definition files, in the order met; a name may repeat.
    QStringList MissingICs;
    // ICs met again inside themselves; they are not descended into.
    QStringList Cycles;
    // The tree grew beyond kMaxNestingNodes and was cut there.
    bool truncated = false;
    // Once every file is found: the IC definition check's fault of the IC or
    // of one nested in it, shown in a last group of its own.
    std::optional<ICFault> fault;
    // Every file found and sound, no IC contains itself, and the IC fits the IC table.
    bool ICNestingOK = false;
    // The last non-empty line of the IC's own notes, if it has one.
    std::optional<QString> notes;

    const NestingNode* Find(const QString& key) const;
};

// More nodes than anyone could read: a tree this large is cut and faulty.
inline constexpr int kMaxNestingNodes = 5000;

// The tree of IC name in the IC directory icDir. Each file's ICs are all
// added before any of them is expanded further.
NestingTree BuildNestingTree(const QString& icDir, const QString& name);
