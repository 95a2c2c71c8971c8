#pragma once
// Writing the circuit file's sections.
#include <QByteArray>

struct Circuit;

// The circuit file's bytes. Rebuilds the conductor-run map from P first.
QByteArray CircuitFileBytes(Circuit& s);
