#pragma once
// Circuit and IC definition files for tests: written and read as bytes.
#include <QByteArray>
#include <QString>
#include <initializer_list>

// The lines, each ended by CR LF, in Windows-1252.
QByteArray CrLfLines(std::initializer_list<QString> lines);
// The lines an IC definition needs besides its circuit: one connector at
// cell (1,1) of its grid, placed on the left side of a 3 x 2 outline.
QByteArray OneConnectorLines();
// Writes bytes to path, creating missing folders; fails the test when it cannot.
void WriteBytes(const QString& path, const QByteArray& bytes);
// The file's bytes; empty when it cannot be read.
QByteArray ReadBytes(const QString& path);
