#pragma once
// Who uses an IC: the other IC definitions of the IC directory and the
// circuit on the worksheet, and the question asked before it is deleted.
#include <QString>
#include <QStringList>

struct Circuit;

// The ICs of names (in their order, name itself left out ignoring case)
// whose [IC] section lists name ignoring case; each user once. A file that
// cannot be read is left out.
QStringList ICUsers(const QString& icDir, const QStringList& names, const QString& name);

// The circuit in memory holds an instance of IC name, at any depth.
bool CircuitUsesIC(const Circuit& s, const QString& name);

// The question before IC name is deleted: its users (the first ten, then
// "..."), and the circuit on the worksheet when it uses the IC.
QString DeleteQuestion(const QString& name, const QStringList& users, bool circuitUses);
