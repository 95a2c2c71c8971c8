#pragma once
// Writing the circuit file's sections.
#include <QByteArray>

struct ProgramState;

// The circuit file's bytes. Rebuilds the conductor-run map from P first.
QByteArray CircuitFileBytes(ProgramState& s);
