#pragma once
// The one reader of circuit and IC definition files: Windows-1252 text,
// lines ended by CR LF (LF alone and CR alone are accepted too), bracketed
// section headers, data fields each ended by ";". Fields are split only at
// ";", so a text holding a comma survives.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

// A file the readers refuse: a number outside its field's width, a cell
// outside its grid, a reference outside its table.
class RecordFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Section {
    None, // before the first header
    Name,
    Feld,
    Punkte,
    Jump,
    Elemente,
    IC,
    GraphischeAnschluesse,
    Anschluesse,
    Masse,
    Timer,
    Tags,
    Notizen,
    Links, // read by old files only, never written
};

// The section a line is the header of, or nothing for a data line.
std::optional<Section> SectionHeader(const QString& line);
// The header line of a section, e.g. "[Maße]".
QString SectionHeaderText(Section section);

// The largest file the readers take. A full sheet written as densely as the
// writers allow stays well below it; anything larger is refused before it
// is read, so that no file can make a load take unbounded memory.
inline constexpr qint64 kMaxRecordFileSize = qint64(128) << 20;

// The lines of a file's bytes; a line end at the very end starts no further line.
QStringList SplitRecordLines(const QByteArray& bytes);

// A circuit or IC definition file, read one line at a time: the file is
// never held in memory as a whole. Each pass starts at its beginning.
class RecordFile {
public:
    // Nothing when the file cannot be opened or is larger than kMaxRecordFileSize.
    static std::optional<RecordFile> Open(const QString& path);

    // Calls onLine with every line, the same lines SplitRecordLines gives,
    // until onLine returns false. Throws RecordFormatError when the file
    // cannot be read or has grown beyond kMaxRecordFileSize.
    void ForEachLine(const std::function<bool(const QString&)>& onLine);

    // Each later pass calls report with the share of the file it has read,
    // in whole percent, every time that share grows.
    void ReportProgress(std::function<void(int)> report) { progress_ = std::move(report); }

private:
    explicit RecordFile(std::unique_ptr<QFile> file) : file_(std::move(file)) {}
    std::unique_ptr<QFile> file_;
    std::function<void(int)> progress_;
};

// Calls onHeader for every header and onData for every data line after the
// first header, with the section it belongs to. Blank lines carry data only
// where a line stands for one entry whatever it holds (connectors, their
// places and tags, notes); elsewhere, and [IC] lines with an empty name, are
// skipped, so that every reader counts the same lines.
void ForEachRecord(const QStringList& lines, const std::function<void(Section)>& onHeader,
                   const std::function<void(Section, const QString&)>& onData);
// The same for the lines of a file; throws as RecordFile::ForEachLine does.
void ForEachRecord(RecordFile& file, const std::function<void(Section)>& onHeader,
                   const std::function<void(Section, const QString&)>& onData);

// The fields of one data line (counted from 1); text after the last ";" is no field.
class FieldList {
public:
    explicit FieldList(const QString& line);
    int Count() const { return static_cast<int>(fields_.size()); }
    bool Has(int n) const { return n >= 1 && n <= Count(); }
    // Empty for a field the line does not have.
    QString Text(int n) const;

private:
    std::vector<QString> fields_;
};

// The numeric prefix of a field, rounded to a whole number, in the field's
// width; outside it throws RecordFormatError.
uint8_t ToByte(const QString& field);
int16_t ToInt(const QString& field);
int32_t ToLong(const QString& field);
// -1 for any number but 0.
int16_t ToFlag(const QString& field);
