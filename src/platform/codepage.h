#pragma once
// Circuit and IC files are Windows-1252 text; in memory texts are QString.
#include <QByteArray>
#include <QString>

// Every byte has a character, so any file read and written back is unchanged:
// the five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the control characters of the same number.
QString FromCp1252(const QByteArray& bytes);
// Characters that have no byte become '?' (one per character, also outside
// the 16-bit range).
QByteArray ToCp1252(const QString& text);
