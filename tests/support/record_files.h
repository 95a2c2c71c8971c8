#pragma once
// Circuit and IC definition files for tests: written and read as bytes.
#include <QByteArray>
#include <QString>
#include <initializer_list>

// The lines, each ended by CR LF, in Windows-1252.
QByteArray CrLfLines(std::initializer_list<QString> lines);
// Writes bytes to path, creating missing folders; fails the test when it cannot.
void WriteBytes(const QString& path, const QByteArray& bytes);
// The file's bytes; empty when it cannot be read.
QByteArray ReadBytes(const QString& path);
