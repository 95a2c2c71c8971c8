#pragma once
// Finding IC definition files by IC name. Names come from files, so only
// plain names are looked up; and files made on a case-insensitive system
// may name an IC in another letter case than its file.
#include <QString>
#include <QStringList>
#include <optional>

// The largest number of IC slots: a cell's ICLink is one byte.
constexpr int kMaxICSlots = 255;

// Not empty or blank, no "/", "\" or NUL, not "." or "..", and not the
// placeholder "<Name>" of an unnamed IC.
bool IsPlainICName(const QString& name);
// A plain name that a circuit file's [IC] line gives back unchanged: no ";"
// (it ends the field), no line break, every character in the files' code page.
bool IsStorableICName(const QString& name);
// Why a name is not storable, for the messages; empty when it is.
QString ICNameFault(const QString& name);

// dir and file joined; a separator is put between them when dir lacks one.
QString JoinDir(const QString& dir, const QString& file);

// The definition file of IC name in dir: name.icd when it exists, else a
// file whose name equals it ignoring case; empty when there is none or the
// name is not plain.
QString ResolveICFile(const QString& dir, const QString& name);

// The IC names of the [IC] section of a file, one per line, in order; no
// more than kMaxICSlots + 1 of them. Nothing when the file cannot be read.
std::optional<QStringList> ReadICNames(const QString& path);
