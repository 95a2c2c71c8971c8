#pragma once
// Reading IC definition files: loading an IC with its nested ICs into the
// IC table and the level table, its connectors and outline, its size, and
// the number of ICs nested in it.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "model/files/ic_definition_check.h"
#include "model/files/record_reader.h"

struct Circuit;
class UserDialogs;

// An IC that contains itself, directly or through others.
class ICCycleError : public RecordFormatError {
public:
    explicit ICCycleError(QStringList chain)
        : RecordFormatError("IC contains itself"), chain_(std::move(chain))
    {
    }
    // The names from the IC met again to itself, e.g. A, B, A.
    const QStringList& Chain() const { return chain_; }

private:
    QStringList chain_;
};

// A fault of one IC definition file, wherever in a nesting it was met.
class ICFileError : public RecordFormatError {
public:
    explicit ICFileError(ICFault fault)
        : RecordFormatError(fault.reason.toStdString()), fault_(std::move(fault))
    {
    }
    const ICFault& Fault() const { return fault_; }

private:
    ICFault fault_;
};

// Why a file of fileSize bytes without a section header is no IC definition.
QString NoSectionReason(qint64 fileSize);

// The slot the next IC instance takes: the first free one, else the one
// after the last.
int16_t GetFreeICIndex(const Circuit& s);

// What loading an IC works on: the circuit whose IC and level tables take it,
// the IC directory, the slot to fill, the number of nested ICs loaded so far
// (a long load is told of from the first), and what tells the user of a long
// load with the line number and the IC's name (nothing when empty).
struct ICLoad {
    Circuit& circuit;
    QString icDir;
    int16_t level = 0;
    int16_t nestedLoaded = 0;
    std::function<void(int lineNo, const QString& name)> progress;
};

// Loads IC name into slot load.level and the ICs nested in it into the next
// free slots, depth first; leaves load.level at the last slot filled. depth is
// 1 for an IC of the main circuit. False when nothing was loaded: the name is
// empty, "<Name>" or not plain, or its file is missing; also when the file or
// one of its nested ICs is refused, and then the IC and level tables, the
// slot and the count are as they were.
bool LoadIC(ICLoad& load, UserDialogs* dialogs, const QString& name, uint8_t depth);
// The same for a reader that loads into a scratch circuit: a refused file
// throws ICFileError naming the file at fault (ICCycleError for a cycle) and
// leaves the tables part-filled; a missing nested IC is refused too.
bool LoadICStrict(ICLoad& load, UserDialogs* dialogs, const QString& name, uint8_t depth);

// Reads the connectors and outline of IC name (of directory icDir) into
// ICInstances(slot). A missing file is reported and clears the IC being defined.
void LoadICAnschluesse(Circuit& s, const QString& icDir, UserDialogs* dialogs, const QString& name, int slot);
// Sets ICWidth and ICHeight from the [Maße] section of IC name (of directory
// icDir). A missing file is reported and clears the IC being defined. False
// when no size was read.
bool GetICSize(Circuit& s, const QString& icDir, UserDialogs* dialogs, const QString& name);
// IC instances nested in IC name (of directory icDir) at every depth; a
// missing nested file counts its own line only, and an IC met again inside
// itself is not counted further.
int16_t CountICLevels(const QString& icDir, const QString& name);
